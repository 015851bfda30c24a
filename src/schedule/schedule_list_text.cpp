// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/schedule_list_text.h"

namespace {

QString PatternPart(const ScheduleEntry& entry) {
    const int attribute = entry.Attribute;
    if (attribute & ScheduleYearly) {
        return QStringLiteral("毎年%1月%2日").arg(entry.Month).arg(entry.Day);
    }
    if (attribute & ScheduleMonthly) {
        return QStringLiteral("毎月%1日").arg(entry.Day);
    }
    if (attribute & ScheduleWeekly) {
        return QStringLiteral("毎週%1曜日").arg(ShortWeekdayName(entry.Week));
    }
    if (attribute & ScheduleDaily) {
        return QStringLiteral("毎日");
    }
    if (attribute & ScheduleOneOff) {
        // Without its date a one-off line could not be told from a daily one.
        return QStringLiteral("%1/%2/%3 ").arg(entry.Year).arg(entry.Month).arg(entry.Day);
    }
    return {};
}

} // namespace

QString ShortWeekdayName(int dayOfWeek) {
    static const QString names[] = {
        QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"),
        QStringLiteral("木"), QStringLiteral("金"), QStringLiteral("土")};
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? names[dayOfWeek - 1] : QString();
}

QString ScheduleListText(const ScheduleEntry& entry) {
    QString text = PatternPart(entry);
    if (entry.Attribute & ScheduleTimeSpecified) {
        text += QStringLiteral("%1:%2").arg(entry.Hour).arg(entry.Min);
    } else {
        text += QStringLiteral("起動時");
    }
    if (entry.Attribute & ScheduleMessage) {
        text += QStringLiteral("「") + entry.Message + QStringLiteral("」 ");
    }
    if (entry.Attribute & ScheduleSound) {
        text += QStringLiteral("サウンド有り");
    }
    if (entry.Attribute & ScheduleApplication) {
        text += QStringLiteral("「") + entry.APL_Name + QStringLiteral("」実行");
    }
    return text;
}
