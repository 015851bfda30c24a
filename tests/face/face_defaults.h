// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"

// The clock settings of a first start, as the settings store writes them.
ClockSettings DefaultFaceSettings();
