// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/face_layout.h"

void FaceLayout::StoreIn(ClockSettings& settings) const {
    settings.IconWidth = iconBar.iconSize;
    settings.IconHeight = iconBar.barHeight;
    settings.IconBarWidth = iconBar.barWidth;
    if (pictureMissing) {
        settings.Set(NoImage, true);
    }
}
