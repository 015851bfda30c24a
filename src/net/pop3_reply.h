// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// Reading the lines a POP3 server answers with.
class Pop3Reply {
public:
    // A positive reply starts with "+OK"; anything else ("-ERR", a stray line) refuses.
    static bool IsPositive(const QString& line);
    // The message count of a positive STAT reply ("+OK 3 4512"): a decimal number of digits
    // only; nothing when the server sent no count, a negative one or one too large.
    static std::optional<int> MessageCount(const QString& line);
};
