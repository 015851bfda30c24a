// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"

#include <QString>

// The time and date texts of the font style.
//
// A format picture is read left to right: quoted text is copied, d m yyyy yy g gg ee aaa h nn
// ss and AM/PM are replaced by their values, any other character is copied.
QString FormatPicture(const QString& picture, const ClockTime& time);

constexpr int TimeFormatCount = 5;
constexpr int DateFormatCount = 14;

// The picture of a time format index; any other index gives format 0.
QString TimeFormatPicture(int index);
QString FormatTimeText(int index, const ClockTime& time);
// Formats 12 and 13 use English abbreviations; any other index gives format 0.
QString FormatDateText(int index, const ClockTime& time);
