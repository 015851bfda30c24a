#include "dialogs/mail_icon_preview.h"

#include "platform/qimage_canvas.h"

namespace {
constexpr int PreviewSize = 32;
}

QImage DrawMailIconPreview(const QImage& icon, Colour textColour, Colour backgroundColour) {
    QImage preview(PreviewSize, PreviewSize, QImage::Format_RGB32);
    QImageCanvas canvas(preview);
    canvas.FillRectangle(preview.rect(), SystemColour::ButtonFace);
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
