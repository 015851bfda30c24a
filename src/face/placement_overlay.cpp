// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/placement_overlay.h"

namespace {

constexpr Colour overlayGreen = 0x00FF00;
constexpr Colour frameWhite = 0xFFFFFF;

void SetOverlayFont(Canvas& canvas) {
    canvas.SetFont(CanvasFont{QString::fromUtf16(u"ＭＳ Ｐゴシック"), 10, overlayGreen, 0});
}

void DrawAnalogMarks(Canvas& canvas, const ClockSettings& settings, QSize clientSize) {
    const int cx = settings.HandCenterX;
    const int cy = settings.HandCenterY;
    const bool roomRight = clientSize.width() > cx + 110;
    const int h = roomRight ? 1 : -1;
    const int ox = roomRight ? 0 : -70;
    const bool roomAbove = cy - 56 >= 0;
    const int v = roomAbove ? 1 : -1;
    const int oy = roomAbove ? 0 : -30;
    canvas.SetMixMode(MixMode::Copy);
    SetOverlayFont(canvas);
    canvas.TextOut(QPoint(cx + 25 * h + ox, cy - 36 * v + oy),
                   QString::asprintf("X=%03d Y=%03d", cx, cy), TextBackground::Transparent);
    canvas.SetPen(overlayGreen, 1, PenStyle::Solid);
    const QPoint leader[] = {{cx, cy}, {cx + 20 * h, cy - 20 * v}, {cx + 100 * h, cy - 20 * v}};
    canvas.Polyline(leader);
}

void DrawFrame(Canvas& canvas, const QString& text, QPoint textAt, int left, int top, int right,
               int bottom) {
    canvas.SetMixMode(MixMode::Copy);
    SetOverlayFont(canvas);
    canvas.TextOut(textAt, text, TextBackground::Transparent);
    canvas.SetPen(frameWhite, 1, PenStyle::Dash);
    canvas.SetBrush(0, BrushStyle::Clear);
    canvas.Rectangle(left, top, right, bottom);
}

} // namespace

void DrawPlacementOverlay(Canvas& canvas, PlacementMode mode, const ClockSettings& settings,
                          QSize clientSize, const FaceLayout& layout) {
    switch (mode) {
    case PlacementAnalog:
        DrawAnalogMarks(canvas, settings, clientSize);
        break;
    case PlacementTime: {
        const int x = settings.Digi_x;
        const int y = settings.Digi_y;
        DrawFrame(canvas, QString::asprintf("X=%03d Y=%03d Size=%d", x, y, settings.Digi_Size),
                  QPoint(x, y - 16), x - settings.Digi_Width, y - settings.Digi_Width,
                  x + layout.timeSize.width(), y + layout.timeSize.height());
        break;
    }
    case PlacementDate: {
        const int x = settings.Date_x;
        const int y = settings.Date_y;
        DrawFrame(canvas, QString::asprintf("X=%03d Y=%03d Size=%d", x, y, settings.Date_Size),
                  QPoint(x, y - 16), x - settings.Date_Width, y - settings.Date_Width,
                  x + layout.dateSize.width(), y + layout.dateSize.height());
        break;
    }
    case PlacementIconBar: {
        const int x = settings.IconBarX;
        const int y = settings.IconBarY;
        DrawFrame(canvas, QString::asprintf("X=%03d Y=%03d", x, y), QPoint(x, y - 16), x - 2, y - 2,
                  x + layout.iconBar.barWidth + 2, y + layout.iconBar.barHeight + 2);
        break;
    }
    default:
        break;
    }
}
