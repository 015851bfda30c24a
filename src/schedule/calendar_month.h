// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The month the schedule dialog's calendar shows, with its selected day, laid out as a
// 7 x 7 grid: a row of weekday names, then six weeks starting on Sunday.
class CalendarMonth {
public:
    static constexpr int FirstYear = 1900;
    static constexpr int LastYear = 2100;
    static constexpr int Columns = 7;
    static constexpr int Rows = 7;

    CalendarMonth(int year, int month, int day);

    int Year() const { return year_; }
    int Month() const { return month_; }
    // 0 when no day is selected.
    int SelectedDay() const { return selectedDay_; }

    // Shows a month and selects a day in it; a day the month lacks becomes its last day.
    void Show(int year, int month, int day);
    // Moves by whole years; the years wrap around from 1900 to 2100 and back.
    void MoveYears(int delta);
    // Moves by months, crossing into the neighbouring years.
    void MoveMonths(int delta);
    // Selects a day of the shown month; false, keeping the selection, when it has no such day.
    bool SelectDay(int day);

    // "日" .. "土" in row 0, day numbers in their cells, "*" in every other cell.
    QString CellText(int row, int column) const;
    // The row and column of a day of the shown month; false when it has no such day.
    bool CellOfDay(int day, int& row, int& column) const;
    // Day of week of the selected date, 1 Sunday .. 7 Saturday; 0 without a selection.
    int SelectedDayOfWeek() const;

    static bool IsLeapYear(int year);
    static int DaysInMonth(int year, int month);

private:
    int FirstColumn() const;
    static int WrapYear(int year);

    int year_ = FirstYear;
    int month_ = 1;
    int selectedDay_ = 0;
};
