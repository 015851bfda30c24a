// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/hand_geometry.h"

#include <cmath>
#include <numbers>

float DegreesToRadians(double degrees) {
    return float(degrees * (1.0 / 180.0) * std::numbers::pi);
}

HandAngles HandAnglesAt(const ClockTime& time) {
    HandAngles angles;
    angles.hour = DegreesToRadians((time.hour % 12) * 30 + time.minute * 0.5);
    angles.minute = DegreesToRadians(time.minute * 6 + time.second * 0.1);
    angles.second = DegreesToRadians(time.second * 6);
    return angles;
}

namespace {

QPoint Rotate(QPoint point, QPoint centre, double cosine, double sine) {
    const double dx = point.x() - centre.x();
    const double dy = point.y() - centre.y();
    const double x = centre.x() + dx * cosine - dy * sine;
    const double y = centre.y() + dx * sine + dy * cosine;
    return QPoint(int(std::trunc(x)), int(std::trunc(y)));
}

} // namespace

QPoint RotatePoint(QPoint point, QPoint centre, float angle) {
    // The sine and cosine of the single-precision angle are taken in double precision, so a
    // hand at 180 degrees lands where the float angle really points (a hair past the half).
    return Rotate(point, centre, std::cos(double(angle)), std::sin(double(angle)));
}

QPoint PointOnRadius(QPoint centre, int radius, float angle) {
    return RotatePoint(QPoint(centre.x(), centre.y() - radius), centre, angle);
}

std::array<QPoint, 5> HandGeometry(HandKind kind, int length, QPoint centre, float angle) {
    const double halfWidth = (kind == HandKind::Second ? 0.02 : 0.05) * length;
    const int tail = int(std::floor(0.1 * length));
    const int tip = int(std::floor(0.9 * length));
    const int right = int(std::ceil(halfWidth));
    const int left = int(std::floor(halfWidth));
    const int cx = centre.x();
    const int cy = centre.y();
    // One sine and cosine for the five corners, the very values RotatePoint takes.
    const double cosine = std::cos(double(angle));
    const double sine = std::sin(double(angle));
    const QPoint tailPoint = Rotate(QPoint(cx, cy + tail), centre, cosine, sine);
    return {tailPoint, Rotate(QPoint(cx + right, cy), centre, cosine, sine),
            Rotate(QPoint(cx, cy - tip), centre, cosine, sine),
            Rotate(QPoint(cx - left, cy), centre, cosine, sine), tailPoint};
}
