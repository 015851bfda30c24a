// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/device_scale.h"

#include <cmath>

DeviceScale::DeviceScale(qreal ratio) : ratio_(std::isfinite(ratio) && ratio > 0 ? ratio : 1) {}

bool DeviceScale::IsWhole() const {
    return ratio_ == std::round(ratio_);
}

int DeviceScale::Edge(int logical) const {
    if (IsIdentity()) {
        return logical;
    }
    return int(std::floor(logical * ratio_ + 0.5));
}

QSize DeviceScale::Size(QSize logical) const {
    return QSize(Edge(logical.width()), Edge(logical.height()));
}

QRect DeviceScale::Rect(const QRect& logical) const {
    if (logical.isEmpty()) {
        return QRect();
    }
    return QRect(QPoint(Edge(logical.left()), Edge(logical.top())),
                 QPoint(Edge(logical.right() + 1) - 1, Edge(logical.bottom() + 1) - 1));
}

QRect DeviceScale::LogicalCover(const QRect& device) const {
    if (IsIdentity() || device.isEmpty()) {
        return device;
    }
    const int margin = IsWhole() ? 0 : 1;
    const int left = int(std::floor(device.left() / ratio_)) - margin;
    const int top = int(std::floor(device.top() / ratio_)) - margin;
    const int right = int(std::ceil((device.right() + 1) / ratio_)) + margin;
    const int bottom = int(std::ceil((device.bottom() + 1) / ratio_)) + margin;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRegion DeviceScale::LogicalCover(const QRegion& device) const {
    if (IsIdentity()) {
        return device;
    }
    QRegion cover;
    for (const QRect& rect : device) {
        cover += LogicalCover(rect);
    }
    return cover;
}
