// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "full_disk.h"
#include "platform/registry_file.h"
#include "platform/registry_file_saver.h"
#include "temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace {

using OpenMode = RegistryBackend::OpenMode;

constexpr QFileDevice::Permissions OwnerReadWrite = QFileDevice::ReadOwner |
                                                    QFileDevice::WriteOwner |
                                                    QFileDevice::ReadUser | QFileDevice::WriteUser;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

const QByteArray SmallExport = "Windows Registry Editor Version 5.00\n\n"
                               "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n"
                               "\"Width\"=dword:00000140\n"
                               "\"Stranger\"=hex:de,ad\n\n"
                               "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Alarm00]\n"
                               "\"Message\"=\"会議\"\n\n"
                               "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Plugin\\Deep]\n"
                               "\"Own\"=dword:00000001\n\n";

TEST(SettingsRegistryFile, DefaultPathFollowsXdgConfigHome) {
    struct Case {
        QString xdg;
        QString expected;
    };
    const Case cases[] = {
        {"/cfg", "/cfg/zorbel/zrbl.reg"},
        {"/cfg/", "/cfg/zorbel/zrbl.reg"},
        {"", "/home/u/.config/zorbel/zrbl.reg"},
        {"relative/dir", "/home/u/.config/zorbel/zrbl.reg"}, // only absolute paths count
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RegistryFile::DefaultPathFor(c.xdg, "/home/u"), c.expected)
            << c.xdg.toStdString();
    }
}

TEST(SettingsRegistryFile, FirstFlushCreatesFoldersAndAPrivateFile) {
    TestFolder folder;
    const QString path = folder.FilePath("a/b/zrbl.reg");
    RegistryFile registry(path);
    EXPECT_EQ(registry.OpenKey("", OpenMode::ExistingOnly), nullptr);
    {
        auto key = registry.OpenKey("Account00", OpenMode::CreateIfMissing);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->WriteText("PassWord", "secret"));
    }
    ASSERT_TRUE(registry.Flush().Ok());
    EXPECT_EQ(QFileInfo(path).permissions(), OwnerReadWrite);
    EXPECT_EQ(FolderEntries(folder.FilePath("a/b")), QStringList{"zrbl.reg"});
    EXPECT_TRUE(ReadAll(path).contains(
        "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Account00]\n\"PassWord\"=\"secret\"\n"));
}

TEST(SettingsRegistryFile, SaveMakesAnOpenFilePrivateAgain) {
    TestFolder folder;
    const QString path = folder.Write("zrbl.reg", SmallExport);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadOther | QFileDevice::ReadGroup);
    RegistryFile registry(path);
    registry.OpenKey("", OpenMode::ExistingOnly)->WriteInteger("Width", 1);
    ASSERT_TRUE(registry.Flush().Ok());
    EXPECT_EQ(QFileInfo(path).permissions(), OwnerReadWrite);
    EXPECT_EQ(FolderEntries(folder.Path()), QStringList{"zrbl.reg"});
}

TEST(SettingsRegistryFile, NamesCompareWithoutCase) {
    TestFolder folder;
    RegistryFile registry(folder.Write("zrbl.reg", SmallExport));
    auto alarm = registry.OpenKey("ALARM00", OpenMode::ExistingOnly);
    ASSERT_NE(alarm, nullptr);
    EXPECT_EQ(alarm->ReadText("message"), QStringLiteral("会議"));
    EXPECT_EQ(registry.OpenKey("", OpenMode::ExistingOnly)->ReadInteger("WIDTH"), 320);
}

TEST(SettingsRegistryFile, AnotherTypeReadsAsMissing) {
    TestFolder folder;
    RegistryFile registry(folder.Write("zrbl.reg", SmallExport));
    auto main = registry.OpenKey("", OpenMode::ExistingOnly);
    EXPECT_EQ(main->ReadText("Width"), std::nullopt);
    EXPECT_FALSE(main->HasValue("Width", RegistryValueType::Text));
    EXPECT_TRUE(main->HasValue("Width", RegistryValueType::Integer));
    EXPECT_FALSE(main->HasValue("Stranger", RegistryValueType::Integer));
    EXPECT_FALSE(main->HasValue("Stranger", RegistryValueType::Text));
    // Writing replaces the value whatever its type was.
    main->WriteText("Width", "wide");
    EXPECT_EQ(main->ReadText("Width"), QStringLiteral("wide"));
    EXPECT_EQ(main->ReadInteger("Width"), std::nullopt);
}

