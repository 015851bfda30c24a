// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "core/window_bits.h"
#include "face/segment_digit.h"
#include "platform/canvas.h"
#include "settings/clock_settings.h"

#include <QSize>
#include <array>

enum class DigitStyle { Segments, Font };
enum class SecondsShown { Yes, No };
enum class YearShown { Yes, No };

// One block of the digital face (the time or the date), taken from a copy of the settings.
struct DigitalBlock {
    QPoint topLeft;
    int sizeStep = 0;
    DigitStyle style = DigitStyle::Segments;
    SegmentStyle segments;
    CanvasFont font;
    int formatIndex = 0;
    MixMode mixMode = MixMode::Copy;
    SecondsShown seconds = SecondsShown::Yes; // time only
    YearShown year = YearShown::No;           // date only
};

DigitalBlock TimeBlockFrom(const ClockSettings& settings, PlacementMode placementMode);
DigitalBlock DateBlockFrom(const ClockSettings& settings, PlacementMode placementMode);

// One figure of a time drawn with segments: a digit or the colon, in its cell.
struct SegmentGlyph {
    enum class Kind { Digit, Colon };
    Kind kind = Kind::Digit;
    int value = 0;
    QPoint cell;
    SegmentMetrics metrics;
};

// The figures of a segment time in drawing order, and the size of the block.
struct SegmentTimeLayout {
    std::array<SegmentGlyph, 7> glyphs;
    int count = 0;
    QSize size;
};

SegmentTimeLayout LayOutSegmentTime(const DigitalBlock& block, const ClockTime& time);
// One figure of LayOutSegmentTime, drawn as DrawTime draws it.
void DrawSegmentGlyph(Canvas& canvas, const DigitalBlock& block, const SegmentGlyph& glyph);

// Draws the time and returns the size of the block drawn.
QSize DrawTime(Canvas& canvas, const DigitalBlock& block, const ClockTime& time);
// Draws the date and returns the size of the block drawn.
QSize DrawDate(Canvas& canvas, const DigitalBlock& block, const ClockTime& time);
