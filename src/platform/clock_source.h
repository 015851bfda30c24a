// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "core/zone_offset_cache.h"

#include <QDateTime>
#include <cstdint>

// The local date and time the clock reads once per tick. The real one asks the system;
// tests and `--render --at` give a fixed instant.
class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual QDateTime Now() const = 0;
    // Now(), as milliseconds since the epoch: where the seconds begin.
    virtual std::int64_t MillisecondsSinceEpoch() const { return Now().toMSecsSinceEpoch(); }
    // Now(), decoded for the tick.
    virtual ClockTime ReadClockTime() const { return ClockTime::FromDateTime(Now()); }
};

class SystemClockSource : public ClockSource {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
    std::int64_t MillisecondsSinceEpoch() const override {
        return QDateTime::currentMSecsSinceEpoch();
    }
    // On every tick: the UTC time and a zone offset kept for the minute.
    ClockTime ReadClockTime() const override {
        return zone_.LocalTime(QDateTime::currentMSecsSinceEpoch());
    }

private:
    mutable ZoneOffsetCache zone_;
};

class FixedClockSource : public ClockSource {
public:
    explicit FixedClockSource(QDateTime instant) : instant_(std::move(instant)) {}
    QDateTime Now() const override { return instant_; }
    void Set(const QDateTime& instant) { instant_ = instant; }

private:
    QDateTime instant_;
};
