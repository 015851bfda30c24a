// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/app_launcher.h"
#include "report_file.h"
#include "temp_dir.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A harmless program of our own: writes its working folder and each argument on a line of
// `report`, then moves the report into place so that a half-written file is never read.
QString WriteReportingScript(const TestFolder& folder, const QString& name, const QString& report) {
    const QString script = folder.Write(
        name,
        QStringLiteral("#!/bin/sh\n"
                       "{ pwd; for argument in \"$@\"; do printf '%s\\n' \"$argument\"; done; } "
                       "> '%1.partial'\n"
                       "mv '%1.partial' '%1'\n")
            .arg(report)
            .toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

class ScheduleLauncherTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (!savedPath_.isNull()) {
            qputenv("PATH", savedPath_);
        }
    }

    // A stand-in for xdg-open, found first on the PATH for the test's length, so no real
    // application starts. Returns the path of the report it leaves.
    QString UseStandInOpener() {
        const QString bin = folder.FilePath("bin");
        QDir().mkpath(bin);
        const QString report = folder.FilePath("opened.txt");
        WriteReportingScript(folder, "bin/xdg-open", report);
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", bin.toUtf8() + ":" + savedPath_);
        return report;
    }

    TestFolder folder;
    std::unique_ptr<AppLauncher> launcher = CreateSystemAppLauncher();

private:
    QByteArray savedPath_;
};

TEST_F(ScheduleLauncherTest, OptionsArriveAsArgumentsWithoutAShell) {
    const QString report = folder.FilePath("report.txt");
    const QString script = WriteReportingScript(folder, "tool.sh", report);
    const QString workFolder = folder.FilePath("work");
    QDir().mkpath(workFolder);

    ASSERT_TRUE(launcher->Launch(
        script, QStringLiteral("-first \"two words\" ; \"$(touch pwned)\" `id` a|b"), workFolder,
        AppLauncher::ShowMaximised));
    EXPECT_EQ(WaitForReport(report), QStringList({workFolder, "-first", "two words", ";",
                                                  "$(touch pwned)", "`id`", "a|b"}));
    EXPECT_FALSE(QFile::exists(folder.FilePath("work/pwned")));
    EXPECT_FALSE(QFile::exists(QDir::current().filePath("pwned")));
}

TEST_F(ScheduleLauncherTest, EmptyOrMissingFolderKeepsTheCurrentFolder) {
    for (const QString& workFolder : {QString(), folder.FilePath("does-not-exist")}) {
        const QString report = folder.FilePath("report-" + QString::number(workFolder.size()));
        const QString script = WriteReportingScript(folder, "tool.sh", report);
        ASSERT_TRUE(launcher->Launch(script, {}, workFolder, AppLauncher::ShowNormal));
        EXPECT_EQ(WaitForReport(report), QStringList{QDir::currentPath()});
    }
}

TEST_F(ScheduleLauncherTest, RefusesWhatCannotBeStarted) {
    const QString report = folder.FilePath("report.txt");
    const QString script = WriteReportingScript(folder, "tool.sh", report);
    EXPECT_FALSE(launcher->Launch(folder.FilePath("missing.sh"), {}, {}, AppLauncher::ShowNormal));
    EXPECT_FALSE(launcher->Launch(folder.Path(), {}, {}, AppLauncher::ShowNormal));
    EXPECT_FALSE(launcher->Launch(QString(), {}, {}, AppLauncher::ShowNormal));
    EXPECT_FALSE(launcher->Launch(script, {}, {}, 3));
    EXPECT_FALSE(launcher->Launch(script, {}, {}, -1));
    EXPECT_FALSE(QFile::exists(report));
}

TEST_F(ScheduleLauncherTest, ScriptWithoutInterpreterLineIsARefusedStart) {
    const QString broken = folder.Write("broken.sh", "echo not started\n");
    QFile::setPermissions(broken, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(launcher->Launch(broken, {}, {}, AppLauncher::ShowNormal));
}

// Programs run and documents open, whatever the execute bit says of a document: on a FAT
// or NTFS mount every file has it. The clock's own working folder is never changed, so its
// relative picture path still finds the picture after a start in another folder.
TEST_F(ScheduleLauncherTest, RunOrOpenFollowsTheFilesType) {
    const QString opened = UseStandInOpener();
    const QString work = folder.FilePath("work");
    QDir().mkpath(work);
    const QString startedIn = QDir::currentPath();

    enum Outcome { Runs, Opens };
    struct Case {
        const char* name;
        QByteArray contents;
        bool executable;
        QString folder; // the schedule's APL_Dir
        Outcome outcome;
    };
    const QByteArray pdf = "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\ntrailer\n%%EOF\n";
    const Case cases[] = {
        {"manual.pdf", pdf, true, QString(), Opens},
        {"notes.txt", "shopping list\n", true, QString(), Opens},
        {"photo.jpg", QByteArray("\xFF\xD8\xFF\xE0", 4), true, work, Opens},
        {"tool.sh", QByteArray(), true, work, Runs},
        {"tool-without-extension", QByteArray(), true, QString(), Runs},
        {"script-not-marked.sh", QByteArray(), false, QString(), Opens},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(opened);
        const QString ran = folder.FilePath(QStringLiteral("ran-%1.txt").arg(c.name));
        const QString file = c.contents.isEmpty() ? WriteReportingScript(folder, c.name, ran)
                                                  : folder.Write(c.name, c.contents);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner |
                                        (c.executable ? QFile::ExeOwner : QFile::Permissions()));
        // Relative to the schedule's folder when it names one.
        const QString named = c.folder.isEmpty() ? file : QDir(c.folder).relativeFilePath(file);

        ASSERT_TRUE(launcher->Launch(named, {}, c.folder, AppLauncher::ShowNormal));
        if (c.outcome == Runs) {
            EXPECT_EQ(WaitForReport(ran).value(0), c.folder.isEmpty() ? startedIn : c.folder);
            EXPECT_FALSE(QFile::exists(opened));
        } else {
            EXPECT_EQ(WaitForReport(opened).value(1), file);
            EXPECT_FALSE(QFile::exists(ran));
        }
        EXPECT_EQ(QDir::currentPath(), startedIn);
    }
}

TEST_F(ScheduleLauncherTest, DocumentsGoToTheDesktopOpener) {
    const QString report = UseStandInOpener();
    const QString document = folder.Write("notes; rm -rf x.txt", "text\n");

    EXPECT_TRUE(launcher->Open(document));
    EXPECT_EQ(WaitForReport(report), QStringList({QDir::currentPath(), document}));

    // An opener that finds no application for the document says so by its exit status.
    const QString refusing = folder.Write("bin/xdg-open", "#!/bin/sh\nexit 3\n");
    QFile::setPermissions(refusing, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(launcher->Open(document));
}

} // namespace
