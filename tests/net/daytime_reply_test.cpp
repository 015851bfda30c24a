// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/daytime_reply.h"
#include "net_test_support.h"

#include <gtest/gtest.h>

namespace {

QDateTime Utc(int year, int month, int day, int hour, int minute, int second, int ms) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), Qt::UTC);
}

} // namespace

TEST(NetDaytimeReply, ReadsTheUtcTime) {
    struct Case {
        const char* date;
        const char* time;
        const char* milliseconds;
        QDateTime expected;
    };
    for (const Case& sample : {
             Case{"02-12-06", "21:30:05", "450.0", Utc(2002, 12, 6, 21, 30, 5, 450)},
             Case{"02-12-31", "23:59:59", "450.0", Utc(2002, 12, 31, 23, 59, 59, 450)},
             Case{"04-02-29", "00:00:00", "100.0", Utc(2004, 2, 29, 0, 0, 0, 100)},
             Case{"01-01-01", "00:00:00", "100.0", Utc(2001, 1, 1, 0, 0, 0, 100)},
             Case{"99-12-31", "20:00:00", "100.0", Utc(2099, 12, 31, 20, 0, 0, 100)},
             // The field is right-aligned: blanks in front read as zero.
             Case{"02-12-06", "21:30:05", " 45.0", Utc(2002, 12, 6, 21, 30, 5, 45)},
             Case{"02-12-06", "21:30:05", "  5.0", Utc(2002, 12, 6, 21, 30, 5, 5)},
             // A point at the last position of the field means no milliseconds.
             Case{"02-12-06", "21:30:05", "4567.", Utc(2002, 12, 6, 21, 30, 5, 0)},
         }) {
        const DaytimeParseResult result = ParseDaytimeReply(
            NistReply(QString::fromLatin1(sample.date), QString::fromLatin1(sample.time),
                      QString::fromLatin1(sample.milliseconds)));
        EXPECT_EQ(result.reason, DaytimeParseReason::Ok) << sample.date << ' ' << sample.time;
        EXPECT_EQ(result.utc, sample.expected) << sample.date << ' ' << sample.time;
        EXPECT_EQ(result.utc.timeSpec(), Qt::UTC) << sample.date << ' ' << sample.time;
    }
}

TEST(NetDaytimeReply, RejectsWhatIsNoDateOrTime) {
    struct Case {
        const char* date;
        const char* time;
        const char* milliseconds;
    };
    for (const Case& sample : {
             Case{"00-01-01", "12:00:00", "450.0"}, // year 0 does not exist
             Case{"02-02-29", "12:00:00", "450.0"}, // 2002 is no leap year
             Case{"02-13-01", "12:00:00", "450.0"},
             Case{"02-00-01", "12:00:00", "450.0"},
             Case{"02-04-31", "12:00:00", "450.0"},
             Case{"02-04-00", "12:00:00", "450.0"},
             Case{"0x-04-01", "12:00:00", "450.0"},
             Case{"02-04-01", "24:00:00", "450.0"},
             Case{"02-04-01", "12:60:00", "450.0"},
             Case{"02-04-01", "12:00:60", "450.0"},
             Case{"02-04-01", "1a:00:00", "450.0"},
             Case{"02-04-01", "12:0 :00", "450.0"},
             Case{"02-04-01", "12:00:00", "4x0.0"},
         }) {
        const DaytimeParseResult result = ParseDaytimeReply(
            NistReply(QString::fromLatin1(sample.date), QString::fromLatin1(sample.time),
                      QString::fromLatin1(sample.milliseconds)));
        EXPECT_EQ(result.reason, DaytimeParseReason::DateNotConvertible)
            << sample.date << ' ' << sample.time << ' ' << sample.milliseconds;
    }
}

TEST(NetDaytimeReply, ShortRepliesAreNotConvertible) {
    const QString full = NistReply("02-12-06", "21:30:05", "450.0");
    EXPECT_EQ(ParseDaytimeReply(full.left(37)).reason, DaytimeParseReason::Ok);
    for (const qsizetype length : {0, 1, 24, 36}) {
        EXPECT_EQ(ParseDaytimeReply(full.left(length)).reason,
                  DaytimeParseReason::DateNotConvertible)
            << length;
    }
}
