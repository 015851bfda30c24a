// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/device_scale.h"
#include "platform/canvas.h"

#include <QFont>
#include <QPainter>
#include <optional>

// A Canvas that paints with QPainter on a QImage of Format_RGB32, antialiasing off, so that
// the OR raster operation of the merge mode is available. The image must outlive the canvas.
//
// GDI's boxes exclude their right and bottom edge while QPainter's outlined QRect covers
// left..left+width; outlined shapes are therefore drawn in QRect(left, top, right - left - 1,
// bottom - top - 1), which puts a one-pixel pen on exactly the pixels GDI would use.
// A one-pixel pen ends flat, so like GDI's LineTo a line ends before its end point; a wider
// pen is a geometric pen as GDI makes it, with round ends and round joins, so wide corners
// are round and an outline closed by repeating its first point shows no notch there.
//
// An image with a device pixel ratio other than 1 (QImage::setDevicePixelRatio, the image
// sized in device pixels) is drawn at its own density: the coordinates stay logical, and
// shapes, pens and fonts are scaled to device pixels. A logical point then stands for the
// middle of its logical pixel, so that a stroke covers the device pixels of the logical pixels
// it covers at ratio 1; pens are whole device pixels wide; fills and pictures cover exactly
// the device pixels of their logical boxes (DeviceScale), so that neighbouring boxes meet
// without a seam at fractional ratios too.
class QImageCanvas : public Canvas {
public:
    explicit QImageCanvas(QImage& image);

    QSize Size() const override;

    void SetPen(Colour colour, int width, PenStyle style) override;
    void SetBrush(Colour colour, BrushStyle style) override;
    void SetMixMode(MixMode mode) override;
    void SetFont(const CanvasFont& font) override;

    void Polygon(std::span<const QPoint> points) override;
    void Polyline(std::span<const QPoint> points) override;
    void Line(QPoint from, QPoint to) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void RoundRectangle(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) override;

    void FillRectangle(const QRect& area, Colour colour) override;
    void StretchImage(const QImage& image, const QRect& target,
                      std::optional<Colour> transparent) override;
    void DrawImage(QPoint topLeft, const QImage& image) override;

    void TextOut(QPoint topLeft, const QString& text, TextBackground background,
                 Colour backgroundColour) override;
    QSize TextExtent(const QString& text) const override;

    // The pixel size Windows gives a font of this many points on a 96 dpi screen.
    static int PointsToPixels(int points);

private:
    QRect OutlineBox(int left, int top, int right, int bottom) const;
    // Device rows from `top` up to `bottom`, drawn in bands.
    struct DeviceRows {
        int top = 0;
        int bottom = 0;
    };
    // The rows of a shape that lies in `bounds` (logical pixels, before the pen's width) when
    // it is tall enough to be drawn in bands; nothing when it is drawn at once.
    std::optional<DeviceRows> Bands(const QRect& bounds) const;
    template <typename Draw> void InBands(DeviceRows rows, const Draw& draw);
    // Draws a shape that lies in `bounds`, in bands where it is tall.
    template <typename Draw> void DrawShape(const QRect& bounds, const Draw& draw);
    bool PenStrokesAlongPaths() const;
    enum class Outline { Open, Closed };
    // The same for an outline, closed ones filled with the brush; `makePath` gives the shape
    // as a path when the pen's outline is better built once for all the bands.
    template <typename Draw, typename MakePath>
    void DrawOutlined(const QRect& bounds, Outline outline, const Draw& draw,
                      const MakePath& makePath);
    // Copies the whole image onto the device pixels of the target, opaque, nearest pixel.
    void CopyImage(const QImage& image, const QRect& target);
    // Copies and stretches ignore the mix mode, as GDI's blits ignore the pen's raster op.
    class CopyModeScope;
    // Paints in device pixels, for fills and pictures that must meet their neighbours.
    class DevicePixelScope;

    QImage& image_;
    DeviceScale scale_;
    QPainter painter_;
    QFont font_;
    QColor fontColour_;
};
