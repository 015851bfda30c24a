// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_shape.h"

#include <QPainterPath>
#include <QPolygon>

std::optional<QRegion> WindowShapeRegion(WindowShape shape, QSize outerSize, int frame,
                                         int roundSize) {
    const QRect inner(QPoint(frame, frame),
                      QPoint(outerSize.width() - frame - 1, outerSize.height() - frame - 1));
    switch (shape) {
    case WindowShape::Rectangle:
        // The largest size the window can take, so a later resize needs no new region.
        return QRegion(0, 0, 640, 480).united(QRegion(QRect(QPoint(0, 0), outerSize)));
    case WindowShape::Ellipse:
        return QRegion(inner, QRegion::Ellipse);
    case WindowShape::RoundedRectangle: {
        const qreal corner = qBound(0, roundSize, 1000) * 10.0;
        QPainterPath path;
        path.addRoundedRect(QRectF(inner).adjusted(0, 0, 1, 1), corner / 2, corner / 2);
        return QRegion(path.toFillPolygon().toPolygon());
    }
    }
    return std::nullopt;
}
