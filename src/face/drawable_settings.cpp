// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/drawable_settings.h"

#include <algorithm>

namespace {

constexpr int ClockSettings::*kGeometry[] = {
    &ClockSettings::Width,
    &ClockSettings::Height,
    &ClockSettings::SL_Size,
    &ClockSettings::SE_Size,
    &ClockSettings::SS_Size,
    &ClockSettings::Line_Width,
    &ClockSettings::Mem_Interval,
    &ClockSettings::LongLength,
    &ClockSettings::ShortLength,
    &ClockSettings::SecondLength,
    &ClockSettings::HandCenterX,
    &ClockSettings::HandCenterY,
    &ClockSettings::FontSize,
    &ClockSettings::Digi_x,
    &ClockSettings::Digi_y,
    &ClockSettings::Digi_Size,
    &ClockSettings::Digi_Width,
    &ClockSettings::DigiTimeFontSize,
    &ClockSettings::Date_Size,
    &ClockSettings::Date_Width,
    &ClockSettings::Date_x,
    &ClockSettings::Date_y,
    &ClockSettings::DigiDateFontSize,
    &ClockSettings::Rect_Raund_Size,
    &ClockSettings::WindowEdgeSize,
    &ClockSettings::WindowEdgeShadowSize,
    &ClockSettings::IconBarX,
    &ClockSettings::IconBarY,
};

} // namespace

ClockSettings DrawableSettings(const ClockSettings& stored) {
    ClockSettings drawable = stored;
    for (int ClockSettings::*field : kGeometry) {
        drawable.*field = std::clamp(drawable.*field, -DrawableLimit, DrawableLimit);
    }
    return drawable;
}
