// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <cstdint>

// Colours are stored as 0x00BBGGRR. A value whose top byte is 0x80 names a system colour
// by its number in the low byte (the numbers of the Windows colour table).
using Colour = std::uint32_t;

namespace SystemColour {
constexpr Colour ActiveBorder = 0x8000000A;
constexpr Colour ButtonFace = 0x8000000F;
constexpr Colour ButtonShadow = 0x80000010;
constexpr Colour DarkShadow3D = 0x80000015;
constexpr Colour Light3D = 0x80000016;
} // namespace SystemColour

constexpr bool IsSystemColour(Colour value) {
    return (value & 0xFF000000u) == 0x80000000u;
}

constexpr Colour RgbColour(int red, int green, int blue) {
    return Colour(red & 0xFF) | (Colour(green & 0xFF) << 8) | (Colour(blue & 0xFF) << 16);
}

// Maps a stored colour to a QColor; system colours come from the application palette.
QColor ToQColor(Colour value);
// The stored form of an opaque QColor.
Colour FromQColor(const QColor& colour);
