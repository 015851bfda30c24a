// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "daytime_reply.h"

#include <optional>

namespace {

// The shortest reply that reaches every position read below.
constexpr qsizetype kMinimumLength = 37;

std::optional<int> Digit(const QString& reply, qsizetype position) {
    const char16_t code = reply.at(position).unicode();
    if (code < u'0' || code > u'9') {
        return std::nullopt;
    }
    return code - u'0';
}

std::optional<int> TwoDigits(const QString& reply, qsizetype position) {
    const auto tens = Digit(reply, position);
    const auto units = Digit(reply, position + 1);
    if (!tens || !units) {
        return std::nullopt;
    }
    return *tens * 10 + *units;
}

// The field is right-aligned, so a value below 100 leaves blanks in front; they read as 0.
std::optional<int> Milliseconds(const QString& reply) {
    if (reply.at(36) == QLatin1Char('.')) {
        return 0;
    }
    int value = 0;
    for (qsizetype position = 32; position <= 34; ++position) {
        int digit = 0;
        if (reply.at(position) != QLatin1Char(' ')) {
            const auto read = Digit(reply, position);
            if (!read) {
                return std::nullopt;
            }
            digit = *read;
        }
        value = value * 10 + digit;
    }
    return value;
}

} // namespace

DaytimeParseResult ParseDaytimeReply(const QString& reply) {
    DaytimeParseResult result;
    if (reply.size() < kMinimumLength) {
        return result;
    }
    const auto year = TwoDigits(reply, 7);
    const auto month = TwoDigits(reply, 10);
    const auto day = TwoDigits(reply, 13);
    const auto hour = TwoDigits(reply, 16);
    const auto minute = TwoDigits(reply, 19);
    const auto second = TwoDigits(reply, 22);
    const auto millisecond = Milliseconds(reply);
    if (!year || !month || !day || !hour || !minute || !second || !millisecond) {
        return result;
    }
    // The two-digit year is taken as the year YY itself, whose leap years fall exactly as
    // those of 20YY; year 0 does not exist.
    const QDate date(*year, *month, *day);
    if (*year == 0 || !date.isValid() || *hour > 23 || *minute > 59 || *second > 59) {
        return result;
    }
    result.reason = DaytimeParseReason::Ok;
    result.utc = QDateTime(QDate(date.year() + 2000, date.month(), date.day()),
                           QTime(*hour, *minute, *second, *millisecond), Qt::UTC);
    return result;
}
