// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_prompt.h"
#include "platform/registry_file.h"
#include "settings/settings_layout.h"
#include "settings/settings_store.h"
#include "temp_dir.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

using OpenMode = RegistryBackend::OpenMode;

const QString PictureCountMessage =
    QStringLiteral("レジストリに登録されているイメージリスト数が不正です");
const QString Mincho = QStringLiteral("ＭＳ Ｐ明朝");

// A registry whose main key cannot be opened, to follow the store past that failure.
class NoMainKeyRegistry : public RegistryBackend {
public:
    explicit NoMainKeyRegistry(RegistryBackend& inner) : inner_(inner) {}
    std::unique_ptr<RegistryKey> OpenKey(const QString& path, OpenMode mode) override {
        return path.isEmpty() ? nullptr : inner_.OpenKey(path, mode);
    }
    bool DeleteKey(const QString& path) override { return inner_.DeleteKey(path); }
    SaveResult Flush() override { return inner_.Flush(); }

private:
    RegistryBackend& inner_;
};

class SettingsStoreTest : public testing::Test {
protected:
    // One program run: the clock window's start sequence on a fresh set of records.
    SettingsRecords Start() {
        SettingsRecords records;
        RegistryFile registry(path_);
        SettingsStore store(records, registry, prompt_, context_);
        store.EnsureDefaults();
        store.LoadSettings();
        return records;
    }

    void Save(SettingsRecords& records) {
        RegistryFile registry(path_);
        SettingsStore(records, registry, prompt_, context_).SaveSettings();
    }

