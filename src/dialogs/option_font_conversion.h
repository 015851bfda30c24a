// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/canvas.h"

#include <QFont>

// The stored font (name, point size, style bits 1 bold, 2 italic, 4 underline, 8 strikeout)
// as a QFont and back; the colour is not part of a QFont and is passed alongside.
QFont QFontFromCanvasFont(const CanvasFont& font);
CanvasFont CanvasFontFromQFont(const QFont& font, Colour colour);
