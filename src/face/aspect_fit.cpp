// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/aspect_fit.h"

#include <cmath>

std::optional<QSize> FitClientSizeToPicture(const ClockSettings& settings, QSize pictureSize) {
    if (settings.Has(NoImage) || settings.Image_File.isEmpty() || pictureSize.width() <= 0 ||
        pictureSize.height() <= 0) {
        return std::nullopt;
    }
    const float pictureWidth = float(pictureSize.width());
    const float pictureHeight = float(pictureSize.height());
    if (pictureHeight < pictureWidth) {
        const float ratio = float(settings.Width) / pictureWidth;
        return QSize(settings.Width, int(std::trunc(pictureHeight * ratio)));
    }
    const float ratio = float(settings.Height) / pictureHeight;
    return QSize(int(std::trunc(pictureWidth * ratio)), settings.Height);
}
