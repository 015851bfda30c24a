// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colour.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <algorithm>
#include <optional>
#include <span>

enum class PenStyle { Solid, Dash, Dot };

// The smallest box holding every point (their bounding rectangle), without a copy of them.
inline QRect PointsBox(std::span<const QPoint> points) {
    if (points.empty()) {
        return {};
    }
    QPoint least = points.front();
    QPoint most = points.front();
    for (const QPoint& point : points) {
        least = QPoint(std::min(least.x(), point.x()), std::min(least.y(), point.y()));
        most = QPoint(std::max(most.x(), point.x()), std::max(most.y(), point.y()));
    }
    return QRect(least, most);
}

// Copy replaces the pixels; Merge ORs the colour value of pen and brush into them.
enum class MixMode { Copy, Merge };

enum class BrushStyle { Solid, Clear, DiagonalCross };

enum class TextBackground { Transparent, Opaque };

// Font style bits as stored in the settings.
enum FontStyleBit : int {
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikeOut = 8,
};

struct CanvasFont {
    QString name;
    int pointSize = 10;
    Colour colour = 0;
    int styleBits = 0;
};

// The drawing surface the face routines paint on. Coordinates follow the old GDI habits the
// settings were made for: the boxes of Ellipse, Rectangle and RoundRectangle are given by
// their corners with the right and bottom edge excluded, so (0, 0, 10, 10) covers pixels
// 0..9. Pen, brush, mix mode and font stay set until changed.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual QSize Size() const = 0;

    virtual void SetPen(Colour colour, int width, PenStyle style) = 0;
    virtual void SetBrush(Colour colour, BrushStyle style) = 0;
    virtual void SetMixMode(MixMode mode) = 0;
    virtual void SetFont(const CanvasFont& font) = 0;

    // Filled with the brush and outlined with the pen.
    virtual void Polygon(std::span<const QPoint> points) = 0;
    // Outline only, through the points in order.
    virtual void Polyline(std::span<const QPoint> points) = 0;
    virtual void Line(QPoint from, QPoint to) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void RoundRectangle(int left, int top, int right, int bottom, int cornerWidth,
                                int cornerHeight) = 0;

    // Fills with a plain colour regardless of pen, brush and mix mode.
    virtual void FillRectangle(const QRect& area, Colour colour) = 0;
    // Scales the image into the target, always opaque copy; pixels of the transparent
    // colour, when given, leave the canvas as it was.
    virtual void StretchImage(const QImage& image, const QRect& target,
                              std::optional<Colour> transparent = std::nullopt) = 0;
    virtual void DrawImage(QPoint topLeft, const QImage& image) = 0;

    // Draws text with its top-left corner at the point in the current font and font colour;
    // text is never merged. An opaque background is filled with the given colour first.
    virtual void TextOut(QPoint topLeft, const QString& text, TextBackground background,
                         Colour backgroundColour = 0) = 0;
    virtual QSize TextExtent(const QString& text) const = 0;
};
