#pragma once

#include <QString>
#include <cstdint>

// A date and time in Japan Standard Time as read from a Daytime server.
struct DaytimeValue {
    std::uint16_t year = 0; // four digits
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t millisecond = 0;

    bool operator==(const DaytimeValue&) const = default;
};

enum class DaytimeParseReason {
    Ok,
    DateNotConvertible, // no calendar date, a time field out of range, or a reply too short
    RollOverFailed,     // the date after the move to Japan Standard Time is no date
};

struct DaytimeParseResult {
    DaytimeParseReason reason = DaytimeParseReason::DateNotConvertible;
    DaytimeValue value;
};

// Reads a reply in the NIST form ("\n52615 02-12-06 21:30:05 00 0 0 450.0 UTC(NIST) *\n")
// at its fixed positions and moves the UTC time nine hours on to Japan Standard Time.
DaytimeParseResult ParseDaytimeReply(const QString& reply);
