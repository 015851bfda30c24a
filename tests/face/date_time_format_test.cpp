// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/date_time_format.h"
#include "face/japanese_calendar.h"

#include <gtest/gtest.h>

namespace {

ClockTime Make(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    ClockTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    time.dayOfWeek = DayOfWeek(year, month, day);
    return time;
}

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

} // namespace

TEST(FaceTimeFormats, EveryFormatAtTheSampleInstant) {
    const ClockTime sample = Make(2001, 8, 24, 15, 45, 25);
    const QString expected[TimeFormatCount] = {"15:45", "3:45 PM", "15:45.25", U(u"15時45分"),
                                               U(u"15時45分25秒")};
    for (int index = 0; index < TimeFormatCount; ++index) {
        EXPECT_EQ(FormatTimeText(index, sample), expected[index]) << index;
    }
    EXPECT_EQ(FormatTimeText(5, sample), "15:45") << "out of range falls back to format 0";
    EXPECT_EQ(FormatTimeText(-1, sample), "15:45");
}

TEST(FaceTimeFormats, TwelveHourClockAroundMidnightAndNoon) {
    struct Case {
        int hour, minute;
        const char* expected;
    };
    const Case cases[] = {{0, 5, "12:05 AM"},
                          {12, 30, "12:30 PM"},
                          {11, 59, "11:59 AM"},
                          {13, 0, "1:00 PM"},
                          {23, 1, "11:01 PM"}};
    for (const Case& c : cases) {
        EXPECT_EQ(FormatTimeText(1, Make(2001, 1, 1, c.hour, c.minute)), c.expected);
    }
    EXPECT_EQ(FormatTimeText(0, Make(2001, 1, 1, 0, 5)), "0:05") << "24-hour without AM/PM";
}

TEST(FaceDateFormats, EveryFormatAtTheSampleDate) {
    const ClockTime friday = Make(2001, 8, 24, 15, 45, 25);
    const char16_t* const expected[DateFormatCount] = {
        u"平13.8.24",     u"平13.8.24(金)",     u"平成13年8月24日", u"平成13年8月24日(金)",
        u"2001年8月24日", u"2001年8月24日(金)", u"01年8月24日",     u"01年8月24日(金)",
        u"2001/8/24",     u"2001/8/24/(金)",    u"01/8/24",         u"01/8/24/(金)",
        u"24-Aug-2001",   u"24-Aug-2001(Fri)",
    };
    for (int index = 0; index < DateFormatCount; ++index) {
        EXPECT_EQ(FormatDateText(index, friday), U(expected[index])) << index;
    }
    EXPECT_EQ(FormatDateText(14, friday), U(u"平13.8.24")) << "falls back to gee.m.d";
    EXPECT_EQ(FormatDateText(-3, friday), U(u"平13.8.24"));
}

TEST(FaceDateFormats, EnglishAbbreviations) {
    EXPECT_EQ(FormatDateText(12, Make(2003, 1, 5)), "5-Jan-2003");
    EXPECT_EQ(FormatDateText(13, Make(2003, 1, 5)), "5-Jan-2003(Sun)");
    EXPECT_EQ(FormatDateText(12, Make(2004, 4, 1)), "1-Apl-2004") << "April is Apl";
    EXPECT_EQ(FormatDateText(13, Make(1999, 12, 18)), "18-Dec-1999(Sat)");
    EXPECT_EQ(FormatDateText(12, Make(2010, 9, 9)), "9-Sep-2010");
}

TEST(FaceJapaneseEra, BoundariesAreExact) {
    struct Case {
        int year, month, day;
        const char16_t* era;
        int eraYear;
    };
    const Case cases[] = {
        {1989, 1, 7, u"昭和", 64}, {1989, 1, 8, u"平成", 1},   {2019, 4, 30, u"平成", 31},
        {2019, 5, 1, u"令和", 1},  {1926, 12, 25, u"昭和", 1}, {2024, 2, 29, u"令和", 6},
    };
    for (const Case& c : cases) {
        const JapaneseEra era = JapaneseCalendar::EraOf(c.year, c.month, c.day);
        EXPECT_EQ(era.name, U(c.era)) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(era.year, c.eraYear) << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_EQ(FormatDateText(2, Make(2019, 5, 1)), U(u"令和01年5月1日"));
    EXPECT_EQ(FormatDateText(0, Make(1989, 1, 7)), U(u"昭64.1.7"));
}

TEST(FaceJapaneseEra, ShortWeekdaysSundayFirst) {
    const char16_t* const names[] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
    for (int day = 1; day <= 7; ++day) {
        EXPECT_EQ(JapaneseCalendar::ShortWeekday(day), U(names[day - 1])) << day;
    }
    EXPECT_TRUE(JapaneseCalendar::ShortWeekday(0).isEmpty());
}

TEST(FaceFormatPicture, QuotedTextAndOtherCharacters) {
    const ClockTime time = Make(2005, 3, 4, 6, 7, 8);
    EXPECT_EQ(FormatPicture("'ab''cd'", time), "abcd");
    EXPECT_EQ(FormatPicture("yy.m-d", time), "05.3-4");
    EXPECT_EQ(FormatPicture("'h'h", time), "h6") << "quoted letters are not fields";
    EXPECT_EQ(FormatPicture("nn:ss", time), "07:08");
    EXPECT_EQ(FormatPicture("'unterminated", time), "unterminated");
}
