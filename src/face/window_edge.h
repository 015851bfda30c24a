// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/window_modes.h"
#include "platform/canvas.h"

#include <QSize>

// The 3D rim along the ellipse and the rounded rectangle: three outlines light the upper
// left, three shifted ones darken the lower right. The rectangle and any stored number that
// is no shape draw nothing.
void DrawWindowEdge(Canvas& canvas, QSize clientSize, WindowShape shape, int roundSize);