    QString FileText() const {
        QFile file(path_);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    void WriteFile(const QByteArray& bytes) const { folder_.Write("zorbel/zrbl.reg", bytes); }

    // Edits the file as a person would with a text editor.
    void RemoveLine(const QString& line) {
        QString text = FileText();
        ASSERT_TRUE(text.contains(line + "\n")) << line.toStdString();
        text.remove(line + "\n");
        WriteFile(text.toUtf8());
    }

    bool KeyExists(const QString& key) {
        RegistryFile registry(path_);
        return registry.OpenKey(key, OpenMode::ExistingOnly) != nullptr;
    }

    std::unique_ptr<RegistryFile> Registry() { return std::make_unique<RegistryFile>(path_); }

    TestFolder folder_;
    QString path_ = folder_.FilePath("zorbel/zrbl.reg");
    FakePrompt prompt_;
    DefaultsContext context_{QSize(1920, 1080), QStringLiteral("/home/user/bin")};
};

TEST_F(SettingsStoreTest, FirstStartGivesEveryDefault) {
    const SettingsRecords records = Start();
    const ClockSettings& clock = records.clock;
    EXPECT_EQ(clock.Version, "Version4.00");
    EXPECT_EQ(clock.Width, 320);
    EXPECT_EQ(clock.Height, 200);
    EXPECT_EQ(clock.Top, 1080 / 2 - 100);
    EXPECT_EQ(clock.Left, 1920 / 2 - 160);
    EXPECT_EQ(clock.Attrib, 0xE0095F13u);
    EXPECT_EQ(clock.SL_In_Color, 0x0000FFu);
    EXPECT_EQ(clock.SM_Color, 0xFFFF00u);
    EXPECT_EQ(clock.LongLength, 128);
    EXPECT_EQ(clock.ShortLength, 80);
    EXPECT_EQ(clock.FontName, Mincho);
    EXPECT_EQ(clock.DigiTimeFontName, Mincho);
    EXPECT_EQ(clock.DigiDateFontName, Mincho);
    EXPECT_EQ(clock.FontStyle, 2);
    EXPECT_EQ(clock.CurrentDir, "/home/user/bin");
    EXPECT_EQ(clock.Digi_x, 80);
    EXPECT_EQ(clock.Date_x, -7);
    EXPECT_EQ(clock.Date_y, 10);
    EXPECT_EQ(clock.Form_Style, 2);
    EXPECT_EQ(clock.Image_File, "sample.jpg");
    EXPECT_EQ(clock.Rect_Raund_Size, 5);
    EXPECT_EQ(clock.WindowEdgeColor, 0x8000000Au);
    EXPECT_EQ(clock.IconBkColor, 0x8000000Fu);
    EXPECT_EQ(clock.MailSound, "");
    EXPECT_EQ(clock.ImageListCounter, 1);
    EXPECT_EQ(clock.pictureList.paths[0], "sample.jpg");
    EXPECT_EQ(clock.pictureList.paths[1], "");
    EXPECT_EQ(records.schedules.entryCount, 0);
    for (const MailAccount& account : records.accounts.entries) {
        EXPECT_EQ(account.Port, 110);
        EXPECT_EQ(account.TimeOut, 10000);
        EXPECT_EQ(account.TextBKColor, 0xFFFFFFu);
        EXPECT_EQ(account.Attribute, 0);
    }
    EXPECT_EQ(records.timeServer.iPort, 13);
    EXPECT_EQ(records.timeServer.iiTimeOut, 5000);
    EXPECT_EQ(records.timeServer.Protocol, DaytimeProtocol);
    EXPECT_EQ(records.timeServer.Attribute, 2);
    EXPECT_EQ(records.timeServer.Day, 1);
    EXPECT_EQ(records.timeServer.Week, 1);
    EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(SettingsStoreTest, FirstStartWritesTheLayout) {
    Start();
    for (int i = 0; i < AccountTable::Capacity; ++i) {
        EXPECT_TRUE(KeyExists(SettingsLayout::AccountKey(i)));
    }
    EXPECT_TRUE(KeyExists("TimeServer"));
    for (int i = 0; i < ScheduleTable::Capacity; ++i) {
        EXPECT_FALSE(KeyExists(SettingsLayout::AlarmKey(i)));
    }
    const QString text = FileText();
    EXPECT_TRUE(text.contains("\"Attrib\"=dword:e0095f13\n"));
    EXPECT_TRUE(text.contains("\"Date_x\"=dword:fffffff9\n"));
    EXPECT_TRUE(text.contains("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Image_List]\n"
                              "\"00\"=\"sample.jpg\"\n"));
    // The account keys get no MailSound until the first save.
    EXPECT_EQ(text.count("\"MailSound\""), 1);

    auto registry = Registry();
    auto main = registry->OpenKey("", OpenMode::ExistingOnly);
    for (const auto& field : SettingsLayout::ClockValues().Fields()) {
        const QString name = QString::fromUtf16(field.name);
        const bool textValue = std::holds_alternative<QString ClockSettings::*>(field.member);
        EXPECT_TRUE(
            main->HasValue(name, textValue ? RegistryValueType::Text : RegistryValueType::Integer))
            << name.toStdString();
    }
}

TEST_F(SettingsStoreTest, EnsureDefaultsPutsAMissingAttribIntoMemoryToo) {
    SettingsRecords records;
    auto registry = Registry();
    SettingsStore(records, *registry, prompt_, context_).EnsureDefaults();
    EXPECT_EQ(records.clock.Attrib, DefaultAttrib);
    EXPECT_EQ(records.clock.Width, 0); // the others wait for LoadSettings

    SettingsRecords again;
    auto reopened = Registry();
    SettingsStore(again, *reopened, prompt_, context_).EnsureDefaults();
    EXPECT_EQ(again.clock.Attrib, 0u);
}

TEST_F(SettingsStoreTest, ValueDeletedByHandComesBackWithItsDefault) {
    SettingsRecords records = Start();
    records.clock.Width = 500;
    records.clock.FontName = "IPAGothic";
    records.schedules.entryCount = 1;
    records.schedules.entries[0].Year = 2024;
    records.schedules.entries[0].Message = "歯医者";
    records.timeServer.asHostName = "ntp.example.jp";
    records.timeServer.iPort = 1313;
    Save(records);

    RemoveLine("\"Height\"=dword:000000c8");
    RemoveLine("\"Width\"=dword:000001f4");
    RemoveLine("\"Year\"=dword:000007e8");
    RemoveLine("\"iPort\"=dword:00000521");
    const SettingsRecords loaded = Start();
    EXPECT_EQ(loaded.clock.Width, 320);
    EXPECT_EQ(loaded.clock.Height, 200);
    EXPECT_EQ(loaded.clock.FontName, "IPAGothic");
    ASSERT_EQ(loaded.schedules.entryCount, 1);
    EXPECT_EQ(loaded.schedules.entries[0].Year, 255);
    EXPECT_EQ(loaded.schedules.entries[0].Message, "歯医者");
    EXPECT_EQ(loaded.timeServer.iPort, 13);
    EXPECT_EQ(loaded.timeServer.asHostName, "ntp.example.jp");
    // Written back, not only assumed.
    EXPECT_TRUE(FileText().contains("\"Width\"=dword:00000140\n"));
    EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(SettingsStoreTest, TheProtocolIsStoredAndASettingsFileWithoutItKeepsDaytime) {
    WriteFile("Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\TimeServer]\n"
              "\"asHostName\"=\"time-a-g.nist.gov\"\n"
              "\"iPort\"=dword:0000000d\n");
    SettingsRecords records = Start();
    EXPECT_EQ(records.timeServer.Protocol, DaytimeProtocol);
    EXPECT_EQ(records.timeServer.iPort, 13);
    EXPECT_TRUE(FileText().contains("\"Protocol\"=dword:00000000\n"));

    records.timeServer.Protocol = SntpProtocol;
    records.timeServer.iPort = 123;
    Save(records);
    EXPECT_TRUE(FileText().contains("\"Protocol\"=dword:00000001\n"));
    EXPECT_EQ(Start().timeServer.Protocol, SntpProtocol);
}

TEST_F(SettingsStoreTest, ValueOfAnotherTypeIsReplacedByItsDefault) {
    WriteFile("Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n"
              "\"Width\"=\"wide\"\n"
              "\"FontName\"=dword:00000001\n"
              "\"Height\"=dword:00000123\n"
              "\"ImageListCounter\"=dword:00000000\n");
    const SettingsRecords records = Start();
    EXPECT_EQ(records.clock.Width, 320);
    EXPECT_EQ(records.clock.FontName, Mincho);
    EXPECT_EQ(records.clock.Height, 0x123);
    EXPECT_TRUE(FileText().contains("\"Width\"=dword:00000140\n"));
}

TEST_F(SettingsStoreTest, PictureCountThatDisagreesIsCorrectedOnce) {
    Start();
    {
        auto registry = Registry();
        registry->OpenKey("", OpenMode::ExistingOnly)->WriteInteger("ImageListCounter", 3);
        registry->OpenKey("Image_List", OpenMode::ExistingOnly)->WriteText("01", "b.bmp");
        registry->Flush();
    }
    SettingsRecords records = Start();
    ASSERT_EQ(prompt_.messages.size(), 1u);
    EXPECT_EQ(prompt_.messages[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(prompt_.messages[0].text, PictureCountMessage);
    EXPECT_EQ(records.clock.ImageListCounter, 2);
    EXPECT_EQ(records.clock.pictureList.paths[1], "b.bmp");

    Save(records);
    prompt_.messages.clear();
    EXPECT_EQ(Start().clock.ImageListCounter, 2);
    EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(SettingsStoreTest, LostPictureCountKeepsTheStoredPictures) {
    SettingsRecords records = Start();
    records.clock.ImageListCounter = 2;
    records.clock.pictureList.paths[0] = "mine.jpg";
    records.clock.pictureList.paths[1] = "yours.bmp";
    Save(records);
    RemoveLine("\"ImageListCounter\"=dword:00000002");
    const SettingsRecords loaded = Start();
    EXPECT_EQ(loaded.clock.pictureList.paths[0], "mine.jpg");
    EXPECT_EQ(loaded.clock.pictureList.paths[1], "yours.bmp");
    EXPECT_EQ(loaded.clock.ImageListCounter, 2);
    EXPECT_EQ(prompt_.messages.size(), 1u); // the default count 1 disagreed with the list
}

TEST_F(SettingsStoreTest, GapsInTheNumberingAreClosed) {
    WriteFile("Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n"
              "\"ImageListCounter\"=dword:00000003\n\n"
              "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Image_List]\n"
              "\"00\"=\"a.jpg\"\n\"02\"=\"c.jpg\"\n\"03\"=\"\"\n\"04\"=dword:00000001\n"
              "\"49\"=\"z.jpg\"\n\"50\"=\"beyond.jpg\"\n\n"
              "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Alarm01]\n\"Message\"=\"one\"\n\n"
              "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Alarm04]\n\"Message\"=\"four\"\n\n"
              "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Alarm19]\n\"Message\"=\"nineteen\"\n");
    SettingsRecords records = Start();
    EXPECT_TRUE(prompt_.messages.empty());
    EXPECT_EQ(records.clock.ImageListCounter, 3);
    EXPECT_EQ(records.clock.pictureList.paths[0], "a.jpg");
    EXPECT_EQ(records.clock.pictureList.paths[1], "c.jpg");
    EXPECT_EQ(records.clock.pictureList.paths[2], "z.jpg");
    ASSERT_EQ(records.schedules.entryCount, 3);
    EXPECT_EQ(records.schedules.entries[0].Message, "one");
    EXPECT_EQ(records.schedules.entries[1].Message, "four");
    EXPECT_EQ(records.schedules.entries[2].Message, "nineteen");
    // EnsureDefaults completed the existing alarm keys.
    EXPECT_EQ(records.schedules.entries[2].APL_Type, 255);

    Save(records);
    const SettingsRecords reloaded = Start();
    EXPECT_EQ(reloaded.schedules.entries[2].Message, "nineteen");
    EXPECT_TRUE(KeyExists("Alarm02"));
    EXPECT_FALSE(KeyExists("Alarm19"));
    EXPECT_TRUE(FileText().contains("\"02\"=\"z.jpg\"\n\n"));
}

TEST_F(SettingsStoreTest, SaveKeepsOnlyTheScheduleKeysInUse) {
    SettingsRecords records = Start();
    records.schedules.entryCount = 5;
    Save(records);
    EXPECT_TRUE(KeyExists("Alarm04"));

    records.schedules.entryCount = 3;
    Save(records);
    for (int i = 0; i < ScheduleTable::Capacity; ++i) {
        EXPECT_EQ(KeyExists(SettingsLayout::AlarmKey(i)), i < 3) << i;
    }
    EXPECT_EQ(Start().schedules.entryCount, 3);
}

TEST_F(SettingsStoreTest, NoPicturesLeavesAnEmptyImageListKey) {
    SettingsRecords records = Start();
    records.clock.ImageListCounter = 0;
    Save(records);
    EXPECT_TRUE(FileText().contains("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Image_List]\n\n"));
    const SettingsRecords reloaded = Start();
    EXPECT_EQ(reloaded.clock.ImageListCounter, 0);
    EXPECT_EQ(reloaded.clock.pictureList.paths[0], "");
    EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(SettingsStoreTest, PictureCountBeyondTheTableIsNotWrittenPastIt) {
    SettingsRecords records = Start();
    records.clock.ImageListCounter = 80;
    records.clock.pictureList.paths.fill("p.jpg");
    Save(records);
    EXPECT_TRUE(FileText().contains("\"49\"=\"p.jpg\""));
    EXPECT_FALSE(FileText().contains("\"50\"="));
}

TEST_F(SettingsStoreTest, AnotherVersionTextSurvives) {
    Start();
    {
        auto registry = Registry();
        registry->OpenKey("", OpenMode::ExistingOnly)->WriteText("Version", "Version3.10");
        registry->Flush();
    }
    SettingsRecords records = Start();
    EXPECT_EQ(records.clock.Version, "Version3.10");
    Save(records);
    EXPECT_EQ(Start().clock.Version, "Version3.10");
}

TEST_F(SettingsStoreTest, AccountMailSoundIsWrittenBySaveOnly) {
    SettingsRecords records = Start();
    EXPECT_FALSE(Registry()
                     ->OpenKey("Account02", OpenMode::ExistingOnly)
                     ->HasValue("MailSound", RegistryValueType::Text));
    records.accounts.entries[2].MailSound = "chime.wav";
    Save(records);
    EXPECT_EQ(FileText().count("\"MailSound\""), 1 + AccountTable::Capacity);
    EXPECT_EQ(Start().accounts.entries[2].MailSound, "chime.wav");
}

TEST_F(SettingsStoreTest, AccountSecurityValuesAreWrittenBySaveOnly) {
    SettingsRecords records = Start();
    const auto registry = Registry();
    const auto stored = registry->OpenKey("Account00", OpenMode::ExistingOnly);
    EXPECT_FALSE(stored->HasValue("Security", RegistryValueType::Integer));
    EXPECT_FALSE(stored->HasValue("TrustedCertificate", RegistryValueType::Text));
    EXPECT_EQ(records.accounts.entries[0].Security, NoSecurity);
    EXPECT_EQ(records.accounts.entries[0].TrustedCertificate, QString());
    records.accounts.entries[1].Security = TlsSecurity;
    records.accounts.entries[1].TrustedCertificate = QString(64, 'a');
    Save(records);
    EXPECT_EQ(FileText().count("\"Security\"=dword:00000000\n"), AccountTable::Capacity - 1);
    EXPECT_EQ(FileText().count("\"TrustedCertificate\"=\"\"\n"), AccountTable::Capacity - 1);
    const SettingsRecords loaded = Start();
    EXPECT_EQ(loaded.accounts.entries[1].Security, TlsSecurity);
    EXPECT_EQ(loaded.accounts.entries[1].TrustedCertificate, QString(64, 'a'));
}

TEST_F(SettingsStoreTest, StoredSecurityValuesAreNormalisedWhenRead) {
    const QString lower = QStringLiteral("00112233445566778899aabbccddeeff"
                                         "0123456789abcdef0123456789abcdef");
    QStringList pairs;
    for (int index = 0; index < lower.size(); index += 2) {
        pairs << lower.mid(index, 2).toUpper();
    }
    struct Case {
        const char* security;
        QString certificate;
        int securityRead;
        QString certificateRead;
    };
    const Case cases[] = {
        {"00000001", lower, StartTlsSecurity, lower},
        {"00000002", lower.toUpper(), TlsSecurity, lower},
        {"00000000", pairs.join(':'), NoSecurity, lower},
        {"00000000", pairs.join(':').toLower(), NoSecurity, lower},
        // Damaged or unknown values.
        {"00000003", lower.left(63), TlsSecurity, {}},
        {"ffffffff", lower + "0", TlsSecurity, {}},
        {"00000000", lower.left(62) + "xy", NoSecurity, {}},
        {"00000000", pairs.join(':') + ":", NoSecurity, {}},
        {"00000000", pairs.join('-'), NoSecurity, {}},
        {"00000000", pairs.join(':').remove(2, 1).append('0'), NoSecurity, {}},
        {"00000000", " " + lower, NoSecurity, {}},
        {"00000000", QStringLiteral("信頼する"), NoSecurity, {}},
    };
    for (const Case& test : cases) {
        WriteFile(QStringLiteral("Windows Registry Editor Version 5.00\n\n"
                                 "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Account00]\n"
                                 "\"Security\"=dword:%1\n\"TrustedCertificate\"=\"%2\"\n")
                      .arg(QLatin1String(test.security), test.certificate)
                      .toUtf8());
        const SettingsRecords records = Start();
        EXPECT_EQ(records.accounts.entries[0].Security, test.securityRead) << test.security;
        EXPECT_EQ(records.accounts.entries[0].TrustedCertificate, test.certificateRead)
            << test.certificate.toStdString();
    }
}

TEST_F(SettingsStoreTest, AccountProtocolValuesReadSafelyAndAreWrittenBySaveOnly) {
    struct Case {
        const char* stored;
        int protocolRead;
        QString mailboxRead;
    };
    const Case cases[] = {
        {"\"Protocol\"=dword:00000001\n\"Mailbox\"=\"仕事/請求書\"\n", ImapProtocol, "仕事/請求書"},
        // Damaged or unknown values.
        {"\"Protocol\"=dword:00000002\n\"Mailbox\"=\"\"\n", Pop3Protocol, "INBOX"},
        {"\"Protocol\"=dword:ffffffff\n", Pop3Protocol, "INBOX"},
        // Missing values, as every older layout has them; a start does not add them.
        {"", Pop3Protocol, "INBOX"},
    };
    for (const Case& test : cases) {
        WriteFile(QByteArray("Windows Registry Editor Version 5.00\n\n"
                             "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Account00]\n") +
                  test.stored);
        const SettingsRecords records = Start();
        EXPECT_EQ(records.accounts.entries[0].Protocol, test.protocolRead) << test.stored;
        EXPECT_EQ(records.accounts.entries[0].Mailbox, test.mailboxRead) << test.stored;
    }
    {
        const auto registry = Registry();
        const auto stored = registry->OpenKey("Account00", OpenMode::ExistingOnly);
        EXPECT_FALSE(stored->HasValue("Protocol", RegistryValueType::Integer));
        EXPECT_FALSE(stored->HasValue("Mailbox", RegistryValueType::Text));
    }
    SettingsRecords records = Start();
    records.accounts.entries[1].Protocol = ImapProtocol;
    Save(records);
    EXPECT_EQ(FileText().count("\"Mailbox\"=\"INBOX\"\n"), AccountTable::Capacity);
    EXPECT_EQ(Start().accounts.entries[1].Protocol, ImapProtocol);
}

TEST_F(SettingsStoreTest, LoadResetsTheRunTimeFields) {
    Start();
    SettingsRecords records;
    records.clock.ImageListCounter = 1;
    for (MailAccount& account : records.accounts.entries) {
        account.MessageCount = 4;
        account.PreviousCount = 3;
        account.NewMail = 1;
        account.ErrorCode = 10061;
    }
    records.schedules.entryCount = 1;
    Save(records);
    records.schedules.entries[0].fireState = FireState::Notified;
    records.timeServer.correctionDone = true;

    auto registry = Registry();
    SettingsStore(records, *registry, prompt_, context_).LoadSettings();
    EXPECT_EQ(records.schedules.entries[0].fireState, FireState::Idle);
    for (const MailAccount& account : records.accounts.entries) {
        EXPECT_EQ(account.MessageCount, 0);
        EXPECT_EQ(account.PreviousCount, 0);
        EXPECT_EQ(account.NewMail, 0);
        EXPECT_EQ(account.ErrorCode, 0);
    }
    EXPECT_FALSE(records.timeServer.correctionDone);
}

// Every stored field of every record comes back from a save with the value it had.
TEST_F(SettingsStoreTest, EveryFieldSurvivesSaveAndLoad) {
    const QString texts[] = {"a \"quoted\" word", "C:\\dir\\", "日本語のテキスト",
                             "line one\r\nline two"};
    int seed = 0;
    const auto fill = [&](auto& record, const auto& table) {
        for (const auto& field : table.Fields()) {
            ++seed;
            std::visit(
                [&](auto member) {
                    using Type = std::remove_reference_t<decltype(record.*member)>;
                    if constexpr (std::is_same_v<Type, QString>) {
                        record.*member = texts[seed % 4] + QString::number(seed);
                    } else if constexpr (std::is_same_v<Type, int>) {
                        record.*member = seed % 2 == 0 ? seed * 1000 : -seed;
                    } else {
                        record.*member = 0x80000000u + std::uint32_t(seed);
                    }
                },
                field.member);
        }
    };
    SettingsRecords records = Start();
    fill(records.clock, SettingsLayout::ClockValues());
    records.clock.ImageListCounter = 2;
    records.clock.pictureList.paths[0] = texts[2];
    records.clock.pictureList.paths[1] = texts[0];
    records.schedules.entryCount = ScheduleTable::Capacity;
    for (ScheduleEntry& entry : records.schedules.entries) {
        fill(entry, SettingsLayout::AlarmValues());
    }
    for (MailAccount& account : records.accounts.entries) {
        fill(account, SettingsLayout::AccountValues());
        // These read back only as values the program can use.
        account.Security = seed % 3;
        account.TrustedCertificate = QString::number(seed % 10).repeated(64);
        account.Protocol = seed % 2;
    }
    fill(records.timeServer, SettingsLayout::TimeServerValues());
    Save(records);

    const SettingsRecords loaded = Start();
    const auto same = [](const auto& left, const auto& right, const auto& table) {
        for (const auto& field : table.Fields()) {
            std::visit([&](auto member) { EXPECT_EQ(left.*member, right.*member); }, field.member);
        }
    };
    same(records.clock, loaded.clock, SettingsLayout::ClockValues());
    EXPECT_EQ(loaded.clock.pictureList.paths[0], texts[2]);
    EXPECT_EQ(loaded.clock.pictureList.paths[1], texts[0]);
    ASSERT_EQ(loaded.schedules.entryCount, ScheduleTable::Capacity);
    for (int i = 0; i < ScheduleTable::Capacity; ++i) {
        same(records.schedules.entries[i], loaded.schedules.entries[i],
             SettingsLayout::AlarmValues());
    }
    for (int i = 0; i < AccountTable::Capacity; ++i) {
        same(records.accounts.entries[i], loaded.accounts.entries[i],
             SettingsLayout::AccountValues());
    }
    same(records.timeServer, loaded.timeServer, SettingsLayout::TimeServerValues());
}

TEST_F(SettingsStoreTest, UnknownValuesAndKeysSurviveTheStore) {
    Start();
    QString text = FileText();
    text.replace("\"Width\"=dword:00000140\n",
                 "\"Width\"=dword:00000140\n\"PluginFlag\"=hex:01,02\n\"Note\"=\"keep me\"\n");
    text += "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Extras]\n\"Any\"=dword:00000009\n";
    WriteFile(text.toUtf8());
    SettingsRecords records = Start();
    Save(records);
    const QString saved = FileText();
    EXPECT_TRUE(saved.contains("\"PluginFlag\"=hex:01,02\n\"Note\"=\"keep me\"\n"));
    EXPECT_TRUE(saved.contains("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Extras]\n"
                               "\"Any\"=dword:00000009\n"));
}

TEST_F(SettingsStoreTest, SettingsExportedOnWindowsAreRead) {
    const QString exported = QStringLiteral(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Ondrel\\zrbl]\r\n"
        "\"version\"=\"Version4.00\"\r\n\"WIDTH\"=dword:00000258\r\n"
        "\"ImageListCounter\"=dword:00000001\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Ondrel\\zrbl\\IMAGE_LIST]\r\n"
        "\"00\"=\"C:\\\\写真\\\\富士山.jpg\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Ondrel\\zrbl\\alarm00]\r\n\"message\"=\"起床\"\r\n");
    WriteFile(QByteArray("\xFF\xFE") + QStringEncoder(QStringEncoder::Utf16LE)(exported));
    const SettingsRecords records = Start();
    EXPECT_EQ(records.clock.Width, 600);
    EXPECT_EQ(records.clock.pictureList.paths[0], QStringLiteral("C:\\写真\\富士山.jpg"));
    ASSERT_EQ(records.schedules.entryCount, 1);
    EXPECT_EQ(records.schedules.entries[0].Message, QStringLiteral("起床"));
    EXPECT_TRUE(prompt_.messages.empty());
    // The keys keep their Windows spelling; nothing is doubled under another case.
    EXPECT_EQ(FileText().count(
                  QRegularExpression("\\\\zrbl\\]", QRegularExpression::CaseInsensitiveOption)),
              1);
    EXPECT_EQ(FileText().count("\"Width\"", Qt::CaseInsensitive), 1);
}

TEST_F(SettingsStoreTest, CorruptFileIsSetAsideAndDefaultsUsed) {
    WriteFile(QByteArray("\x00\x13\x37 not a registry export", 26));
    const SettingsRecords records = Start();
    EXPECT_TRUE(QFile::exists(path_ + ".bad"));
    // Told once, in a message box, where the old file went.
    ASSERT_EQ(prompt_.messages.size(), 1u);
    EXPECT_EQ(prompt_.messages[0].caption, QStringLiteral("警告"));
    EXPECT_TRUE(prompt_.messages[0].text.contains(path_ + ".bad"));
    EXPECT_EQ(records.clock.Attrib, DefaultAttrib);
    EXPECT_EQ(records.clock.ImageListCounter, 1);
    EXPECT_EQ(records.accounts.entries[4].Port, 110);
    EXPECT_TRUE(FileText().startsWith("Windows Registry Editor Version 5.00\n"));
}

TEST_F(SettingsStoreTest, WithoutTheMainKeyTheSubkeysAreStillHandled) {
    auto file = Registry();
    NoMainKeyRegistry registry(*file);
    SettingsRecords records;
    SettingsStore store(records, registry, prompt_, context_);
    store.EnsureDefaults();
    store.LoadSettings();
    EXPECT_EQ(records.clock.Width, 0);
    EXPECT_EQ(records.clock.Attrib, 0u);
    EXPECT_EQ(records.accounts.entries[0].Port, 110);
    EXPECT_EQ(records.timeServer.iPort, 13);
    EXPECT_TRUE(prompt_.messages.empty());
    records.schedules.entryCount = 1;
    store.SaveSettings();
    EXPECT_FALSE(FileText().contains("\"Width\""));
    EXPECT_TRUE(KeyExists("Alarm00"));
    EXPECT_TRUE(KeyExists("Image_List"));
}

} // namespace
