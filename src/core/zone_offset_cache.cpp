// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/zone_offset_cache.h"

#include <QDateTime>

namespace {

constexpr qint64 MSecsPerMinute = 60 * 1000;

qint64 MinuteOf(qint64 utcMSecs) {
    return utcMSecs >= 0 ? utcMSecs / MSecsPerMinute : -((-utcMSecs - 1) / MSecsPerMinute) - 1;
}

} // namespace

ZoneOffsetCache::ZoneOffsetCache(OffsetRule offsetAt) : offsetAt_(std::move(offsetAt)) {}

int ZoneOffsetCache::SystemOffsetAt(qint64 utcMSecs) {
    return QDateTime::fromMSecsSinceEpoch(utcMSecs, Qt::LocalTime).offsetFromUtc();
}

ClockTime ZoneOffsetCache::LocalTime(qint64 utcMSecs) {
    const qint64 minute = MinuteOf(utcMSecs);
    if (minute != minute_) {
        offsetSeconds_ = offsetAt_(utcMSecs);
        minute_ = minute;
    }
    return ClockTime::FromLocalMSecs(utcMSecs + qint64(offsetSeconds_) * 1000);
}
