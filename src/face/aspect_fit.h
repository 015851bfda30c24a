// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"

#include <QSize>
#include <optional>

// The client size that gives the stored client size (Width, Height) the picture's aspect
// ratio: a landscape picture keeps the width, a portrait or square one keeps the height.
// The ratio is single precision and the result truncated. Nothing in no-picture mode, with
// no Image_File, or without a decoded picture.
std::optional<QSize> FitClientSizeToPicture(const ClockSettings& settings, QSize pictureSize);