TEST(SettingsRegistryFile, KeysAndValuesItDoesNotKnowSurviveASave) {
    TestFolder folder;
    const QString path = folder.Write("zrbl.reg", SmallExport);
    {
        RegistryFile registry(path);
        registry.OpenKey("", OpenMode::ExistingOnly)->WriteInteger("Width", 400);
        registry.DeleteKey("Alarm00");
        ASSERT_TRUE(registry.Flush().Ok());
    }
    const QByteArray saved = ReadAll(path);
    EXPECT_TRUE(saved.contains("\"Width\"=dword:00000190\n\"Stranger\"=hex:de,ad\n"));
    EXPECT_TRUE(saved.contains(
        "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Plugin\\Deep]\n\"Own\"=dword:00000001\n"));
    EXPECT_FALSE(saved.contains("Alarm00"));
}

TEST(SettingsRegistryFile, ParentImpliedBySubkeysExists) {
    TestFolder folder;
    RegistryFile registry(folder.Write("zrbl.reg", SmallExport));
    auto plugin = registry.OpenKey("Plugin", OpenMode::ExistingOnly);
    ASSERT_NE(plugin, nullptr);
    EXPECT_TRUE(plugin->WriteInteger("Count", 2));
    registry.DeleteKey("Plugin");
    EXPECT_EQ(registry.OpenKey("Plugin\\Deep", OpenMode::ExistingOnly), nullptr);
    // The handle outlived its key: it reads nothing and refuses to bring the key back.
    EXPECT_EQ(plugin->ReadInteger("Count"), std::nullopt);
    EXPECT_FALSE(plugin->WriteInteger("Count", 3));
    EXPECT_EQ(registry.OpenKey("Plugin", OpenMode::ExistingOnly), nullptr);
}

TEST(SettingsRegistryFile, FlushWithoutChangesLeavesTheFileAlone) {
    TestFolder folder;
    const QByteArray handWritten = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                                   "\"Width\"=dword:00000140\r\n";
    const QString path = folder.Write("zrbl.reg", handWritten);
    RegistryFile registry(path);
    // Writing what is stored already changes nothing either.
    registry.OpenKey("", OpenMode::CreateIfMissing)->WriteInteger("Width", 320);
    ASSERT_TRUE(registry.Flush().Ok());
    EXPECT_EQ(ReadAll(path), handWritten);
}

TEST(SettingsRegistryFile, FilesThatAreNoSettingsAreSetAsideAndTheDefaultsUsed) {
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"not an export", QByteArray("\x89PNG\r\n\x1a\n\x00\x00garbage", 17)},
        {"over 1 MiB", SmallExport + QByteArray(RegistryFile::MostFileBytes, ';')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        const QString path = folder.Write("zrbl.reg", c.bytes);
        RegistryFile registry(path);
        EXPECT_TRUE(registry.LoadProblem().contains(path + ".bad"))
            << registry.LoadProblem().toStdString();
        EXPECT_EQ(ReadAll(path + ".bad"), c.bytes);
        EXPECT_EQ(QFileInfo(path + ".bad").permissions(), OwnerReadWrite);
        EXPECT_EQ(registry.OpenKey("", OpenMode::ExistingOnly), nullptr);

        registry.OpenKey("", OpenMode::CreateIfMissing)->WriteInteger("Width", 320);
        ASSERT_TRUE(registry.Flush().Ok());
        EXPECT_TRUE(ReadAll(path).startsWith("Windows Registry Editor Version 5.00\n"));
        EXPECT_EQ(ReadAll(path + ".bad"), c.bytes);
    }
}

