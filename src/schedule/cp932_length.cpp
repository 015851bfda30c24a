// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/cp932_length.h"

namespace {

int BytesOf(char32_t codePoint, LineBreakBytes lineBreaks) {
    if (codePoint == U'\n' && lineBreaks == LineBreakBytes::Two) {
        return 2;
    }
    const bool singleByte = codePoint < 0x80 || (codePoint >= 0xFF61 && codePoint <= 0xFF9F);
    return singleByte ? 1 : 2;
}

// The code point starting at `index` and how many UTF-16 units it takes.
char32_t CodePointAt(const QString& text, int index, int& units) {
    const QChar first = text.at(index);
    if (first.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(first, text.at(index + 1));
    }
    units = 1;
    return first.unicode();
}

} // namespace

int Cp932ByteCount(const QString& text, LineBreakBytes lineBreaks) {
    int bytes = 0;
    for (int i = 0; i < text.size();) {
        int units = 0;
        bytes += BytesOf(CodePointAt(text, i, units), lineBreaks);
        i += units;
    }
    return bytes;
}

int Cp932FittingLength(const QString& text, int availableBytes, LineBreakBytes lineBreaks) {
    int used = 0;
    int i = 0;
    while (i < text.size()) {
        int units = 0;
        const int bytes = BytesOf(CodePointAt(text, i, units), lineBreaks);
        if (used + bytes > availableBytes) {
            break;
        }
        used += bytes;
        i += units;
    }
    return i;
}
