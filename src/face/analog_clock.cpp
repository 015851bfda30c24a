// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/analog_clock.h"

#include <cmath>

AnalogSettings AnalogSettingsFrom(const ClockSettings& settings, PlacementMode placementMode) {
    AnalogSettings analog;
    analog.attrib = settings.Attrib;
    analog.minuteOutline = settings.SL_Color;
    analog.minuteFill = settings.SL_In_Color;
    analog.hourOutline = settings.SE_Color;
    analog.hourFill = settings.SE_In_Color;
    analog.secondColour = settings.SS_Color;
    analog.smallMarkColour = settings.SM_Color;
    analog.largeMarkColour = settings.SM_Point_Color;
    analog.lineWidth = settings.Line_Width;
    analog.markInterval = settings.Mem_Interval;
    analog.markDesign = settings.MemPoint_Design;
    analog.longLength = settings.LongLength;
    analog.shortLength = settings.ShortLength;
    analog.secondLength = settings.SecondLength;
    analog.centre = QPoint(settings.HandCenterX, settings.HandCenterY);
    analog.numeralFont =
        CanvasFont{settings.FontName, settings.FontSize, settings.FontColor, settings.FontStyle};
    analog.placementMode = placementMode;
    return analog;
}

void DrawHand(Canvas& canvas, HandKind kind, int penWidth, HandOutline outline,
              PlacementMode placementMode, Colour outlineColour, Colour fillColour, int length,
              QPoint centre, float angle) {
    const bool placing = placementMode == PlacementAnalog;
    canvas.SetPen(outlineColour, penWidth, placing ? PenStyle::Dot : PenStyle::Solid);
    canvas.SetBrush(fillColour, placing ? BrushStyle::DiagonalCross : BrushStyle::Solid);
    const std::array<QPoint, 5> kite = HandGeometry(kind, length, centre, angle);
    if (outline == HandOutline::Filled) {
        canvas.Polygon(kite);
    } else {
        canvas.Polyline(kite);
    }
    canvas.SetPen(outlineColour, 1, placing ? PenStyle::Dot : PenStyle::Solid);
    canvas.SetBrush(0, placing ? BrushStyle::DiagonalCross : BrushStyle::Solid);
    canvas.Ellipse(centre.x() - 2, centre.y() - 2, centre.x() + 2, centre.y() + 2);
}

HandStrokes HandStrokesAt(const AnalogSettings& settings, const ClockTime& time) {
    const HandAngles angles = HandAnglesAt(time);
    HandStrokes strokes;
    strokes.mixMode = settings.Has(AnalogClear) ? MixMode::Merge : MixMode::Copy;
    strokes.hands[strokes.count++] = HandStroke{
        HandKind::Hour, settings.hourOutline, settings.hourFill, settings.shortLength, angles.hour};
    strokes.hands[strokes.count++] =
        HandStroke{HandKind::Minute, settings.minuteOutline, settings.minuteFill,
                   settings.longLength, angles.minute};
    if (settings.Has(SecondHandDisp)) {
        strokes.hands[strokes.count++] =
            HandStroke{HandKind::Second, settings.secondColour, settings.secondColour,
                       settings.secondLength, angles.second};
    }
    return strokes;
}

namespace {

void DrawOneHand(Canvas& canvas, const AnalogSettings& settings, const HandStroke& hand) {
    const HandOutline outline =
        settings.Has(HandFill) ? HandOutline::Filled : HandOutline::OutlineOnly;
    DrawHand(canvas, hand.kind, settings.lineWidth, outline, settings.placementMode,
             hand.outlineColour, hand.fillColour, hand.length, settings.centre, hand.angle);
}

} // namespace

void DrawHandStroke(Canvas& canvas, const AnalogSettings& settings, MixMode mixMode,
                    const HandStroke& hand) {
    canvas.SetMixMode(mixMode);
    DrawOneHand(canvas, settings, hand);
}

void DrawHands(Canvas& canvas, const AnalogSettings& settings, const ClockTime& time) {
    const HandStrokes strokes = HandStrokesAt(settings, time);
    canvas.SetMixMode(strokes.mixMode);
    for (int i = 0; i < strokes.count; ++i) {
        DrawOneHand(canvas, settings, strokes.hands[i]);
    }
}

namespace {

void DrawLargeMark(Canvas& canvas, const AnalogSettings& settings, QPoint outer, QPoint inner,
                   int half) {
    canvas.SetMixMode(MixMode::Copy);
    canvas.SetBrush(settings.largeMarkColour, BrushStyle::Solid);
    const int px = outer.x();
    const int py = outer.y();
    switch (settings.markDesign) {
    case 0:
        canvas.SetPen(settings.largeMarkColour, 2, PenStyle::Solid);
        canvas.Line(outer, inner);
        break;
    case 1: {
        canvas.SetPen(settings.largeMarkColour, 1, PenStyle::Solid);
        const QPoint square[] = {{px - half, py - half},
                                 {px + half, py - half},
                                 {px + half, py + half},
                                 {px - half, py + half}};
        canvas.Polygon(square);
        break;
    }
    case 2: {
        canvas.SetPen(settings.largeMarkColour, 1, PenStyle::Solid);
        const QPoint diamond[] = {
            {px, py - half}, {px + half, py}, {px, py + half}, {px - half, py}};
        canvas.Polygon(diamond);
        break;
    }
    case 3:
        canvas.SetPen(settings.largeMarkColour, 1, PenStyle::Solid);
        canvas.Ellipse(px - half, py - half, px + half, py + half);
        break;
    default:
        break;
    }
}

void DrawNumeral(Canvas& canvas, const AnalogSettings& settings, int minute, QPoint onRing) {
    const int hour = minute / 5;
    const QString text = QString::number(hour == 0 ? 12 : hour);
    canvas.SetFont(settings.numeralFont);
    const QSize extent = canvas.TextExtent(text);
    canvas.TextOut(QPoint(onRing.x() - extent.width() / 2, onRing.y() - extent.height() / 2), text,
                   TextBackground::Transparent);
}

} // namespace

void DrawDial(Canvas& canvas, const AnalogSettings& settings) {
    const int length = settings.longLength;
    const int outerRadius = int(std::floor(0.9 * length));
    const int innerRadius = int(std::floor(0.88 * length));
    const int half = int(std::trunc(0.03 * length));
    const int largeStep = settings.markInterval == 15 ? 15 : 5;
    if (settings.Has(AnalogClear)) {
        canvas.SetMixMode(MixMode::Merge);
    }
    for (int minute = 0; minute < 60; ++minute) {
        const float angle = DegreesToRadians(minute * 6);
        const QPoint outer = PointOnRadius(settings.centre, outerRadius, angle);
        if (settings.Has(MemoryDisp)) {
            if (minute % largeStep != 0) {
                if (settings.markInterval == 1) {
                    const QPoint inner = PointOnRadius(settings.centre, innerRadius, angle);
                    canvas.SetMixMode(MixMode::Copy);
                    canvas.SetPen(settings.smallMarkColour, 1, PenStyle::Solid);
                    canvas.Line(outer, inner);
                }
            } else {
                DrawLargeMark(canvas, settings, outer,
                              PointOnRadius(settings.centre, innerRadius, angle), half);
            }
        }
        if (settings.Has(StringDisp) && minute % 5 == 0) {
            DrawNumeral(canvas, settings, minute, outer);
        }
    }
}
