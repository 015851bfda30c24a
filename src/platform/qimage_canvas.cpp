// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qimage_canvas.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>

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

// Copies and fills in device pixels: the painter's scale to the image's density is undone,
// and the rectangles given are device rectangles.
class QImageCanvas::DevicePixelScope {
public:
    DevicePixelScope(QPainter& painter, const DeviceScale& scale) : painter_(painter) {
        painter_.save();
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.setWorldTransform(QTransform::fromScale(1 / scale.Ratio(), 1 / scale.Ratio()));
    }
    ~DevicePixelScope() { painter_.restore(); }
    DevicePixelScope(const DevicePixelScope&) = delete;
    DevicePixelScope& operator=(const DevicePixelScope&) = delete;

private:
    QPainter& painter_;
};

namespace {

// Qt hands a fill of 96 runs of pixels or more to threads of its own; an outline has two or
// three runs a row. For shapes the size of a clock's hands and figures the hand-over costs
// more than it saves (the default face at 200 % took ten times the CPU of 100 % that way,
// three times without it), so on a dense face tall shapes are drawn in bands of rows that
// stay below it.
constexpr int BandRows = 24;

} // namespace

QImageCanvas::QImageCanvas(QImage& image)
    : image_(image), scale_(image.devicePixelRatio()), painter_(&image) {
    if (!scale_.IsIdentity()) {
        // A logical point stands for the middle of its logical pixel.
        painter_.translate(0.5, 0.5);
    }
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    SetPen(0, 1, PenStyle::Solid);
    SetBrush(0xFFFFFF, BrushStyle::Solid);
    SetFont(CanvasFont{});
}

QSize QImageCanvas::Size() const {
    return image_.deviceIndependentSize().toSize();
}

