// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor SystemColourToQColor(int index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 0x0A: // active border
        return palette.color(QPalette::Active, QPalette::Window).darker(110);
    case 0x0F: // button face
        return palette.color(QPalette::Active, QPalette::Button);
    case 0x10: // button shadow
        return palette.color(QPalette::Active, QPalette::Mid);
    case 0x14: // 3D highlight
        return palette.color(QPalette::Active, QPalette::Light);
    case 0x15: // 3D dark shadow
        return palette.color(QPalette::Active, QPalette::Shadow);
    case 0x16: // 3D light
        return palette.color(QPalette::Active, QPalette::Midlight);
    case 0x05: // window background
        return palette.color(QPalette::Active, QPalette::Base);
    case 0x08: // window text
        return palette.color(QPalette::Active, QPalette::WindowText);
    case 0x0D: // highlight
        return palette.color(QPalette::Active, QPalette::Highlight);
    case 0x0E: // highlighted text
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case 0x12: // button text
        return palette.color(QPalette::Active, QPalette::ButtonText);
    default:
        return palette.color(QPalette::Active, QPalette::Button);
    }
}

} // namespace

QColor ToQColor(Colour value) {
    if (IsSystemColour(value)) {
        return SystemColourToQColor(int(value & 0xFF));
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

Colour FromQColor(const QColor& colour) {
    return RgbColour(colour.red(), colour.green(), colour.blue());
}
