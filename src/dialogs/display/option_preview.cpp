// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_preview.h"

#include "core/colour.h"
#include "core/device_scale.h"

#include <QPainter>

OptionPreview::OptionPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("IMG_Preview"));
}

void OptionPreview::Show(const QImage& face) {
    const DeviceScale scale(devicePixelRatio());
    image_ = QImage(scale.Size(size()), QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale.Ratio());
    image_.fill(ToQColor(SystemColour::ButtonFace));
    if (!face.isNull() && !image_.isNull()) {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), size()), face);
    }
    update();
}

void OptionPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}
