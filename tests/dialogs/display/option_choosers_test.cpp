// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_background_page.h"
#include "dialogs/option_font_conversion.h"
#include "dialogs/option_font_dialog.h"
#include "dialogs/standard_choosers.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayChoosers, PictureFilterOffersBothCases) {
    EXPECT_EQ(OptionBackgroundPage::PictureFilter(),
              QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟ (*.BMP *.bmp);;JPEG (*.JPG *.jpg)"));
    EXPECT_EQ(StandardChoosers::QtFilterFrom(QStringLiteral("Wave|*.wav;*.WAV")),
              QStringLiteral("Wave (*.wav *.WAV)"));
}

TEST(DisplayChoosers, StyleBitsSurviveTheWayThroughQFont) {
    for (int bits = 0; bits < 16; ++bits) {
        const CanvasFont stored{QStringLiteral("IPAPGothic"), 14, 0x00123456, bits};
        const QFont font = QFontFromCanvasFont(stored);
        EXPECT_EQ(font.bold(), (bits & FontBold) != 0) << bits;
        EXPECT_EQ(font.italic(), (bits & FontItalic) != 0) << bits;
        EXPECT_EQ(font.underline(), (bits & FontUnderline) != 0) << bits;
        EXPECT_EQ(font.strikeOut(), (bits & FontStrikeOut) != 0) << bits;
        const CanvasFont back = CanvasFontFromQFont(font, stored.colour);
        EXPECT_EQ(back.styleBits, bits);
        EXPECT_EQ(back.pointSize, 14);
        EXPECT_EQ(back.name, QStringLiteral("IPAPGothic"));
        EXPECT_EQ(back.colour, 0x00123456u);
    }
}

// The font chooser, not run: it starts from the stored font and colour and hands them back.
// Underline and strikeout are effects; bold and italic depend on the styles a font offers.
TEST(DisplayChoosers, FontDialogStartsFromTheStoredFont) {
    const CanvasFont stored{QStringLiteral("IPAPGothic"), 20, 0x000000FF,
                            FontUnderline | FontStrikeOut};
    OptionFontDialog dialog(stored);
    const CanvasFont chosen = dialog.ChosenFont();
    EXPECT_EQ(chosen.pointSize, 20);
    EXPECT_EQ(chosen.colour, 0x000000FFu);
    EXPECT_EQ(chosen.styleBits, FontUnderline | FontStrikeOut);
    EXPECT_EQ(chosen.name, QStringLiteral("IPAPGothic"));
}

} // namespace
