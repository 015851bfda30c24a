// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/alarm_form.h"
#include "dialogs/sche_form.h"
#include "fake_choosers.h"
#include "fake_prompt.h"
#include "schedule_fakes.h"

#include <QDir>
#include <QFont>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

void KeepForLooking(const QPixmap& picture, const QString& name) {
    const QString lookFolder = qEnvironmentVariable("ZORBEL_LOOK_DIR");
    if (!lookFolder.isEmpty()) {
        QDir().mkpath(lookFolder);
        picture.save(QDir(lookFolder).filePath(name));
    }
}

// Renders the schedule dialog as the user sees it. With ZORBEL_LOOK_DIR set the picture is
// kept there as schedule_dialog.png for a person to look at.
TEST(ScheduleLook, ScheduleDialogRendersAtItsClientSize) {
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    ScheduleTable table;
    CountingSaver saver;
    FakePrompt prompt;
    RecordingHelp help;
    FakeChoosers choosers;
    TScheForm form(table, saver, prompt, help, choosers,
                   [] { return QDateTime(QDate(2002, 12, 6), QTime(7, 5)); });
    form.show();
    const QPixmap picture = form.grab();
    EXPECT_EQ(picture.size(), QSize(624, 445));

    // Every control lies inside the client area and no two siblings overlap.
    const QList<QWidget*> children = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->isWindow()) {
            EXPECT_TRUE(form.rect().contains(child->geometry()))
                << child->objectName().toStdString();
        }
    }
    for (QWidget* parent : form.findChildren<QWidget*>()) {
        const QList<QWidget*> siblings = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < siblings.size(); ++i) {
            for (int j = i + 1; j < siblings.size(); ++j) {
                if (siblings[i]->isWindow() || siblings[j]->isWindow() || siblings[i]->isHidden() ||
                    siblings[j]->isHidden()) {
                    continue;
                }
                if (parent->inherits("QAbstractScrollArea") ||
                    parent->inherits("QAbstractSpinBox") || parent->inherits("QComboBox")) {
                    continue; // their inner parts are laid out by Qt
                }
                EXPECT_FALSE(siblings[i]->geometry().intersects(siblings[j]->geometry()))
                    << siblings[i]->objectName().toStdString() << " / "
                    << siblings[j]->objectName().toStdString();
            }
        }
    }
    KeepForLooking(picture, QStringLiteral("schedule_dialog.png"));
}

TEST(ScheduleLook, AlarmWindowRendersAtItsClientSize) {
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    ScheduleTable table;
    for (const char16_t* message : {u"会議の時間です", u"薬を飲む"}) {
        ScheduleEntry entry = StoredEntry(ScheduleDaily | ScheduleMessage | ScheduleApplication,
                                          2002, 12, 6, 6, 7, 5);
        entry.Message = QString::fromUtf16(message);
        entry.APL_Name = QStringLiteral("メーラー");
        entry.fireState = FireState::Due;
        Append(table, entry);
    }
    const ClockTime tick = ClockTime::FromDateTime(QDateTime(QDate(2002, 12, 6), QTime(7, 5)));
    RecordingSound sound;
    RecordingLauncher launcher;
    TAlarmForm form(table, tick, sound, launcher);
    form.show();
    const QPixmap picture = form.grab();
    EXPECT_EQ(picture.size(), QSize(448, 235));
    KeepForLooking(picture, QStringLiteral("alarm_window.png"));
}

} // namespace