// Whatever stops a save, the file stays as it was, no temporary file is left behind and
// the result says why.
TEST(SettingsRegistryFile, AFailedSaveLeavesTheFileAsItWasAndSaysWhy) {
    using Problem = SaveResult::Problem;
    struct Case {
        const char* name;
        std::function<QString(TestFolder&, FullDisk*)> prepare; // returns the file's path
        Problem problem;
        bool onFullDisk = false;
    };
    const Case cases[] = {
        // A folder in the file's place cannot be read, even by root.
        {"unreadable at start",
         [](TestFolder& folder, FullDisk*) {
             QDir().mkpath(folder.FilePath("zrbl.reg/inside"));
             return folder.FilePath("zrbl.reg");
         },
         Problem::UnreadableAtStart},
        {"full disk",
         [](TestFolder&, FullDisk* disk) { return disk->Write("zrbl.reg", SmallExport); },
         Problem::DiskFull, true},
        {"folder cannot be made",
         [](TestFolder& folder, FullDisk*) {
             folder.Write("blocker", "a file where a folder should be");
             return folder.FilePath("blocker/zorbel/zrbl.reg");
         },
         Problem::Other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        std::optional<FullDisk> disk;
        if (c.onFullDisk && !disk.emplace().Mounted()) {
            std::printf("skipped \"%s\": mounting a tmpfs is not permitted here\n", c.name);
            continue;
        }
        const QString path = c.prepare(folder, disk ? &*disk : nullptr);
        const QByteArray before = ReadAll(path);
        RegistryFile registry(path);
        EXPECT_EQ(registry.LoadProblem().isEmpty(), c.problem != Problem::UnreadableAtStart);
        if (disk) {
            disk->Fill();
        }
        registry.OpenKey("", OpenMode::CreateIfMissing)->WriteInteger("Width", 640);

        const SaveResult saved = registry.Flush();
        EXPECT_EQ(saved.Why(), c.problem);
        EXPECT_TRUE(saved.UserText().contains(path)) << saved.UserText().toStdString();
        EXPECT_TRUE(saved.LogText().contains(path)) << saved.LogText().toStdString();
        EXPECT_EQ(ReadAll(path), before);
        if (disk) {
            EXPECT_EQ(disk->Files(), QStringList{"zrbl.reg"});
        }
        EXPECT_FALSE(FolderEntries(folder.Path()).join(' ').contains("zrbl.reg."));
    }
}

// A settings file kept elsewhere and linked into place stays linked: the file at the end of
// the links is replaced, in its own folder, and keeps its permissions.
TEST(SettingsRegistryFile, ALinkedFileIsWrittenThroughItsLinks) {
    constexpr QFileDevice::Permissions Shared =
        OwnerReadWrite | QFileDevice::ReadGroup; // 0640, the user's own choice
    struct Case {
        const char* name;
        const char* link; // the link's text
        bool targetExists;
    };
    const Case cases[] = {
        {"absolute link", "", true},
        {"relative link", "../dotfiles/zrbl.reg", true},
        {"link to a link", "second-link", true},
        {"link to a file not yet there", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        QDir().mkpath(folder.FilePath("config"));
        const QString target = folder.FilePath("dotfiles/zrbl.reg");
        QDir().mkpath(folder.FilePath("dotfiles"));
        if (c.targetExists) {
            folder.Write("dotfiles/zrbl.reg", SmallExport);
            QFile::setPermissions(target, Shared);
        }
        QString linkText = QString::fromUtf8(c.link);
        if (linkText.isEmpty()) {
            linkText = target;
        } else if (linkText == "second-link") {
            ASSERT_TRUE(QFile::link(target, folder.FilePath("config/second-link")));
        }
        const QString link = folder.FilePath("config/zrbl.reg");
        ASSERT_EQ(::symlink(linkText.toLocal8Bit().constData(), link.toLocal8Bit().constData()), 0);

        RegistryFile registry(link);
        registry.OpenKey("", OpenMode::CreateIfMissing)->WriteInteger("Width", 640);
        ASSERT_TRUE(registry.Flush().Ok());
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_TRUE(ReadAll(target).contains("\"Width\"=dword:00000280"));
        EXPECT_EQ(QFileInfo(target).permissions(), c.targetExists ? Shared : OwnerReadWrite);
        EXPECT_EQ(FolderEntries(folder.FilePath("dotfiles")), QStringList{"zrbl.reg"});
        EXPECT_FALSE(FolderEntries(folder.FilePath("config")).join(' ').contains("zrbl.reg."));
    }
}

// The new contents are complete and private in a temporary file next to the old one
// before the rename; if the program dies there, the old file is still whole.
TEST(SettingsRegistryFile, SaveGoesThroughATemporaryFileAndARename) {
    TestFolder folder;
    const QByteArray before = "old contents\n";
    const QByteArray after = QByteArray(100000, 'n') + "\nend\n";
    const QString path = folder.Write("zrbl.reg", before);

    bool checked = false;
    const auto crashBeforeRename = [&](const QString& temporaryPath) {
        EXPECT_EQ(QFileInfo(temporaryPath).absolutePath(), QFileInfo(path).absolutePath());
        EXPECT_NE(QFileInfo(temporaryPath).fileName(), "zrbl.reg");
        EXPECT_EQ(ReadAll(temporaryPath), after);
        EXPECT_EQ(QFileInfo(temporaryPath).permissions(), OwnerReadWrite);
        EXPECT_EQ(ReadAll(path), before);
        checked = true;
        return false;
    };
    EXPECT_FALSE(RegistryFileSaver::Save(path, after, crashBeforeRename).Ok());
    EXPECT_TRUE(checked);
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(FolderEntries(folder.Path()), QStringList{"zrbl.reg"});

    EXPECT_TRUE(RegistryFileSaver::Save(path, after, [](const QString&) { return true; }).Ok());
    EXPECT_EQ(ReadAll(path), after);
    EXPECT_EQ(FolderEntries(folder.Path()), QStringList{"zrbl.reg"});
}

} // namespace
