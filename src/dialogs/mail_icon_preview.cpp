// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/mail_icon_preview.h"

#include "core/device_scale.h"
#include "platform/qimage_canvas.h"

namespace {
constexpr int PreviewSize = 32;
}

QImage DrawMailIconPreview(const QImage& icon, Colour textColour, Colour backgroundColour,
                           qreal devicePixelRatio) {
    const DeviceScale scale(devicePixelRatio);
    QImage preview(scale.Size(QSize(PreviewSize, PreviewSize)), QImage::Format_RGB32);
    preview.setDevicePixelRatio(scale.Ratio());
    QImageCanvas canvas(preview);
    canvas.FillRectangle(QRect(0, 0, PreviewSize, PreviewSize), SystemColour::ButtonFace);
    if (!icon.isNull()) {
        canvas.DrawImage(QPoint(0, 0), icon);
    }
    const QString sample = QStringLiteral("999");
    canvas.SetFont(CanvasFont{QString::fromUtf16(u"ＭＳ Ｐゴシック"), 10, textColour, 0});
    const QSize extent = canvas.TextExtent(sample);
    canvas.TextOut(QPoint(PreviewSize - extent.width(), PreviewSize - extent.height()), sample,
                   TextBackground::Opaque, backgroundColour);
    return preview;
}
