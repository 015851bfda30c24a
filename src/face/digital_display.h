#pragma once

#include "core/clock_time.h"
#include "core/window_bits.h"
#include "face/segment_digit.h"
#include "platform/canvas.h"
#include "settings/clock_settings.h"

#include <QSize>

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

// Draws the time and returns the size of the block drawn.
QSize DrawTime(Canvas& canvas, const DigitalBlock& block, const ClockTime& time);
// Draws the date and returns the size of the block drawn.
QSize DrawDate(Canvas& canvas, const DigitalBlock& block, const ClockTime& time);
