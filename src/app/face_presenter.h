// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>

class QPainter;
class QWidget;

// Puts the composed face onto the clock window's device pixels, one plain copy per
// rectangle. The face's edges lie on device pixels at a fractional ratio too, so the copy
// goes pixel for pixel onto the client area rather than through a scaled drawing.
class FacePresenter {
public:
    // `frameThickness` logical pixels of frame lie around the face.
    explicit FacePresenter(int frameThickness) : frameThickness_(frameThickness) {}

    // Draws the window's `region` (logical, window coordinates) of `face` with a painter on
    // the window, as its paint event does.
    void Paint(QPainter& painter, const QImage& face, const QRegion& region) const;

    // Copies the window's `region` of `face` straight into the window's backing store and
    // sends it to the display at once. A second of the running clock changes a few small
    // rectangles, and Qt's widget repaint (a posted update request, a paint event, a painter
    // on the store) costs several times the copy. False, and nothing done, where it cannot
    // (the window not shown, or its store not matching the face): then repaint as usual.
    bool PresentNow(QWidget& window, const QImage& face, const QRegion& region) const;

private:
    QPoint DeviceOrigin(const QImage& face) const;
    // The device pixels of the window that show `face` within a logical rectangle of it.
    QRect DeviceTarget(const QRect& logical, const QImage& face) const;

    int frameThickness_;
};
