// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

enum class DaytimeParseReason {
    Ok,
    DateNotConvertible, // no calendar date, a time field out of range, or a reply too short
};

struct DaytimeParseResult {
    DaytimeParseReason reason = DaytimeParseReason::DateNotConvertible;
    QDateTime utc; // the server's time, in UTC; valid only when the reply was read
};

// Reads a reply in the NIST form ("\n52615 02-12-06 21:30:05 00 0 0 450.0 UTC(NIST) *\n")
// at its fixed positions. The reply gives UTC; turning it into the computer's local time is
// left to the zone rules of the system.
DaytimeParseResult ParseDaytimeReply(const QString& reply);
