// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/window_modes.h"

#include <QRegion>
#include <QSize>
#include <optional>

// The area of the clock window that is visible and takes the mouse, in window coordinates:
// the whole window with its frame for the rectangle, an ellipse inside the frame, or a
// rectangle with rounded corners (corner ellipse roundSize × 10) inside the frame. No region
// for a stored number that is no shape, which leaves the window as it is.
std::optional<QRegion> WindowShapeRegion(WindowShape shape, QSize outerSize, int frame,
                                         int roundSize);
