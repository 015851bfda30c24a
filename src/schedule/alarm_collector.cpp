// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/alarm_collector.h"

#include <algorithm>

QStringList AlarmCollector::CollectDueAlarms() {
    QStringList lines;
    for (int i = 0; i < std::min(table_.entryCount, ScheduleTable::Capacity); ++i) {
        const ScheduleEntry& entry = table_.entries[i];
        if ((entry.Attribute & ScheduleEnabled) && entry.fireState == FireState::Due) {
            lines.append(NotifyEntry(i));
        }
    }
    return lines;
}

int AlarmCollector::LaunchApplication(int slot) {
    const ScheduleEntry& entry = table_.entries[slot];
    return launcher_.Launch(entry.APL_File, entry.APL_Opt, entry.APL_Dir, entry.APL_Type) ? 0 : -1;
}

QString AlarmCollector::TimeStamp() const {
    return QStringLiteral("%1/%2/%3 %4:%5 ")
        .arg(lastTick_.year)
        .arg(lastTick_.month)
        .arg(lastTick_.day)
        .arg(lastTick_.hour)
        .arg(lastTick_.minute);
}

QString AlarmCollector::NotifyEntry(int slot) {
    ScheduleEntry& entry = table_.entries[slot];
    const bool startsApplication = entry.Attribute & ScheduleApplication;
    const int launched = startsApplication ? LaunchApplication(slot) : 0;

    QString line = TimeStamp();
    if (entry.Attribute & ScheduleMessage) {
        // Messages brought from the registry keep Windows line breaks.
        QString message = entry.Message;
        message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        line += message + QStringLiteral(" ");
    }
    if (startsApplication) {
        line += entry.APL_Name + (launched == 0 ? QStringLiteral("を実行しました")
                                                : QStringLiteral("を実行できませんでした"));
    }
    if (entry.Attribute & ScheduleSound) {
        sound_.PlayAsync(entry.SoundFile);
    }
    entry.fireState = FireState::Notified;
    return line;
}
