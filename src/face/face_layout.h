// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "face/icon_bar.h"
#include "settings/clock_settings.h"

#include <QSize>

// What a draw of the face measured and found. The renderer keeps its settings as they are;
// the clock window stores this in its own (the placement and the hit tests read the icon
// bar's measures there) and the display dialog's preview leaves its copy alone.
struct FaceLayout {
    QSize timeSize; // the digital time's block, as drawn
    QSize dateSize; // the date's block, as drawn
    IconBarLayout iconBar;
    bool pictureMissing = false; // the picture was to be shown but could not be read

    // IconWidth, IconHeight and IconBarWidth, and NoImage once the picture is missing.
    void StoreIn(ClockSettings& settings) const;

    bool operator==(const FaceLayout&) const = default;
};
