// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/alarm_form.h"
#include "schedule_fakes.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ScheduleAlarmWindowTest : public ::testing::Test {
protected:
    ScheduleAlarmWindowTest() {
        tick = ClockTime::FromDateTime(QDateTime(QDate(2002, 12, 6), QTime(7, 5)));
    }

    void AddDue(const QString& message, const QString& soundFile = {}) {
        ScheduleEntry entry =
            StoredEntry(ScheduleDaily | ScheduleMessage | ScheduleSound, 2002, 12, 6, 6, 7, 5);
        entry.Message = message;
        entry.SoundFile = soundFile;
        entry.fireState = FireState::Due;
        Append(table, entry);
    }

    QString Shown(const TAlarmForm& form) const {
        return form.findChild<QPlainTextEdit*>("MM_Message")->toPlainText();
    }

    ScheduleTable table;
    ClockTime tick;
    RecordingSound sound;
    RecordingLauncher launcher;
};

TEST_F(ScheduleAlarmWindowTest, WindowLooksAsSpecifiedAndCollectsAtCreation) {
    AddDue(QStringLiteral("会議"), QStringLiteral("/s/a.wav"));
    AddDue(QStringLiteral("電話"), QStringLiteral("/s/b.wav"));
    TAlarmForm form(table, tick, sound, launcher);

    EXPECT_EQ(form.windowTitle(), QStringLiteral("お知らせ By Zorbel"));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.size(), QSize(448, 235));
    EXPECT_EQ(form.findChild<QWidget*>("PNL_Top")->height(), 38);
    EXPECT_EQ(form.findChild<QWidget*>("MM_Message")->height(), 163);
    EXPECT_EQ(form.findChild<QPushButton*>("AlarmClose")->text(), QStringLiteral("確認"));
    EXPECT_TRUE(form.findChild<QPlainTextEdit*>("MM_Message")->isReadOnly());
    EXPECT_EQ(Shown(form), QStringLiteral("2002/12/6 7:5 会議 \n2002/12/6 7:5 電話 "));
    EXPECT_EQ(sound.played, QStringList({"/s/a.wav", "/s/b.wav"}));
    EXPECT_EQ(table.entries[1].fireState, FireState::Notified);
}

TEST_F(ScheduleAlarmWindowTest, FurtherDueEntriesAreAppended) {
    AddDue(QStringLiteral("一"));
    TAlarmForm form(table, tick, sound, launcher);
    AddDue(QStringLiteral("二"));
    tick.minute = 6;
    form.CollectDueAlarms();
    form.CollectDueAlarms(); // nothing new: nothing added
    EXPECT_EQ(Shown(form), QStringLiteral("2002/12/6 7:5 一 \n2002/12/6 7:6 二 "));
}

TEST_F(ScheduleAlarmWindowTest, ConfirmEscapeAndCloseBoxAllFinishTheWindow) {
    for (int way = 0; way < 3; ++way) {
        TAlarmForm form(table, tick, sound, launcher);
        form.show();
        QSignalSpy finished(&form, &QDialog::finished);
        if (way == 0) {
            QTest::mouseClick(form.findChild<QPushButton*>("AlarmClose"), Qt::LeftButton);
        } else if (way == 1) {
            QTest::keyClick(&form, Qt::Key_Escape);
        } else {
            form.close();
        }
        EXPECT_EQ(finished.count(), 1) << way;
        EXPECT_FALSE(form.isVisible()) << way;
    }
}

} // namespace
