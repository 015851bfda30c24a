// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/digital_display.h"

#include "face/date_time_format.h"

namespace {

DigitalBlock BlockFrom(const ClockSettings& settings, bool placing, AttribBit fillBit,
                       AttribBit fontBit) {
    DigitalBlock block;
    block.style = settings.Has(fontBit) ? DigitStyle::Font : DigitStyle::Segments;
    block.segments.fill = settings.Has(fillBit) ? SegmentFill::Filled : SegmentFill::OutlineOnly;
    block.segments.brush = placing ? BrushStyle::DiagonalCross : BrushStyle::Solid;
    block.mixMode = settings.Has(AnalogClear) ? MixMode::Merge : MixMode::Copy;
    return block;
}

QSize DrawText(Canvas& canvas, const DigitalBlock& block, const QString& text) {
    canvas.SetFont(block.font);
    canvas.SetMixMode(block.mixMode);
    canvas.SetBrush(0, BrushStyle::Clear);
    canvas.TextOut(block.topLeft, text, TextBackground::Transparent);
    return canvas.TextExtent(text);
}

void PrepareSegments(Canvas& canvas, const DigitalBlock& block) {
    canvas.SetMixMode(block.mixMode);
    canvas.SetBrush(block.segments.fillColour, block.segments.brush);
}

} // namespace

DigitalBlock TimeBlockFrom(const ClockSettings& settings, PlacementMode placementMode) {
    DigitalBlock block =
        BlockFrom(settings, placementMode == PlacementTime, DigiTimeFill, TimeFont);
    block.topLeft = QPoint(settings.Digi_x, settings.Digi_y);
    block.sizeStep = settings.Digi_Size;
    block.segments.penWidth = settings.Digi_Width;
    block.segments.fillColour = settings.Digi_Color;
    block.segments.edgeColour = settings.Digi_Edge_Color;
    block.font = CanvasFont{settings.DigiTimeFontName, settings.DigiTimeFontSize,
                            settings.DigiTimeFontColor, settings.DigiTimeFontStyle};
    block.formatIndex = settings.DigiTimeDispType;
    block.seconds = settings.Has(DigiTimeSecDisp) ? SecondsShown::Yes : SecondsShown::No;
    return block;
}

DigitalBlock DateBlockFrom(const ClockSettings& settings, PlacementMode placementMode) {
    DigitalBlock block =
        BlockFrom(settings, placementMode == PlacementDate, DigiDateFill, DateFont);
    block.topLeft = QPoint(settings.Date_x, settings.Date_y);
    block.sizeStep = settings.Date_Size;
    block.segments.penWidth = settings.Date_Width;
    block.segments.fillColour = settings.Date_Color;
    block.segments.edgeColour = settings.Date_Edge_Color;
    block.font = CanvasFont{settings.DigiDateFontName, settings.DigiDateFontSize,
                            settings.DigiDateFontColor, settings.DigiDateFontStyle};
    block.formatIndex = settings.DigiDateDispType;
    block.year = settings.Has(DigiDateScene) ? YearShown::Yes : YearShown::No;
    return block;
}

SegmentTimeLayout LayOutSegmentTime(const DigitalBlock& block, const ClockTime& time) {
    SegmentTimeLayout layout;
    const SegmentMetrics metrics = SegmentMetrics::ForStep(block.sizeStep);
    const int y = block.topLeft.y();
    int p = block.topLeft.x();
    const auto add = [&](SegmentGlyph::Kind kind, int value, const SegmentMetrics& size) {
        layout.glyphs[layout.count++] = SegmentGlyph{kind, value, QPoint(p, y), size};
    };
    const auto digit = [&](int value, const SegmentMetrics& size) {
        add(SegmentGlyph::Kind::Digit, value, size);
        p += size.advance;
    };
    if (time.hour >= 10) {
        add(SegmentGlyph::Kind::Digit, time.hour / 10, metrics);
    }
    p += metrics.advance;
    digit(time.hour % 10, metrics);
    add(SegmentGlyph::Kind::Colon, 0, metrics);
    p += metrics.advance;
    digit(time.minute / 10, metrics);
    digit(time.minute % 10, metrics);
    if (block.seconds == SecondsShown::Yes) {
        const SegmentMetrics small = SegmentMetrics::ForStep(block.sizeStep - 10);
        digit(time.second / 10, small);
        digit(time.second % 10, small);
    }
    layout.size = QSize(p - block.topLeft.x() + block.segments.penWidth, metrics.height);
    return layout;
}

void DrawSegmentGlyph(Canvas& canvas, const DigitalBlock& block, const SegmentGlyph& glyph) {
    PrepareSegments(canvas, block);
    if (glyph.kind == SegmentGlyph::Kind::Colon) {
        SegmentDigit::DrawColon(canvas, glyph.cell, glyph.metrics, block.segments);
    } else {
        SegmentDigit::DrawDigit(canvas, glyph.value, glyph.cell, glyph.metrics, block.segments);
    }
}

QSize DrawTime(Canvas& canvas, const DigitalBlock& block, const ClockTime& time) {
    if (block.style == DigitStyle::Font) {
        return DrawText(canvas, block, FormatTimeText(block.formatIndex, time));
    }
    const SegmentTimeLayout layout = LayOutSegmentTime(block, time);
    for (int i = 0; i < layout.count; ++i) {
        DrawSegmentGlyph(canvas, block, layout.glyphs[i]);
    }
    return layout.size;
}

QSize DrawDate(Canvas& canvas, const DigitalBlock& block, const ClockTime& time) {
    if (block.style == DigitStyle::Font) {
        return DrawText(canvas, block, FormatDateText(block.formatIndex, time));
    }
    PrepareSegments(canvas, block);
    const SegmentMetrics metrics = SegmentMetrics::ForStep(block.sizeStep);
    const int y = block.topLeft.y();
    int p = block.topLeft.x();
    const auto digit = [&](int value) {
        SegmentDigit::DrawDigit(canvas, value, QPoint(p, y), metrics, block.segments);
        p += metrics.advance;
    };
    if (block.year == YearShown::Yes) {
        digit(time.year / 1000);
        digit(time.year % 1000 / 100);
        digit(time.year % 100 / 10);
        digit(time.year % 10);
        SegmentDigit::DrawSlash(canvas, QPoint(p, y), metrics, block.segments);
    }
    p += metrics.advance;
    if (time.month >= 10) {
        digit(time.month / 10);
    }
    digit(time.month % 10);
    SegmentDigit::DrawSlash(canvas, QPoint(p, y), metrics, block.segments);
    p += metrics.advance;
    if (time.day >= 10) {
        digit(time.day / 10);
    }
    digit(time.day % 10);
    return QSize(p - block.topLeft.x() + block.segments.penWidth, metrics.height);
}
