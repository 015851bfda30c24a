// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/zone_offset_cache.h"
#include "scoped_time_zone.h"

#include <QDateTime>
#include <QFileInfo>
#include <cstdint>
#include <ctime>
#include <gtest/gtest.h>
#include <string>

// The tick reads the local time as the UTC time plus an offset kept for the minute. It must
// give exactly what the system's local time gives, second by second, through the zone's
// transitions, and see a new zone by the next minute.
namespace {

bool ZoneInstalled(const char* zone) {
    return QFileInfo::exists(QStringLiteral("/usr/share/zoneinfo/") + QLatin1String(zone));
}

std::string Describe(const ClockTime& t) {
    return QStringLiteral("%1-%2-%3 %4:%5:%6.%7 day %8")
        .arg(t.year)
        .arg(t.month)
        .arg(t.day)
        .arg(t.hour)
        .arg(t.minute)
        .arg(t.second)
        .arg(t.millisecond)
        .arg(t.dayOfWeek)
        .toStdString();
}

qint64 Utc(int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC)
        .toMSecsSinceEpoch();
}

} // namespace

TEST(ZoneOffsetCache, ReadsWhatTheSystemsLocalTimeReadsThroughTransitions) {
    struct Transition {
        const char* zone;
        qint64 utc;
    };
    const Transition transitions[] = {
        {"Europe/Berlin", Utc(2024, 3, 31, 1, 0, 0)},     // 02:00 becomes 03:00
        {"Europe/Berlin", Utc(2024, 10, 27, 1, 0, 0)},    // 03:00 becomes 02:00
        {"America/St_Johns", Utc(2024, 3, 10, 5, 30, 0)}, // half-hour offset
        {"Asia/Kathmandu", Utc(1985, 12, 31, 18, 30, 0)}, // +5:30 becomes +5:45
        {"Asia/Tokyo", Utc(2002, 12, 31, 14, 59, 0)},     // the year turns, no transition
    };
    for (const Transition& transition : transitions) {
        if (!ZoneInstalled(transition.zone)) {
            GTEST_SKIP() << transition.zone << " is not installed (tzdata)";
        }
        ScopedTimeZone scope(transition.zone);
        ZoneOffsetCache cache;
        // A tick four times a second, two minutes either side of the transition.
        for (qint64 utc = transition.utc - 120'000; utc <= transition.utc + 120'000; utc += 250) {
            const ClockTime expected =
                ClockTime::FromDateTime(QDateTime::fromMSecsSinceEpoch(utc, Qt::LocalTime));
            const ClockTime read = cache.LocalTime(utc);
            ASSERT_EQ(Describe(read), Describe(expected)) << transition.zone << " at " << utc;
        }
    }
}

TEST(ZoneOffsetCache, SeesANewZoneAtTheNextMinute) {
    if (!ZoneInstalled("Asia/Tokyo")) {
        GTEST_SKIP() << "tzdata is not installed";
    }
    ScopedTimeZone scope("UTC");
    ZoneOffsetCache cache;
    EXPECT_EQ(cache.LocalTime(Utc(2010, 5, 1, 12, 0, 10)).hour, 12);
    ScopedTimeZone::Switch("Asia/Tokyo");
    EXPECT_EQ(cache.LocalTime(Utc(2010, 5, 1, 12, 0, 40)).hour, 12) << "the minute's offset";
    const ClockTime next = cache.LocalTime(Utc(2010, 5, 1, 12, 1, 0));
    EXPECT_EQ(next.hour, 21);
    EXPECT_EQ(next.minute, 1);
}

TEST(ZoneOffsetCache, AsksTheRulesOncePerMinuteAndAtOnceAfterTheClockIsSet) {
    int asked = 0;
    ZoneOffsetCache cache([&asked](qint64) {
        ++asked;
        return 3600;
    });
    const qint64 start = Utc(2010, 5, 1, 12, 0, 0);
    for (qint64 utc = start; utc < start + 60'000; utc += 250) {
        cache.LocalTime(utc);
    }
    EXPECT_EQ(asked, 1);
    cache.LocalTime(start + 60'000);
    EXPECT_EQ(asked, 2) << "the next minute";
    const ClockTime set = cache.LocalTime(start - 3 * 3600'000);
    EXPECT_EQ(asked, 3) << "the system clock set back three hours";
    EXPECT_EQ(set.hour, 10);
}

TEST(ClockTimeDecoding, LocalMillisecondsDecodeAsTheDateAndTimeDo) {
    // Every day of three centuries, at a time that moves through the day, and the
    // two-digit years that take 2000 + year.
    const QDate first(1900, 1, 1);
    const QDate last(2200, 12, 31);
    int step = 0;
    for (QDate date = first; date <= last; date = date.addDays(1), ++step) {
        const QTime time = QTime::fromMSecsSinceStartOfDay(
            static_cast<int>((std::int64_t{step} * 7919 * 1000 + step) % 86'400'000));
        const QDateTime local(date, time, Qt::UTC);
        const ClockTime expected = ClockTime::FromDateTime(local);
        const ClockTime decoded = ClockTime::FromLocalMSecs(local.toMSecsSinceEpoch());
        ASSERT_EQ(Describe(decoded), Describe(expected))
            << date.toString(Qt::ISODate).toStdString();
    }
    for (const QDate date :
         {QDate(50, 6, 1), QDate(99, 12, 31), QDate(100, 1, 1), QDate(-5, 3, 1)}) {
        const QDateTime local(date, QTime(13, 14, 15, 16), Qt::UTC);
        EXPECT_EQ(Describe(ClockTime::FromLocalMSecs(local.toMSecsSinceEpoch())),
                  Describe(ClockTime::FromDateTime(local)))
            << date.year();
    }
}
