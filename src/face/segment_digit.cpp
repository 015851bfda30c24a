// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/segment_digit.h"

namespace {

struct Units {
    int x;
    int y;
};

constexpr Units segmentUnits[SegmentDigit::SegmentCount][6] = {
    {{0, 2}, {4, 4}, {4, 12}, {1, 14}, {0, 13}, {0, 2}},          // upper left
    {{0, 2}, {2, 0}, {14, 0}, {15, 1}, {12, 4}, {4, 4}},          // top
    {{15, 1}, {16, 2}, {16, 13}, {15, 14}, {12, 12}, {12, 4}},    // upper right
    {{1, 14}, {4, 12}, {12, 12}, {15, 14}, {12, 16}, {4, 16}},    // middle
    {{1, 14}, {4, 16}, {4, 24}, {0, 26}, {0, 15}, {1, 14}},       // lower left
    {{15, 14}, {16, 15}, {16, 26}, {15, 27}, {12, 24}, {12, 16}}, // lower right
    {{0, 26}, {4, 24}, {12, 24}, {15, 27}, {12, 28}, {4, 28}},    // bottom
};

constexpr std::uint8_t digitMasks[10] = {0x77, 0x24, 0x5E, 0x6E, 0x2D,
                                         0x6B, 0x7B, 0x26, 0x7F, 0x6F};

constexpr Units colonUpper[4] = {{7, 7}, {11, 7}, {11, 12}, {7, 12}};
constexpr Units colonLower[4] = {{7, 18}, {11, 18}, {11, 23}, {7, 23}};
constexpr Units slash[4] = {{0, 28}, {14, 0}, {18, 0}, {4, 28}};

// A closed path from four corners: the first corner is repeated at the end.
std::array<QPoint, 5> ClosedQuad(const Units (&corners)[4], QPoint cell,
                                 const SegmentMetrics& metrics) {
    std::array<QPoint, 5> path;
    for (int i = 0; i < 4; ++i) {
        path[i] = metrics.Vertex(cell, corners[i].x, corners[i].y);
    }
    path[4] = path[0];
    return path;
}

} // namespace

SegmentMetrics SegmentMetrics::ForStep(int sizeStep) {
    SegmentMetrics metrics;
    metrics.base = sizeStep + 26;
    metrics.advance = metrics.base + metrics.base / 5;
    metrics.height = (7 * metrics.base) / 4;
    return metrics;
}

QPoint SegmentMetrics::Vertex(QPoint cell, int unitsX, int unitsY) const {
    return QPoint(cell.x() + (base * unitsX) / 16, cell.y() + (base * unitsY) / 16);
}

std::uint8_t SegmentDigit::Mask(int digit) {
    return digit >= 0 && digit <= 9 ? digitMasks[digit] : 0;
}

SegmentDigit::Path SegmentDigit::SegmentPath(int segment, QPoint cell,
                                             const SegmentMetrics& metrics) {
    Path path;
    for (int i = 0; i < 6; ++i) {
        path[i] = metrics.Vertex(cell, segmentUnits[segment][i].x, segmentUnits[segment][i].y);
    }
    return path;
}

void SegmentDigit::DrawPath(Canvas& canvas, std::span<const QPoint> path,
                            const SegmentStyle& style) {
    canvas.SetPen(style.edgeColour, style.penWidth, PenStyle::Solid);
    if (style.fill == SegmentFill::Filled) {
        canvas.SetBrush(style.fillColour, style.brush);
        canvas.Polygon(path);
    } else {
        canvas.Polyline(path);
    }
}

void SegmentDigit::DrawDigit(Canvas& canvas, int digit, QPoint cell, const SegmentMetrics& metrics,
                             const SegmentStyle& style) {
    const std::uint8_t mask = Mask(digit);
    for (int segment = 0; segment < SegmentCount; ++segment) {
        if ((mask & (1u << segment)) == 0) {
            continue;
        }
        const Path open = SegmentPath(segment, cell, metrics);
        const std::array<QPoint, 7> closed = {open[0], open[1], open[2], open[3],
                                              open[4], open[5], open[0]};
        DrawPath(canvas, closed, style);
    }
}

void SegmentDigit::DrawColon(Canvas& canvas, QPoint cell, const SegmentMetrics& metrics,
                             const SegmentStyle& style) {
    DrawPath(canvas, ClosedQuad(colonUpper, cell, metrics), style);
    DrawPath(canvas, ClosedQuad(colonLower, cell, metrics), style);
}

void SegmentDigit::DrawSlash(Canvas& canvas, QPoint cell, const SegmentMetrics& metrics,
                             const SegmentStyle& style) {
    DrawPath(canvas, ClosedQuad(slash, cell, metrics), style);
}
