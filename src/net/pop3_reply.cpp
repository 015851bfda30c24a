// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/pop3_reply.h"

#include "net/nth_word.h"

#include <algorithm>

bool Pop3Reply::IsPositive(const QString& line) {
    return line.startsWith(QLatin1String("+OK"));
}

std::optional<int> Pop3Reply::MessageCount(const QString& line) {
    QString bare = line;
    while (bare.endsWith(QLatin1Char('\n')) || bare.endsWith(QLatin1Char('\r'))) {
        bare.chop(1);
    }
    const QString word = NthWord(bare, QLatin1Char(' '), 2);
    if (word.isEmpty() || !std::all_of(word.begin(), word.end(), [](QChar character) {
            return character >= QLatin1Char('0') && character <= QLatin1Char('9');
        })) {
        return std::nullopt;
    }
    bool fits = false;
    const int count = word.toInt(&fits, 10);
    return fits ? std::optional<int>(count) : std::nullopt;
}
