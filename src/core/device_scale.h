// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QRegion>
#include <QSize>

// How the logical pixels in which the clock keeps every position and size map onto the device
// pixels of a screen with a device pixel ratio (2 on a screen at 200 %). Each edge goes to the
// nearest device pixel boundary, so two areas that touch in logical pixels touch in device
// pixels too, at any ratio: a part drawn again lines up with the parts kept around it.
class DeviceScale {
public:
    // A ratio that is not a positive number counts as 1.
    explicit DeviceScale(qreal ratio = 1);

    qreal Ratio() const { return ratio_; }
    bool IsIdentity() const { return ratio_ == 1; }
    bool IsWhole() const;

    // The device position of a logical pixel boundary.
    int Edge(int logical) const;
    QSize Size(QSize logical) const;
    QRect Rect(const QRect& logical) const;

    // The logical area whose device pixels hold all of `device`. At a fractional ratio it is
    // one logical pixel larger on every side: Qt rounds a logical rectangle's position and
    // size to device pixels apart, which can leave out a pixel at either end.
    QRect LogicalCover(const QRect& device) const;
    QRegion LogicalCover(const QRegion& device) const;

private:
    qreal ratio_;
};
