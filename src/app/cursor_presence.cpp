// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cursor_presence.h"

bool CursorPresence::Inside(Stacking stacking, EventCoverage coverage,
                            const std::function<bool()>& ask) {
    if (outsideKnown_ && stacking == Stacking::InFront &&
        coverage == EventCoverage::WholeRectangle) {
        return false;
    }
    const bool inside = ask();
    outsideKnown_ = !inside;
    return inside;
}
