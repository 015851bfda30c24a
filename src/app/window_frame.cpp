// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_frame.h"

#include <algorithm>

Qt::Edges FrameEdgesAt(QPoint local, QSize outer) {
    const int x = local.x();
    const int y = local.y();
    const int width = outer.width();
    const int height = outer.height();
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return {};
    }
    const bool left = x < FrameThickness;
    const bool right = x >= width - FrameThickness;
    const bool top = y < FrameThickness;
    const bool bottom = y >= height - FrameThickness;
    if (!(left || right || top || bottom)) {
        return {};
    }
    const bool nearLeft = x < FrameCornerReach;
    const bool nearRight = x >= width - FrameCornerReach;
    const bool nearTop = y < FrameCornerReach;
    const bool nearBottom = y >= height - FrameCornerReach;
    Qt::Edges edges;
    if ((nearLeft || nearRight) && (nearTop || nearBottom)) {
        // A corner: both of its edges, however it was reached.
        edges |= nearLeft ? Qt::LeftEdge : Qt::RightEdge;
        edges |= nearTop ? Qt::TopEdge : Qt::BottomEdge;
        return edges;
    }
    if (left) {
        edges |= Qt::LeftEdge;
    }
    if (right) {
        edges |= Qt::RightEdge;
    }
    if (top) {
        edges |= Qt::TopEdge;
    }
    if (bottom) {
        edges |= Qt::BottomEdge;
    }
    return edges;
}

QRect ResizedFrameGeometry(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum,
                           QSize maximum) {
    int left = start.left();
    int top = start.top();
    int right = start.left() + start.width();
    int bottom = start.top() + start.height();
    if (edges & Qt::LeftEdge) {
        left = std::clamp(left + delta.x(), right - maximum.width(), right - minimum.width());
    }
    if (edges & Qt::RightEdge) {
        right = std::clamp(right + delta.x(), left + minimum.width(), left + maximum.width());
    }
    if (edges & Qt::TopEdge) {
        top = std::clamp(top + delta.y(), bottom - maximum.height(), bottom - minimum.height());
    }
    if (edges & Qt::BottomEdge) {
        bottom = std::clamp(bottom + delta.y(), top + minimum.height(), top + maximum.height());
    }
    return QRect(left, top, right - left, bottom - top);
}