void QImageCanvas::SetPen(Colour colour, int width, PenStyle style) {
    QPen pen(ToQColor(colour));
    const int logicalWidth = width < 1 ? 1 : width;
    if (scale_.IsIdentity()) {
        pen.setWidth(logicalWidth);
    } else {
        // Whole device pixels, so that a line is equally wide wherever it lies.
        const int deviceWidth = std::max(1, int(std::lround(logicalWidth * scale_.Ratio())));
        pen.setWidthF(deviceWidth / scale_.Ratio());
    }
    if (width > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::FlatCap);
        // A thin pen drawn wider than a device pixel gets real joins: square corners stay
        // square, and a hand's sharp tip is cut off instead of drawn out into a spike.
        pen.setJoinStyle(scale_.IsIdentity() ? Qt::MiterJoin : Qt::SvgMiterJoin);
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

std::optional<QImageCanvas::DeviceRows> QImageCanvas::Bands(const QRect& bounds) const {
    if (scale_.IsIdentity()) {
        return std::nullopt;
    }
    const int margin = int(std::ceil(painter_.pen().widthF())) + 1;
    const int top = std::max(0, scale_.Edge(bounds.top() - margin));
    const int bottom = std::min(image_.height(), scale_.Edge(bounds.bottom() + 1 + margin));
    if (bottom - top <= BandRows) {
        return std::nullopt;
    }
    return DeviceRows{top, bottom};
}

template <typename Draw> void QImageCanvas::InBands(DeviceRows rows, const Draw& draw) {
    // Each row is rasterised on its own, so the bands give the pixels of one draw.
    painter_.save();
    const QTransform logical = painter_.worldTransform();
    const QTransform device = QTransform::fromScale(1 / scale_.Ratio(), 1 / scale_.Ratio());
    for (int row = rows.top; row < rows.bottom; row += BandRows) {
        painter_.setWorldTransform(device);
        painter_.setClipRect(QRect(0, row, image_.width(), std::min(BandRows, rows.bottom - row)));
        painter_.setWorldTransform(logical);
        draw();
    }
    painter_.restore();
}

template <typename Draw> void QImageCanvas::DrawShape(const QRect& bounds, const Draw& draw) {
    if (const std::optional<DeviceRows> rows = Bands(bounds)) {
        InBands(*rows, draw);
    } else {
        draw();
    }
}

bool QImageCanvas::PenStrokesAlongPaths() const {
    // Qt draws a solid pen of up to one device pixel with its line drawing; a wider one goes
    // through its stroker, which builds the outline's path on every call.
    const QPen& pen = painter_.pen();
    return pen.style() == Qt::SolidLine && pen.widthF() * scale_.Ratio() > 1;
}

template <typename Draw, typename MakePath>
void QImageCanvas::DrawOutlined(const QRect& bounds, Outline outline, const Draw& draw,
                                const MakePath& makePath) {
    const std::optional<DeviceRows> rows = Bands(bounds);
    if (!rows) {
        draw();
        return;
    }
    if (!PenStrokesAlongPaths()) {
        InBands(*rows, draw);
        return;
    }
    // The stroker's outline, the costly part of a dense face's hands and figures, is built
    // once and filled band by band: the same pixels as drawing the shape in every band.
    const QPainterPath shape = makePath();
    QPainterPathStroker stroker(painter_.pen());
    // Curves are flattened as finely as Qt's own stroke does at this scale.
    stroker.setCurveThreshold(0.25 / scale_.Ratio());
    const QPainterPath stroke = stroker.createStroke(shape);
    const bool filled = outline == Outline::Closed && painter_.brush().style() != Qt::NoBrush;
    InBands(*rows, [&] {
        if (filled) {
            painter_.fillPath(shape, painter_.brush());
        }
        painter_.fillPath(stroke, painter_.pen().brush());
    });
}

namespace {

QPainterPath PointsPath(std::span<const QPoint> points, bool closed) {
    QPolygonF corners;
    corners.reserve(qsizetype(points.size()));
    for (const QPoint point : points) {
        corners << QPointF(point);
    }
    QPainterPath path;
    path.addPolygon(corners);
    if (closed) {
        path.closeSubpath();
    }
    return path;
}

} // namespace

void QImageCanvas::Polygon(std::span<const QPoint> points) {
    DrawOutlined(
        PointsBox(points), Outline::Closed,
        [&] { painter_.drawPolygon(points.data(), int(points.size())); },
        [&] { return PointsPath(points, true); });
}

void QImageCanvas::Polyline(std::span<const QPoint> points) {
    DrawOutlined(
        PointsBox(points), Outline::Open,
        [&] { painter_.drawPolyline(points.data(), int(points.size())); },
        [&] { return PointsPath(points, false); });
}

void QImageCanvas::Line(QPoint from, QPoint to) {
    const QPoint step = to - from;
    const int longer = std::max(std::abs(step.x()), std::abs(step.y()));
    if (scale_.IsIdentity() || painter_.pen().capStyle() != Qt::FlatCap || longer == 0) {
        DrawShape(QRect(from, to).normalized(), [&] { painter_.drawLine(from, to); });
        return;
    }
    // A thin line runs from the first pixel up to the last one before its end point, as at
    // ratio 1: along its longer axis it goes from pixel edge to pixel edge, not from middle
    // to middle.
    const QPointF back = QPointF(step) / (2.0 * longer);
    DrawShape(QRect(from, to).normalized(),
              [&] { painter_.drawLine(QPointF(from) - back, QPointF(to) - back); });
}

QRect QImageCanvas::OutlineBox(int left, int top, int right, int bottom) const {
    return QRect(left, top, right - left - 1, bottom - top - 1);
}

void QImageCanvas::Ellipse(int left, int top, int right, int bottom) {
    const QRect box = OutlineBox(left, top, right, bottom);
    DrawOutlined(
        box, Outline::Closed, [&] { painter_.drawEllipse(box); },
        [&] {
            QPainterPath path;
            path.addEllipse(QRectF(box));
            return path;
        });
}

void QImageCanvas::Rectangle(int left, int top, int right, int bottom) {
    const QRect box = OutlineBox(left, top, right, bottom);
    DrawOutlined(
        box, Outline::Closed, [&] { painter_.drawRect(box); },
        [&] {
            QPainterPath path;
            path.addRect(QRectF(box));
            return path;
        });
}

void QImageCanvas::RoundRectangle(int left, int top, int right, int bottom, int cornerWidth,
                                  int cornerHeight) {
    // GDI names the corner ellipse's full size; QPainter wants its radii.
    const QRect box = OutlineBox(left, top, right, bottom);
    const qreal radiusX = cornerWidth / 2.0;
    const qreal radiusY = cornerHeight / 2.0;
    DrawOutlined(
        box, Outline::Closed,
        [&] { painter_.drawRoundedRect(box, radiusX, radiusY, Qt::AbsoluteSize); },
        [&] {
            QPainterPath path;
            path.addRoundedRect(QRectF(box), radiusX, radiusY, Qt::AbsoluteSize);
            return path;
        });
}

void QImageCanvas::FillRectangle(const QRect& area, Colour colour) {
    if (!scale_.IsIdentity()) {
        DevicePixelScope device(painter_, scale_);
        painter_.fillRect(scale_.Rect(area.normalized()), ToQColor(colour));
        return;
    }
    CopyModeScope copy(painter_);
    painter_.fillRect(area, ToQColor(colour));
}

void QImageCanvas::CopyImage(const QImage& image, const QRect& target) {
    if (!scale_.IsIdentity()) {
        DevicePixelScope device(painter_, scale_);
        painter_.drawImage(scale_.Rect(target), image);
        return;
    }
    CopyModeScope copy(painter_);
    painter_.drawImage(target, image);
}

void QImageCanvas::StretchImage(const QImage& image, const QRect& target,
                                std::optional<Colour> transparent) {
    if (!transparent) {
        CopyImage(image, target);
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
    CopyImage(keyed, target);
}

void QImageCanvas::DrawImage(QPoint topLeft, const QImage& image) {
    if (!scale_.IsIdentity()) {
        CopyImage(image, QRect(topLeft, image.deviceIndependentSize().toSize()));
        return;
    }
    CopyModeScope copy(painter_);
    painter_.drawImage(topLeft, image);
}

void QImageCanvas::TextOut(QPoint topLeft, const QString& text, TextBackground background,
                           Colour backgroundColour) {
    if (background == TextBackground::Opaque) {
        FillRectangle(QRect(topLeft, TextExtent(text)), backgroundColour);
    }
    CopyModeScope copy(painter_);
    const QFontMetrics metrics(font_);
    // Text starts at the corner of its pixel, not in its middle.
    const QPointF origin = scale_.IsIdentity() ? QPointF(0, 0) : QPointF(-0.5, -0.5);
    const QPen savedPen = painter_.pen();
    painter_.setPen(fontColour_);
    painter_.drawText(origin + QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    painter_.setPen(savedPen);
}

QSize QImageCanvas::TextExtent(const QString& text) const {
    const QFontMetrics metrics(font_);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

int QImageCanvas::PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}
