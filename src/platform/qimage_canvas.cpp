#include "platform/qimage_canvas.h"

#include <QFontMetrics>
#include <QPolygon>

class QImageCanvas::CopyModeScope {
public:
    explicit CopyModeScope(QPainter& painter) : painter_(painter) {
        saved_ = painter_.compositionMode();
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    ~CopyModeScope() { painter_.setCompositionMode(saved_); }
    CopyModeScope(const CopyModeScope&) = delete;
    CopyModeScope& operator=(const CopyModeScope&) = delete;

private:
    QPainter& painter_;
    QPainter::CompositionMode saved_;
};

QImageCanvas::QImageCanvas(QImage& image) : image_(image), painter_(&image) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    SetPen(0, 1, PenStyle::Solid);
    SetBrush(0xFFFFFF, BrushStyle::Solid);
    SetFont(CanvasFont{});
}

QSize QImageCanvas::Size() const {
    return image_.size();
}

void QImageCanvas::SetPen(Colour colour, int width, PenStyle style) {
    QPen pen(ToQColor(colour));
    pen.setWidth(width < 1 ? 1 : width);
    if (width > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    }
    switch (style) {
    case PenStyle::Solid:
        pen.setStyle(Qt::SolidLine);
        break;
    case PenStyle::Dash:
        pen.setStyle(Qt::DashLine);
        break;
    case PenStyle::Dot:
        pen.setStyle(Qt::DotLine);
        break;
    }
    painter_.setPen(pen);
}

void QImageCanvas::SetBrush(Colour colour, BrushStyle style) {
    switch (style) {
    case BrushStyle::Solid:
        painter_.setBrush(QBrush(ToQColor(colour), Qt::SolidPattern));
        break;
    case BrushStyle::Clear:
        painter_.setBrush(Qt::NoBrush);
        break;
    case BrushStyle::DiagonalCross:
        painter_.setBrush(QBrush(ToQColor(colour), Qt::DiagCrossPattern));
        break;
    }
}

void QImageCanvas::SetMixMode(MixMode mode) {
    painter_.setCompositionMode(mode == MixMode::Merge ? QPainter::RasterOp_SourceOrDestination
                                                       : QPainter::CompositionMode_SourceOver);
}

void QImageCanvas::SetFont(const CanvasFont& font) {
    font_ = QFont(font.name);
    font_.setPixelSize(PointsToPixels(font.pointSize));
    font_.setBold((font.styleBits & FontBold) != 0);
    font_.setItalic((font.styleBits & FontItalic) != 0);
    font_.setUnderline((font.styleBits & FontUnderline) != 0);
    font_.setStrikeOut((font.styleBits & FontStrikeOut) != 0);
    fontColour_ = ToQColor(font.colour);
    painter_.setFont(font_);
}

void QImageCanvas::Polygon(std::span<const QPoint> points) {
    painter_.drawPolygon(points.data(), int(points.size()));
}

void QImageCanvas::Polyline(std::span<const QPoint> points) {
    painter_.drawPolyline(points.data(), int(points.size()));
}

void QImageCanvas::Line(QPoint from, QPoint to) {
    painter_.drawLine(from, to);
}

QRect QImageCanvas::OutlineBox(int left, int top, int right, int bottom) const {
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

void QImageCanvas::Ellipse(int left, int top, int right, int bottom) {
    painter_.drawEllipse(OutlineBox(left, top, right, bottom));
}

void QImageCanvas::Rectangle(int left, int top, int right, int bottom) {
    painter_.drawRect(OutlineBox(left, top, right, bottom));
}

void QImageCanvas::RoundRectangle(int left, int top, int right, int bottom, int cornerWidth,
                                  int cornerHeight) {
    // GDI names the corner ellipse's full size; QPainter wants its radii.
    painter_.drawRoundedRect(OutlineBox(left, top, right, bottom), cornerWidth / 2.0,
                             cornerHeight / 2.0, Qt::AbsoluteSize);
}

void QImageCanvas::FillRectangle(const QRect& area, Colour colour) {
    CopyModeScope copy(painter_);
    painter_.fillRect(area, ToQColor(colour));
}

void QImageCanvas::StretchImage(const QImage& image, const QRect& target,
                                std::optional<Colour> transparent) {
    CopyModeScope copy(painter_);
    if (!transparent) {
        painter_.drawImage(target, image);
        return;
    }
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(*transparent).rgb() | 0xFF000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((row[x] | 0xFF000000u) == key) {
                row[x] = 0;
            }
        }
    }
    painter_.drawImage(target, keyed);
}

void QImageCanvas::DrawImage(QPoint topLeft, const QImage& image) {
    CopyModeScope copy(painter_);
    painter_.drawImage(topLeft, image);
}

void QImageCanvas::TextOut(QPoint topLeft, const QString& text, TextBackground background,
                           Colour backgroundColour) {
    CopyModeScope copy(painter_);
    const QFontMetrics metrics(font_);
    if (background == TextBackground::Opaque) {
        painter_.fillRect(QRect(topLeft, TextExtent(text)), ToQColor(backgroundColour));
    }
    const QPen savedPen = painter_.pen();
    painter_.setPen(fontColour_);
    painter_.drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    painter_.setPen(savedPen);
}

QSize QImageCanvas::TextExtent(const QString& text) const {
    const QFontMetrics metrics(font_);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

int QImageCanvas::PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}
