#include "dialogs/alarm_form.h"

TAlarmForm::TAlarmForm(ScheduleTable& table, const ClockTime& lastTick, SoundPlayer& sound,
                       AppLauncher& launcher, QWidget* parent)
    : NoticeWindow(QStringLiteral("AlarmForm"),
                   Layout{QSize(448, 235), 163, QStringLiteral("スケジュール通知 by Zorbel"),
                          Stacking::StaysOnTop},
                   parent),
      collector_(table, lastTick, sound, launcher) {
    CollectDueAlarms();
}

void TAlarmForm::CollectDueAlarms() {
    for (const QString& line : collector_.CollectDueAlarms()) {
        AppendLine(line);
    }
}
