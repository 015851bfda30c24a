// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colour.h"

#include <QImage>

// The mail settings dialog's 32 × 32 preview: the icon on the button face with the sample
// count "999" at its bottom-right corner, in the colours the count will have on the bar;
// drawn at the device pixel ratio of the screen it shows on.
QImage DrawMailIconPreview(const QImage& icon, Colour textColour, Colour backgroundColour,
                           qreal devicePixelRatio = 1);
