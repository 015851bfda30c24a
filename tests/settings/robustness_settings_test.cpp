// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_prompt.h"
#include "platform/registry_export_reader.h"
#include "platform/registry_file.h"
#include "save_child_records.h"
#include "settings/settings_store.h"
#include "temp_dir.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

constexpr int kSavesPerRun = 200;

bool StartChild(QProcess& child, const QString& path) {
    child.start(QStringLiteral(SETTINGS_SAVE_CHILD), {path, QString::number(kSavesPerRun)});
    return child.waitForStarted(10000) && child.waitForReadyRead(10000);
}

// Kills a child in the middle of 200 back-to-back saves, again and again, at random moments:
// the file left behind always parses, holds one of the two complete record sets, and is
// readable by its owner alone.
TEST(RobustnessSettingsSave, AKilledSaveLeavesTheOldOrTheNewSettings) {
    TestFolder folder;
    const QString path = folder.FilePath("zorbel/zrbl.reg");

    // One uninterrupted run tells how long the 200 saves take on this machine, counted from
    // the child's first line (it has started saving) to its end.
    QElapsedTimer clock;
    QProcess child;
    ASSERT_TRUE(StartChild(child, path));
    clock.start();
    ASSERT_TRUE(child.waitForFinished(60000));
    const qint64 runMilliseconds = std::max<qint64>(clock.elapsed(), 2);

    int killed = 0;
    int seen[2] = {0, 0};
    QElapsedTimer budget;
    budget.start();
    // Rounds go on until enough saves were interrupted: on a loaded machine a child may finish
    // before its kill, and such a round proves little.
    for (int round = 0; killed < 12 && round < 200 && budget.elapsed() < 90000; ++round) {
        QProcess victim;
        ASSERT_TRUE(StartChild(victim, path));
        QThread::usleep(QRandomGenerator::global()->bounded(quint32(runMilliseconds * 1000)));
        victim.kill(); // SIGKILL
        victim.waitForFinished(10000);
        killed += victim.exitStatus() == QProcess::CrashExit ? 1 : 0;

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "round " << round;
        const RegistryExportReader::Result parsed = RegistryExportReader::Read(file.readAll());
        ASSERT_EQ(parsed.outcome, RegistryExportReader::Outcome::Parsed) << "round " << round;
        EXPECT_TRUE(parsed.notes.empty()) << "round " << round;

        SettingsRecords records;
        RegistryFile registry(path);
        FakePrompt prompt;
        SettingsStore(records, registry, prompt, {QSize(1920, 1080), QStringLiteral("/tmp")})
            .LoadSettings();
        const int which = WhichSaveChildRecords(records);
        ASSERT_NE(which, -1) << "round " << round;
        ++seen[which];

        struct stat status {};
        ASSERT_EQ(stat(path.toLocal8Bit().constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0600u) << "round " << round;
    }
    EXPECT_GE(killed, 10) << "too few saves were interrupted to mean anything";
    EXPECT_GT(seen[0] + seen[1], 0);
}

} // namespace
