// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/login_start.h"
#include "temp_dir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// The login start under a private XDG_CONFIG_HOME and HOME, for the test's length.
class AutostartEntry : public ::testing::Test {
protected:
    void SetUp() override {
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        savedHome_ = qgetenv("HOME");
        qputenv("XDG_CONFIG_HOME", folder.FilePath("config").toLocal8Bit());
        qputenv("HOME", folder.FilePath("home").toLocal8Bit());
    }
    void TearDown() override {
        qputenv("XDG_CONFIG_HOME", savedConfig_);
        qputenv("HOME", savedHome_);
    }

    QString Entry() const { return folder.FilePath("config/autostart/zorbel.desktop"); }
    QString EntryText() const {
        QFile file(Entry());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void WriteEntry(const QByteArray& text) const {
        QDir().mkpath(folder.FilePath("config/autostart"));
        QFile file(Entry());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    TestFolder folder;

private:
    QByteArray savedConfig_;
    QByteArray savedHome_;
};

TEST_F(AutostartEntry, EntryIsWrittenReadBackAndRemoved) {
    auto login = CreateSystemLoginStart(QStringLiteral("/usr/bin/zorbel"));
    EXPECT_EQ(login->Location(), Entry());
    EXPECT_FALSE(login->IsEnabled());

    ASSERT_TRUE(login->SetEnabled(true)) << "the autostart folder is made as needed";
    EXPECT_TRUE(EntryText().contains(QStringLiteral("\nExec=/usr/bin/zorbel\n")))
        << EntryText().toStdString();
    EXPECT_TRUE(CreateSystemLoginStart(QStringLiteral("/elsewhere/zorbel"))->IsEnabled())
        << "the state is read from the entry";

    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validator.isEmpty()) {
        QProcess validate;
        validate.start(validator, {Entry()});
        ASSERT_TRUE(validate.waitForFinished(20000));
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().constData();
    }

    ASSERT_TRUE(login->SetEnabled(false));
    EXPECT_FALSE(QFile::exists(Entry()));
    EXPECT_FALSE(login->IsEnabled());
    EXPECT_TRUE(login->SetEnabled(false)) << "removing a missing entry is no failure";
}

TEST_F(AutostartEntry, ProgramAndArgumentsAreQuotedForTheExecKey) {
    struct Case {
        const char* program;
        const char* exec;
        QStringList arguments = {};
    };
    const Case cases[] = {
        {"/opt/my clock/zorbel", R"(Exec="/opt/my clock/zorbel")"},
        {"/opt/a$b/zorbel", R"(Exec="/opt/a\\$b/zorbel")"},
        {"/opt/q\"uote/zorbel", R"(Exec="/opt/q\\"uote/zorbel")"},
        {"/opt/back\\slash/zorbel", R"(Exec="/opt/back\\\\slash/zorbel")"},
        {"/opt/100%/zorbel", "Exec=/opt/100%%/zorbel"},
        // A clock started on its own settings file comes back on it at the next login.
        {"/usr/bin/zorbel",
         "Exec=/usr/bin/zorbel --settings /home/u/zrbl.reg",
         {"--settings", "/home/u/zrbl.reg"}},
        {"/usr/bin/zorbel",
         R"(Exec=/usr/bin/zorbel --settings "/home/u/my clock/50%%.reg")",
         {"--settings", "/home/u/my clock/50%.reg"}},
    };
    for (const Case& item : cases) {
        ASSERT_TRUE(CreateSystemLoginStart(QString::fromUtf8(item.program), item.arguments)
                        ->SetEnabled(true));
        EXPECT_TRUE(EntryText().contains(QLatin1Char('\n') + QString::fromUtf8(item.exec) +
                                         QLatin1Char('\n')))
            << item.program << "\n"
            << EntryText().toStdString();
    }
}

TEST_F(AutostartEntry, EntriesTheDesktopSkipsAreOff) {
    struct Case {
        const char* text;
        bool enabled;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nType=Application\nExec=zorbel\n", true},
        {"[Desktop Entry]\nType=Application\nExec=zorbel\nHidden=true\n", false},
        {"[Desktop Entry]\nExec=zorbel\nX-GNOME-Autostart-enabled=false\n", false},
        {"[Desktop Entry]\nExec=zorbel\nX-GNOME-Autostart-enabled=true\n", true},
        {"[Desktop Entry]\nExec=zorbel\n[Desktop Action Quit]\nHidden=true\n", true},
    };
    for (const Case& item : cases) {
        WriteEntry(item.text);
        EXPECT_EQ(CreateSystemLoginStart(QStringLiteral("zorbel"))->IsEnabled(), item.enabled)
            << item.text;
    }
}

TEST_F(AutostartEntry, WithoutAValidConfigHomeTheEntryGoesUnderHome) {
    for (const char* config : {"", "relative/config"}) {
        qputenv("XDG_CONFIG_HOME", config);
        EXPECT_EQ(CreateSystemLoginStart(QStringLiteral("zorbel"))->Location(),
                  folder.FilePath("home/.config/autostart/zorbel.desktop"))
            << config;
    }
}

TEST_F(AutostartEntry, AnUnwritableFolderIsReportedAndChangesNothing) {
    // A file where the autostart folder should be.
    QDir().mkpath(folder.FilePath("config"));
    QFile blocker(folder.FilePath("config/autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto login = CreateSystemLoginStart(QStringLiteral("/usr/bin/zorbel"));
    EXPECT_FALSE(login->SetEnabled(true));
    EXPECT_FALSE(login->IsEnabled());
}

} // namespace
