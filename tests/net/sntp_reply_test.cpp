// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/sntp_reply.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

constexpr NtpTimestamp Nonce = 0x1122334455667788;

qint64 UnixMicroseconds(const QDateTime& utc) {
    return utc.toMSecsSinceEpoch() * 1000;
}

void Put(QByteArray& packet, int offset, NtpTimestamp value) {
    for (int i = 7; i >= 0; --i) {
        packet[offset + i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

// A server's reply to the request that carried Nonce, as a well-behaved server sends it.
QByteArray GoodReply() {
    QByteArray packet(SntpPacketSize, '\0');
    packet[0] = static_cast<char>((0 << 6) | (4 << 3) | 4);
    packet[1] = 2;
    Put(packet, 24, Nonce);
    Put(packet, 32, 0xC19B955D80000000); // 2002-12-06 21:30:05.5
    Put(packet, 40, 0xC19B955DC0000000); // .75
    return packet;
}

} // namespace

TEST(NetSntpReply, TimestampsAcrossBothEras) {
    struct Case {
        const char* what;
        NtpTimestamp ntp;
        QDateTime utc;
    };
    const Case cases[] = {
        {"the Unix epoch", 0x83AA7E8000000000, QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC)},
        {"a reply of 2002", 0xC19B955D80000000,
         QDateTime(QDate(2002, 12, 6), QTime(21, 30, 5, 500), Qt::UTC)},
        {"the last second of era 0", 0xFFFFFFFF00000000,
         QDateTime(QDate(2036, 2, 7), QTime(6, 28, 15), Qt::UTC)},
        {"the first second of era 1", 0x0000000000000000,
         QDateTime(QDate(2036, 2, 7), QTime(6, 28, 16), Qt::UTC)},
        {"2040 in era 1", 0x0754FD0000000000, QDateTime(QDate(2040, 1, 1), QTime(0, 0), Qt::UTC)},
    };
    for (const Case& sample : cases) {
        EXPECT_EQ(NtpToUnixMicroseconds(sample.ntp), UnixMicroseconds(sample.utc)) << sample.what;
        EXPECT_EQ(UnixMicrosecondsToNtp(UnixMicroseconds(sample.utc)), sample.ntp) << sample.what;
    }
    // Every microsecond survives the way there and back.
    for (const qint64 microseconds :
         {qint64(1039210205000001), qint64(1039210205999999), qint64(2085978496123456)}) {
        EXPECT_EQ(NtpToUnixMicroseconds(UnixMicrosecondsToNtp(microseconds)), microseconds);
    }
}

TEST(NetSntpReply, ARequestIsAnNtpV4ClientPacketCarryingTheNonce) {
    const QByteArray request = SntpRequest(Nonce);
    ASSERT_EQ(request.size(), SntpPacketSize);
    EXPECT_EQ(static_cast<unsigned char>(request[0]), 0x23) << "LI 0, version 4, mode 3";
    EXPECT_EQ(request.mid(1, 39), QByteArray(39, '\0'));
    EXPECT_EQ(request.mid(40).toHex(), QByteArray("1122334455667788"));
}

TEST(NetSntpReply, ChecksWhatACarefulClientChecks) {
    struct Case {
        const char* what;
        std::function<void(QByteArray&)> change;
        SntpReplyCheck expected;
        bool answersOurRequest;
    };
    const auto first = [](int leap, int version, int mode) {
        return static_cast<char>((leap << 6) | (version << 3) | mode);
    };
    const std::vector<Case> cases = {
        {"a good reply", [](QByteArray&) {}, SntpReplyCheck::Ok, true},
        {"with extension fields", [](QByteArray& p) { p.append(20, '\x7f'); }, SntpReplyCheck::Ok,
         true},
        {"version 3", [&](QByteArray& p) { p[0] = first(0, 3, 4); }, SntpReplyCheck::Ok, true},
        {"leap second ahead", [&](QByteArray& p) { p[0] = first(1, 4, 4); }, SntpReplyCheck::Ok,
         true},
        {"stratum 15", [](QByteArray& p) { p[1] = 15; }, SntpReplyCheck::Ok, true},
        {"47 bytes", [](QByteArray& p) { p.chop(1); }, SntpReplyCheck::TooShort, false},
        {"empty", [](QByteArray& p) { p.clear(); }, SntpReplyCheck::TooShort, false},
        {"another originate", [](QByteArray& p) { p[31] = char(p[31] ^ 1); },
         SntpReplyCheck::NotOurRequest, false},
        {"client mode echoed", [&](QByteArray& p) { p[0] = first(0, 4, 3); },
         SntpReplyCheck::NotServerMode, true},
        {"broadcast mode", [&](QByteArray& p) { p[0] = first(0, 4, 5); },
         SntpReplyCheck::NotServerMode, true},
        {"version 0", [&](QByteArray& p) { p[0] = first(0, 0, 4); }, SntpReplyCheck::BadVersion,
         true},
        {"version 5", [&](QByteArray& p) { p[0] = first(0, 5, 4); }, SntpReplyCheck::BadVersion,
         true},
        {"kiss-o'-death", [](QByteArray& p) { p[1] = 0; }, SntpReplyCheck::Kiss, true},
        {"stratum 16", [](QByteArray& p) { p[1] = 16; }, SntpReplyCheck::BadStratum, true},
        {"stratum 255", [](QByteArray& p) { p[1] = char(255); }, SntpReplyCheck::BadStratum, true},
        {"leap indicator 3", [&](QByteArray& p) { p[0] = first(3, 4, 4); },
         SntpReplyCheck::Unsynchronised, true},
        {"no transmit time", [](QByteArray& p) { Put(p, 40, 0); }, SntpReplyCheck::NoTimestamps,
         true},
        {"no receive time", [](QByteArray& p) { Put(p, 32, 0); }, SntpReplyCheck::NoTimestamps,
         true},
    };
    for (const Case& sample : cases) {
        QByteArray packet = GoodReply();
        sample.change(packet);
        const SntpReply reply = CheckSntpReply(packet, Nonce);
        EXPECT_EQ(reply.check, sample.expected) << sample.what;
        EXPECT_EQ(AnswersOurRequest(reply.check), sample.answersOurRequest) << sample.what;
    }
    const SntpReply good = CheckSntpReply(GoodReply(), Nonce);
    EXPECT_EQ(good.receive, 0xC19B955D80000000u);
    EXPECT_EQ(good.transmit, 0xC19B955DC0000000u);
    EXPECT_EQ(good.stratum, 2);
}

TEST(NetSntpReply, OffsetAndDelayFromTheFourTimestamps) {
    struct Case {
        const char* what;
        qint64 t1, t2, t3, t4;
        qint64 offset, delay;
    };
    const Case cases[] = {
        {"clocks agree, 20 ms each way", 0, 20000, 20000, 40000, 0, 40000},
        {"server 1 s ahead", 0, 1010000, 1010000, 20000, 1000000, 20000},
        {"server 1 s behind, 5 ms to answer", 0, -990000, -985000, 25000, -1000000, 20000},
        // Out slow, back fast: the offset errs by half the difference, as RFC 4330 says.
        {"asymmetric path", 0, 30000, 30000, 40000, 10000, 40000},
        {"a held reply looks like delay", 1000000, 1000000, 1000000, 1400000, -200000, 400000},
    };
    for (const Case& sample : cases) {
        const SntpMeasurement measured =
            MeasureSntpExchange(sample.t1, sample.t2, sample.t3, sample.t4);
        EXPECT_EQ(measured.offsetMicroseconds, sample.offset) << sample.what;
        EXPECT_EQ(measured.delayMicroseconds, sample.delay) << sample.what;
    }
}
