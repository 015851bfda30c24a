// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/canvas.h"

#include <QPoint>
#include <array>
#include <cstdint>

// The measures of one size step k of the seven-segment figures: base b = k + 26, a cell is
// 16 × 28 units of b / 16 pixels.
struct SegmentMetrics {
    int base = 0;
    int advance = 0; // distance between the left edges of neighbouring cells
    int height = 0;

    static SegmentMetrics ForStep(int sizeStep);
    // A vertex given in units, relative to the cell's top-left corner, in pixels.
    QPoint Vertex(QPoint cell, int unitsX, int unitsY) const;
};

enum class SegmentFill { Filled, OutlineOnly };

// How the figures of one block are drawn: pen width, colours and fill.
struct SegmentStyle {
    int penWidth = 1;
    Colour fillColour = 0;
    Colour edgeColour = 0;
    SegmentFill fill = SegmentFill::Filled;
    BrushStyle brush = BrushStyle::Solid; // hatched while the block is being placed
};

// Draws seven-segment digits, the colon and the date slash as closed six-vertex paths.
// The caller sets the mix mode for the whole block first.
class SegmentDigit {
public:
    static constexpr int SegmentCount = 7;
    using Path = std::array<QPoint, 6>;

    // Bit i lights segment i; 0 for anything outside 0..9.
    static std::uint8_t Mask(int digit);
    // Segment i of the cell at the top-left corner, closed by repeating its first vertex.
    static Path SegmentPath(int segment, QPoint cell, const SegmentMetrics& metrics);

    static void DrawDigit(Canvas& canvas, int digit, QPoint cell, const SegmentMetrics& metrics,
                          const SegmentStyle& style);
    static void DrawColon(Canvas& canvas, QPoint cell, const SegmentMetrics& metrics,
                          const SegmentStyle& style);
    static void DrawSlash(Canvas& canvas, QPoint cell, const SegmentMetrics& metrics,
                          const SegmentStyle& style);

private:
    static void DrawPath(Canvas& canvas, std::span<const QPoint> path, const SegmentStyle& style);
};
