// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/wheel_notches.h"

int WheelNotches::Add(int angleDelta) {
    if ((angleDelta > 0 && gathered_ < 0) || (angleDelta < 0 && gathered_ > 0)) {
        gathered_ = 0;
    }
    // Wide enough for any delta on top of less than a notch.
    const long long total = static_cast<long long>(gathered_) + angleDelta;
    const long long notches = total / UnitsPerNotch;
    gathered_ = static_cast<int>(total - notches * UnitsPerNotch);
    return static_cast<int>(notches);
}
