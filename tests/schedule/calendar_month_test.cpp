// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/calendar_month.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList Row(const CalendarMonth& calendar, int row) {
    QStringList texts;
    for (int column = 0; column < CalendarMonth::Columns; ++column) {
        texts.append(calendar.CellText(row, column));
    }
    return texts;
}

TEST(ScheduleCalendar, LaysOutTheMonthFromSunday) {
    const CalendarMonth december(2002, 12, 6); // 1 December 2002 was a Sunday
    EXPECT_EQ(Row(december, 0), QStringList({"日", "月", "火", "水", "木", "金", "土"}));
    EXPECT_EQ(Row(december, 1), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Row(december, 5), QStringList({"29", "30", "31", "*", "*", "*", "*"}));
    EXPECT_EQ(Row(december, 6), QStringList({"*", "*", "*", "*", "*", "*", "*"}));

    const CalendarMonth june(2023, 6, 1); // Thursday the 1st
    EXPECT_EQ(Row(june, 1), QStringList({"*", "*", "*", "*", "1", "2", "3"}));
    int row = 0;
    int column = 0;
    ASSERT_TRUE(june.CellOfDay(30, row, column));
    EXPECT_EQ(row, 5);
    EXPECT_EQ(column, 5);
    EXPECT_FALSE(june.CellOfDay(31, row, column));
    EXPECT_EQ(june.SelectedDayOfWeek(), 5);
}

TEST(ScheduleCalendar, FebruaryLengthFollowsTheLeapYearRule) {
    struct LeapCase {
        int year;
        int days;
    };
    for (const LeapCase& leap : {LeapCase{2024, 29}, LeapCase{2023, 28}, LeapCase{1900, 28},
                                 LeapCase{2000, 29}, LeapCase{2100, 28}}) {
        EXPECT_EQ(CalendarMonth::DaysInMonth(leap.year, 2), leap.days) << leap.year;
        const CalendarMonth february(leap.year, 2, 1);
        int row = 0;
        int column = 0;
        EXPECT_EQ(february.CellOfDay(29, row, column), leap.days == 29) << leap.year;
    }
}

TEST(ScheduleCalendar, MovesWrapBetween1900And2100) {
    struct MoveCase {
        int year, month;
        int years, months;
        int expectedYear, expectedMonth;
    };
    const MoveCase cases[] = {
        {1900, 5, -1, 0, 2100, 5},  {2100, 5, 1, 0, 1900, 5},  {2002, 12, 0, 1, 2003, 1},
        {2003, 1, 0, -1, 2002, 12}, {2100, 12, 0, 1, 1900, 1}, {1900, 1, 0, -1, 2100, 12},
        {2002, 6, 1, 0, 2003, 6},
    };
    for (const MoveCase& move : cases) {
        CalendarMonth calendar(move.year, move.month, 1);
        calendar.MoveYears(move.years);
        calendar.MoveMonths(move.months);
        EXPECT_EQ(calendar.Year(), move.expectedYear) << move.year << "/" << move.month;
        EXPECT_EQ(calendar.Month(), move.expectedMonth) << move.year << "/" << move.month;
    }
}

TEST(ScheduleCalendar, MissingDayBecomesTheMonthsLastDay) {
    CalendarMonth calendar(2024, 1, 31);
    calendar.MoveMonths(1);
    EXPECT_EQ(calendar.SelectedDay(), 29);
    calendar.MoveYears(-1);
    EXPECT_EQ(calendar.SelectedDay(), 28);
    calendar.MoveMonths(1);
    EXPECT_EQ(calendar.SelectedDay(), 28); // the number kept, not the old 31
}

TEST(ScheduleCalendar, SelectingADayOutsideTheMonthKeepsTheSelection) {
    CalendarMonth calendar(2023, 4, 10);
    EXPECT_FALSE(calendar.SelectDay(31));
    EXPECT_FALSE(calendar.SelectDay(0));
    EXPECT_EQ(calendar.SelectedDay(), 10);
    EXPECT_TRUE(calendar.SelectDay(30));
    EXPECT_EQ(calendar.SelectedDay(), 30);
}

} // namespace
