// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/system_clock.h"
#include "platform/timedated_clock_setter.h"

std::unique_ptr<SystemClockSetter> CreateSystemClockSetter() {
    return std::make_unique<TimedatedClockSetter>();
}
