// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "core/window_bits.h"
#include "face/hand_geometry.h"
#include "platform/canvas.h"
#include "settings/clock_settings.h"

#include <cstdint>

// Everything the dial and the hands are drawn with, taken from one copy of the settings, so
// the clock window and the display dialog's preview draw with the same routines.
struct AnalogSettings {
    std::uint32_t attrib = 0;
    Colour minuteOutline = 0;
    Colour minuteFill = 0;
    Colour hourOutline = 0;
    Colour hourFill = 0;
    Colour secondColour = 0;
    Colour smallMarkColour = 0;
    Colour largeMarkColour = 0;
    int lineWidth = 1;
    int markInterval = 1;
    int markDesign = 0;
    int longLength = 0;
    int shortLength = 0;
    int secondLength = 0;
    QPoint centre;
    CanvasFont numeralFont;
    PlacementMode placementMode = PlacementNone;

    bool Has(AttribBit bit) const { return (attrib & bit) != 0; }
};

AnalogSettings AnalogSettingsFrom(const ClockSettings& settings, PlacementMode placementMode);

enum class HandOutline { Filled, OutlineOnly };

// One hand: the kite filled with the fill colour and outlined, or its outline only; then the
// black centre dot. The pen is dotted and the brush hatched while the clock is being placed.
void DrawHand(Canvas& canvas, HandKind kind, int penWidth, HandOutline outline,
              PlacementMode placementMode, Colour outlineColour, Colour fillColour, int length,
              QPoint centre, float angle);

// One hand as DrawHands draws it.
struct HandStroke {
    HandKind kind = HandKind::Hour;
    Colour outlineColour = 0;
    Colour fillColour = 0;
    int length = 0;
    float angle = 0;
};

// The hands of an instant in drawing order: hour, minute and, when shown, second.
struct HandStrokes {
    std::array<HandStroke, 3> hands;
    int count = 0;
    MixMode mixMode = MixMode::Copy; // merged when the clock is see-through
};

HandStrokes HandStrokesAt(const AnalogSettings& settings, const ClockTime& time);
// One hand of HandStrokesAt, drawn in the mix mode the hands are drawn in.
void DrawHandStroke(Canvas& canvas, const AnalogSettings& settings, MixMode mixMode,
                    const HandStroke& hand);

// Hour, minute and (when shown) second hand, merged when the clock is see-through.
void DrawHands(Canvas& canvas, const AnalogSettings& settings, const ClockTime& time);

// Minute marks and the numerals 1..12 on the ring of the marks.
void DrawDial(Canvas& canvas, const AnalogSettings& settings);
