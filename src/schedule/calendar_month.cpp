// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/calendar_month.h"

#include "core/clock_time.h"
#include "schedule/schedule_list_text.h"

#include <algorithm>

CalendarMonth::CalendarMonth(int year, int month, int day) {
    Show(year, month, day);
}

bool CalendarMonth::IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int CalendarMonth::DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

int CalendarMonth::WrapYear(int year) {
    if (year < FirstYear) {
        return LastYear;
    }
    if (year > LastYear) {
        return FirstYear;
    }
    return year;
}

void CalendarMonth::Show(int year, int month, int day) {
    year_ = WrapYear(year);
    month_ = std::clamp(month, 1, 12);
    selectedDay_ = day < 1 ? 0 : std::min(day, DaysInMonth(year_, month_));
}

void CalendarMonth::MoveYears(int delta) {
    int year = year_;
    for (int step = 0; step < std::abs(delta); ++step) {
        year = WrapYear(year + (delta > 0 ? 1 : -1));
    }
    Show(year, month_, selectedDay_);
}

void CalendarMonth::MoveMonths(int delta) {
    const int months = year_ * 12 + (month_ - 1) + delta;
    const int yearsMoved = months / 12 - year_;
    const int month = months % 12 + 1;
    int year = year_;
    for (int step = 0; step < std::abs(yearsMoved); ++step) {
        year = WrapYear(year + (yearsMoved > 0 ? 1 : -1));
    }
    Show(year, month, selectedDay_);
}

bool CalendarMonth::SelectDay(int day) {
    if (day < 1 || day > DaysInMonth(year_, month_)) {
        return false;
    }
    selectedDay_ = day;
    return true;
}

int CalendarMonth::FirstColumn() const {
    return DayOfWeek(year_, month_, 1) - 1;
}

QString CalendarMonth::CellText(int row, int column) const {
    if (row == 0) {
        return ShortWeekdayName(column + 1);
    }
    const int day = (row - 1) * Columns + column - FirstColumn() + 1;
    if (day < 1 || day > DaysInMonth(year_, month_)) {
        return QStringLiteral("*");
    }
    return QString::number(day);
}

bool CalendarMonth::CellOfDay(int day, int& row, int& column) const {
    if (day < 1 || day > DaysInMonth(year_, month_)) {
        return false;
    }
    const int cell = FirstColumn() + day - 1;
    row = cell / Columns + 1;
    column = cell % Columns;
    return true;
}

int CalendarMonth::SelectedDayOfWeek() const {
    return selectedDay_ == 0 ? 0 : DayOfWeek(year_, month_, selectedDay_);
}
