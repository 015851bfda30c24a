#include "app/window_shape.h"

#include <QPainterPath>
#include <QPolygon>

std::optional<QRegion> WindowShapeRegion(int type, QSize outerSize, int frame, int roundSize) {
    const QRect inner(QPoint(frame, frame),
                      QPoint(outerSize.width() - frame - 1, outerSize.height() - frame - 1));
    switch (type) {
    case 0:
        // The largest size the window can take, so a later resize needs no new region.
        return QRegion(0, 0, 640, 480).united(QRegion(QRect(QPoint(0, 0), outerSize)));
    case 1:
        return QRegion(inner, QRegion::Ellipse);
    case 2: {
        const qreal corner = qBound(0, roundSize, 1000) * 10.0;
        QPainterPath path;
        path.addRoundedRect(QRectF(inner).adjusted(0, 0, 1, 1), corner / 2, corner / 2);
        return QRegion(path.toFillPolygon().toPolygon());
    }
    default:
        return std::nullopt;
    }
}
