#include "platform/registry_file.h"
#include "platform/registry_file_saver.h"
#include "temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

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
    ASSERT_TRUE(registry.Flush());
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
    ASSERT_TRUE(registry.Flush());
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
        ASSERT_TRUE(registry.Flush());
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
    ASSERT_TRUE(registry.Flush());
    EXPECT_EQ(ReadAll(path), handWritten);
}

TEST(SettingsRegistryFile, UnreadableFileIsSetAsideAndEmptyTreeUsed) {
    TestFolder folder;
    const QByteArray garbage("\x89PNG\r\n\x1a\n\x00\x00garbage", 17);
    const QString path = folder.Write("zrbl.reg", garbage);
    testing::internal::CaptureStderr();
    RegistryFile registry(path);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("zrbl.reg.bad"), std::string::npos);
    EXPECT_EQ(ReadAll(path + ".bad"), garbage);
    EXPECT_EQ(QFileInfo(path + ".bad").permissions(), OwnerReadWrite);
    EXPECT_EQ(registry.OpenKey("", OpenMode::ExistingOnly), nullptr);

    registry.OpenKey("", OpenMode::CreateIfMissing)->WriteInteger("Width", 320);
    ASSERT_TRUE(registry.Flush());
    EXPECT_TRUE(ReadAll(path).startsWith("Windows Registry Editor Version 5.00\n"));
    EXPECT_EQ(ReadAll(path + ".bad"), garbage);
}

TEST(SettingsRegistryFile, FileThatCannotBeReadIsNeverOverwritten) {
    TestFolder folder;
    // A folder in the file's place cannot be read, even by root.
    const QString path = folder.FilePath("zrbl.reg");
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));
    testing::internal::CaptureStderr();
    RegistryFile registry(path);
    registry.OpenKey("", OpenMode::CreateIfMissing)->WriteInteger("Width", 320);
    EXPECT_FALSE(registry.Flush());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot read"), std::string::npos);
    EXPECT_TRUE(QFileInfo(path + "/inside").isDir());
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
    EXPECT_FALSE(RegistryFileSaver::Save(path, after, crashBeforeRename));
    EXPECT_TRUE(checked);
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(FolderEntries(folder.Path()), QStringList{"zrbl.reg"});

    EXPECT_TRUE(RegistryFileSaver::Save(path, after, [](const QString&) { return true; }));
    EXPECT_EQ(ReadAll(path), after);
    EXPECT_EQ(FolderEntries(folder.Path()), QStringList{"zrbl.reg"});
}

TEST(SettingsRegistryFile, SaveIntoAMissingFolderFails) {
    TestFolder folder;
    EXPECT_FALSE(RegistryFileSaver::Save(folder.FilePath("none/zrbl.reg"), "x"));
}

} // namespace
