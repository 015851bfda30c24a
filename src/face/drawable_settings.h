// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"

// The settings file is text a person may edit, so any stored number can arrive. The face is
// drawn from a copy whose sizes, positions, lengths and widths are held within
// ±DrawableLimit: far beyond any screen, so no real layout changes, yet small enough that
// the drawing arithmetic (sums and products of two such numbers) cannot overflow.
constexpr int DrawableLimit = 32767;

ClockSettings DrawableSettings(const ClockSettings& stored);
