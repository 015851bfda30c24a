// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/option_font_conversion.h"

QFont QFontFromCanvasFont(const CanvasFont& font) {
    QFont result(font.name);
    if (font.pointSize > 0) {
        result.setPointSize(font.pointSize);
    }
    result.setBold((font.styleBits & FontBold) != 0);
    result.setItalic((font.styleBits & FontItalic) != 0);
    result.setUnderline((font.styleBits & FontUnderline) != 0);
    result.setStrikeOut((font.styleBits & FontStrikeOut) != 0);
    return result;
}

CanvasFont CanvasFontFromQFont(const QFont& font, Colour colour) {
    CanvasFont result;
    result.name = font.family();
    result.pointSize = font.pointSize() > 0 ? font.pointSize() : int(font.pointSizeF());
    result.colour = colour;
    // Anything heavier than normal counts as bold, as the stored style has no weights.
    result.styleBits = (font.weight() > QFont::Medium ? FontBold : 0) |
                       (font.italic() ? FontItalic : 0) | (font.underline() ? FontUnderline : 0) |
                       (font.strikeOut() ? FontStrikeOut : 0);
    return result;
}
