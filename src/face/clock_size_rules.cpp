// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/clock_size_rules.h"

#include <algorithm>
#include <cmath>

void ApplyClockSizeRules(ClockSettings& settings, int clientWidth, int clientHeight) {
    if (settings.Has(AnalogFixWin)) {
        const int radius = std::min(clientWidth / 2, clientHeight / 2);
        settings.LongLength = int(std::trunc(0.95 * radius));
        settings.ShortLength = int(std::trunc(0.8 * radius));
        settings.SecondLength = int(std::trunc(0.95 * radius));
    }
    if (settings.Has(AnalogCenter)) {
        settings.HandCenterX = clientWidth / 2;
        settings.HandCenterY = clientHeight / 2;
    }
}
