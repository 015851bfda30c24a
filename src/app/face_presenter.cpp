// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/face_presenter.h"

#include "core/device_scale.h"

#include <QBackingStore>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <cstring>

namespace {

// Qt keeps an opaque window's pixels as premultiplied ARGB, which blends faster; an RGB32
// pixel (0xffRRGGBB) is the same opaque pixel in it, byte for byte.
bool HoldsOpaqueRgb32(const QImage& store) {
    return store.format() == QImage::Format_RGB32 ||
           store.format() == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QPoint FacePresenter::DeviceOrigin(const QImage& face) const {
    const DeviceScale scale(face.devicePixelRatio());
    return {scale.Edge(frameThickness_), scale.Edge(frameThickness_)};
}

QRect FacePresenter::DeviceTarget(const QRect& logical, const QImage& face) const {
    return DeviceScale(face.devicePixelRatio()).Rect(logical) &
           QRect(DeviceOrigin(face), face.size());
}

void FacePresenter::Paint(QPainter& painter, const QImage& face, const QRegion& region) const {
    const DeviceScale scale(face.devicePixelRatio());
    if (!scale.IsIdentity()) {
        painter.setWorldTransform(QTransform::fromScale(1 / scale.Ratio(), 1 / scale.Ratio()));
    }
    const QPoint origin = DeviceOrigin(face);
    // Under a clip of several rectangles the painter would blend the picture span by span and
    // hand tall regions to worker threads, and the wait for them would wake the clock once
    // more each second.
    for (const QRect& rectangle : region) {
        const QRect target = DeviceTarget(rectangle, face);
        if (!target.isEmpty()) {
            painter.setClipRect(target);
            painter.drawImage(target, face, target.translated(-origin));
        }
    }
}

bool FacePresenter::PresentNow(QWidget& window, const QImage& face, const QRegion& region) const {
    QBackingStore* store = window.backingStore();
    QWindow* handle = window.windowHandle();
    if (store == nullptr || handle == nullptr || !window.isVisible() || !handle->isExposed() ||
        store->size() != window.size() || face.devicePixelRatio() != window.devicePixelRatio() ||
        face.format() != QImage::Format_RGB32) {
        return false;
    }
    store->beginPaint(region);
    QPaintDevice* device = store->paintDevice();
    auto* pixels = device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
    if (pixels == nullptr || !HoldsOpaqueRgb32(*pixels) ||
        pixels->devicePixelRatio() != face.devicePixelRatio()) {
        // Nothing was drawn, and the repaint that follows covers the region.
        store->endPaint();
        return false;
    }
    const QPoint origin = DeviceOrigin(face);
    uchar* const bits = pixels->bits();
    const qsizetype bytesPerLine = pixels->bytesPerLine();
    for (const QRect& rectangle : region) {
        const QRect target = DeviceTarget(rectangle, face) & pixels->rect();
        if (target.isEmpty()) {
            continue;
        }
        const std::size_t rowBytes = std::size_t(target.width()) * 4;
        for (int y = target.top(); y <= target.bottom(); ++y) {
            std::memcpy(bits + y * bytesPerLine + target.left() * 4,
                        face.constScanLine(y - origin.y()) + (target.left() - origin.x()) * 4,
                        rowBytes);
        }
    }
    store->endPaint();
    store->flush(region, handle);
    return true;
}
