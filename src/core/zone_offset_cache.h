// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"

#include <QtGlobal>
#include <functional>
#include <limits>

// The local time of the tick, read cheaply: the UTC time plus the zone's offset from UTC.
// Converting to local time asks the system's zone rules, and glibc looks at /etc/localtime
// again for every conversion. The offset only changes at a zone transition, and transitions
// fall on whole minutes, so it is asked for once per UTC minute: a changed zone shows at the
// next minute, and a changed system clock lands in another minute (and is asked about at
// once) or in the same one, whose offset still holds.
class ZoneOffsetCache {
public:
    // Gives the zone's offset from UTC in seconds at an instant (milliseconds since 1970 UTC).
    using OffsetRule = std::function<int(qint64 utcMSecs)>;

    explicit ZoneOffsetCache(OffsetRule offsetAt = SystemOffsetAt);

    ClockTime LocalTime(qint64 utcMSecs);

    // The system's rules, as QDateTime's local time applies them.
    static int SystemOffsetAt(qint64 utcMSecs);

private:
    OffsetRule offsetAt_;
    qint64 minute_ = std::numeric_limits<qint64>::min(); // the UTC minute the offset is for
    int offsetSeconds_ = 0;
};
