// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/window_bits.h"
#include "face/face_layout.h"
#include "platform/canvas.h"
#include "settings/clock_settings.h"

#include <QSize>

// The marks and coordinates shown while a face part is placed with the mouse: a leader
// line with the clock centre, or a dashed frame with the position (and size) of the time,
// the date or the icon bar, whose sizes come from the draw's own layout.
void DrawPlacementOverlay(Canvas& canvas, PlacementMode mode, const ClockSettings& settings,
                          QSize clientSize, const FaceLayout& layout);
