// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/font_substitution.h"

#include <QFont>

void InstallFontSubstitutions() {
    struct Mapping {
        const char16_t* named;
        const char* installed;
    };
    static constexpr Mapping mappings[] = {
        {u"ＭＳ Ｐ明朝", "IPAPMincho"},
        {u"ＭＳ Ｐゴシック", "IPAPGothic"},
        {u"ＭＳ 明朝", "IPAMincho"},
        {u"ＭＳ ゴシック", "IPAGothic"},
    };
    for (const Mapping& mapping : mappings) {
        QFont::insertSubstitution(QString::fromUtf16(mapping.named),
                                  QString::fromLatin1(mapping.installed));
    }
}
