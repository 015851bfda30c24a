// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"

#include <QPoint>
#include <array>

enum class HandKind { Hour, Minute, Second };

// Angles in radians clockwise from 12 o'clock, held in single precision.
struct HandAngles {
    float hour = 0;
    float minute = 0;
    float second = 0;
};

// Degrees clockwise from 12 o'clock to radians, as degrees × (1/180) × π in single precision.
float DegreesToRadians(double degrees);

// The hour hand follows the minutes, the minute hand the seconds; no sub-second motion.
HandAngles HandAnglesAt(const ClockTime& time);

// Rotates a point about the centre on screen coordinates (y down); truncates toward zero.
QPoint RotatePoint(QPoint point, QPoint centre, float angle);

// A point at the given distance above the centre, rotated by the angle.
QPoint PointOnRadius(QPoint centre, int radius, float angle);

// The five-point closed kite of a hand of the given length, built pointing at 12 o'clock with
// whole-pixel offsets and then rotated: tail, right side, tip, left side, tail.
std::array<QPoint, 5> HandGeometry(HandKind kind, int length, QPoint centre, float angle);
