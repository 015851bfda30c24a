// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/app_launcher.h"
#include "platform/sound_player.h"
#include "report_file.h"
#include "schedule/schedule_checker.h"
#include "temp_dir.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>

namespace {

class CountingHost : public AlarmHost {
public:
    std::uint32_t OpenWindowMask() const override { return 0; }
    void OpenAlarmWindow() override { ++opened; }
    void CollectIntoOpenAlarmWindow() override { ++collected; }
    int opened = 0;
    int collected = 0;
};

// Entries with every stored number at an extreme, and a count beyond the table: the check
// visits only real slots and ends.
TEST(RobustnessSchedule, StoredNumbersAtTheirExtremesAreCheckedSafely) {
    const int extremes[] = {INT_MIN, -1, 0, 13, 32, 60, INT_MAX};
    for (int count : {INT_MIN, -1, 0, 20, 21, INT_MAX}) {
        for (int value : extremes) {
            ScheduleTable table;
            table.entryCount = count;
            for (ScheduleEntry& entry : table.entries) {
                entry.Attribute = value | ScheduleEnabled;
                entry.Check_Patt = value;
                entry.Year = entry.Month = entry.Day = entry.Week = value;
                entry.Hour = entry.Min = entry.APL_Type = value;
            }
            CountingHost host;
            ScheduleChecker checker(table, host);
            checker.CheckSchedules(2024, 5, 17, 12, 30);
            checker.CheckSchedules(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
            ClockTime today;
            checker.HasScheduleToday(today);
            EXPECT_LE(host.opened, 2 * ScheduleTable::Capacity) << count << " " << value;
            if (count <= 0) {
                EXPECT_EQ(host.opened, 0) << count << " " << value;
            }
        }
    }
}

QString WriteRecordingScript(const TestFolder& folder, const QString& name, const QString& report) {
    const QString script = folder.Write(
        name, QStringLiteral("#!/bin/sh\n"
                             "{ printf '%s\\n' \"$0\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; "
                             "done; } > '%1.partial'\nmv '%1.partial' '%1'\n")
                  .arg(report)
                  .toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

// The program file itself (APL_File, the mail program) with characters a shell would act on:
// it is started as named, and nothing in its name runs.
TEST(RobustnessLaunch, HostileProgramNamesAreStartedAsWritten) {
    const QString names[] = {
        "two words.sh",      "quote'single.sh",  "quote\"double.sh", "semi;colon.sh",
        "$(touch pwned).sh", "`touch pwned`.sh", "-leading-dash.sh", "amp&pipe|.sh",
    };
    TestFolder folder;
    std::unique_ptr<AppLauncher> launcher = CreateSystemAppLauncher();
    int n = 0;
    for (const QString& name : names) {
        const QString report = folder.FilePath(QStringLiteral("report%1.txt").arg(n++));
        const QString script = WriteRecordingScript(folder, name, report);
        ASSERT_TRUE(
            launcher->Launch(script, QStringLiteral("-x"), folder.Path(), AppLauncher::ShowNormal))
            << name.toStdString();
        EXPECT_EQ(WaitForReport(report), QStringList({script, "-x"})) << name.toStdString();
    }
    EXPECT_FALSE(QFile::exists(folder.FilePath("pwned")));
    EXPECT_FALSE(QFile::exists(QDir::current().filePath("pwned")));
}

TEST(RobustnessLaunch, ADocumentWithALeadingDashReachesTheOpenerAsAPath) {
    TestFolder folder;
    const QString bin = folder.FilePath("bin");
    QDir().mkpath(bin);
    const QString report = folder.FilePath("opened.txt");
    WriteRecordingScript(folder, "bin/xdg-open", report);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ":" + path);
    const QString document = folder.Write("--help $(id).txt", "text\n");
    const QString relative = QDir::current().relativeFilePath(document);

    EXPECT_TRUE(CreateSystemAppLauncher()->Open(relative));
    const QStringList arguments = WaitForReport(report);
    qputenv("PATH", path);
    ASSERT_EQ(arguments.size(), 2);
    EXPECT_EQ(arguments[1], document); // absolute, so the opener cannot take it as an option
}

TEST(RobustnessSound, MissingAndNonWaveFilesPlayNothingAndDoNotFail) {
    TestFolder folder;
    const QString files[] = {
        folder.FilePath("missing.wav"),
        folder.Write("empty.wav", {}),
        folder.Write("text.wav", "this is not a wave file\n"),
        folder.Write("riff.wav",
                     QByteArray("RIFF\xff\xff\xff\x7fWAVEfmt ", 16) + QByteArray(64, '\xff')),
        folder.Path(),
        QString(),
    };
    std::unique_ptr<SoundPlayer> player = CreateSystemSoundPlayer();
    for (const QString& file : files) {
        player->PlayAsync(file);
        QTest::qWait(20); // let the player's asynchronous load fail
    }
    EXPECT_FALSE(IsPlayableSoundFile(files[0]));
    EXPECT_FALSE(IsPlayableSoundFile(files[1]));
    EXPECT_FALSE(IsPlayableSoundFile(files[4]));
}

} // namespace
