// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/alarm_form.h"

#include "ui_alarm_form.h"

TAlarmForm::TAlarmForm(ScheduleTable& table, const ClockTime& lastTick, SoundPlayer& sound,
                       AppLauncher& launcher, QWidget* parent)
    : NoticeWindow(Stacking::StaysOnTop, parent), ui_(std::make_unique<Ui::AlarmForm>()),
      collector_(table, lastTick, sound, launcher) {
    ui_->setupUi(this);
    AttachControls(ui_->MM_Message, ui_->Image1, ui_->AlarmClose);
    CollectDueAlarms();
}

TAlarmForm::~TAlarmForm() = default;

void TAlarmForm::CollectDueAlarms() {
    for (const QString& line : collector_.CollectDueAlarms()) {
        AppendLine(line);
    }
}
