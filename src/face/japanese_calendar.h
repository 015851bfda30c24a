// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

struct JapaneseEra {
    QString name; // full era name, for example 平成
    int year = 0; // year within the era, 1 for its first year
};

// Era names and years, and the Japanese short weekday names, from ICU's Japanese calendar.
// The ICU objects are made once and reused, since the face may format a date every tick.
class JapaneseCalendar {
public:
    static JapaneseEra EraOf(int year, int month, int day);
    // 日 月 火 水 木 金 土 for 1 Sunday .. 7 Saturday; empty outside that range.
    static QString ShortWeekday(int dayOfWeek);
};
