// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"

// With AnalogFixWin the hand lengths follow the client size; with AnalogCenter the clock
// centre follows the client centre. The clock window applies this on every tick and resize.
void ApplyClockSizeRules(ClockSettings& settings, int clientWidth, int clientHeight);
