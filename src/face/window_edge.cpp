// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/window_edge.h"

void DrawWindowEdge(Canvas& canvas, QSize clientSize, WindowShape shape, int roundSize) {
    if (shape != WindowShape::Ellipse && shape != WindowShape::RoundedRectangle) {
        return;
    }
    const int w = clientSize.width();
    const int h = clientSize.height();
    struct Outline {
        int penWidth;
        Colour colour;
        int left, top, right, bottom;
    };
    const Outline outlines[] = {
        {4, SystemColour::Light3D, 0, 0, w + 1, h + 1},
        {2, 0xFFFFFF, 1, 1, w + 1, h + 1},
        {1, SystemColour::ActiveBorder, 2, 2, w + 1, h + 1},
        {3, SystemColour::Light3D, -3, -3, w - 2, h - 2},
        {2, SystemColour::ButtonShadow, -3, -3, w - 1, h - 1},
        {2, SystemColour::DarkShadow3D, -3, -3, w, h},
    };
    canvas.SetMixMode(MixMode::Copy);
    canvas.SetBrush(0, BrushStyle::Clear);
    const int corner = roundSize * 10;
    for (const Outline& outline : outlines) {
        canvas.SetPen(outline.colour, outline.penWidth, PenStyle::Solid);
        if (shape == WindowShape::Ellipse) {
            canvas.Ellipse(outline.left, outline.top, outline.right, outline.bottom);
        } else {
            canvas.RoundRectangle(outline.left, outline.top, outline.right, outline.bottom, corner,
                                  corner);
        }
    }
}
