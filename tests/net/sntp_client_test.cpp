// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chrony_server.h"
#include "net/sntp_client.h"
#include "net_test_support.h"
#include "scripted_udp_peer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QDateTime PeerTime(QDate(2002, 12, 6), QTime(21, 30, 5), Qt::UTC);

qint64 PeerMicroseconds() {
    return PeerTime.toMSecsSinceEpoch() * 1000;
}

struct Exchange {
    explicit Exchange(int timeOut = 300) {
        client.Host = QStringLiteral("127.0.0.1");
        client.Port = peer.Port();
        client.TimeOut = timeOut;
    }
    ScriptedUdpPeer peer;
    TSntpClient client;
};

void During(int milliseconds, std::function<void()> action) {
    QTimer::singleShot(milliseconds, std::move(action));
}

} // namespace

TEST(NetSntpClient, Defaults) {
    TSntpClient client;
    EXPECT_EQ(client.Port, 123);
    EXPECT_EQ(client.TimeOut, 5000);
}

TEST(NetSntpClient, OneRequestGivesTheServersTime) {
    Exchange exchange;
    const SntpReading reading = exchange.client.GetTime();
    EXPECT_EQ(exchange.peer.Requests(), 1);
    const QByteArray request = exchange.peer.LastRequest();
    ASSERT_EQ(request.size(), SntpPacketSize);
    EXPECT_EQ(static_cast<unsigned char>(request[0]), 0x23) << "NTPv4 client mode";
    EXPECT_NE(request.mid(40), QByteArray(8, '\0'));

    const qint64 server = reading.ServerTimeAtReply();
    EXPECT_GE(server, PeerMicroseconds());
    EXPECT_LE(std::llabs(server - PeerMicroseconds() - reading.measurement.delayMicroseconds / 2),
              1)
        << "the server's time plus half the round trip";
    EXPECT_TRUE(reading.sinceReply.isValid());

    // A new request carries a new transmit timestamp.
    exchange.client.GetTime();
    EXPECT_NE(exchange.peer.LastRequest().mid(40), request.mid(40));
}

TEST(NetSntpClient, HalfTheRoundTripOfALateReplyIsAddedToTheServersTime) {
    Exchange exchange(5000);
    exchange.peer.SetDelay(400);
    const SntpReading reading = exchange.client.GetTime();
    EXPECT_GE(reading.measurement.delayMicroseconds, 400000);
    const qint64 added = reading.ServerTimeAtReply() - PeerMicroseconds();
    EXPECT_GE(added, 200000);
    EXPECT_LE(std::llabs(added - reading.measurement.delayMicroseconds / 2), 1);
}

TEST(NetSntpClient, RepliesACarefulClientDoesNotTake) {
    using Reply = ScriptedUdpPeer::Reply;
    enum class Ends { AtOnce, AfterTheTimeOut };
    struct Case {
        const char* what;
        Reply reply;
        const char* failure;
        Ends ends;
    };
    const Case cases[] = {
        {"kiss-o'-death", Reply::Kiss, "EReplyError: Server refused (kiss-o'-death)", Ends::AtOnce},
        {"leap indicator 3", Reply::LeapUnsynchronised, "EReplyError: Server not synchronised",
         Ends::AtOnce},
        // Not an answer to this request: the real one might still come.
        {"wrong originate timestamp", Reply::WrongOriginate, "EReplyError: No reply to our request",
         Ends::AfterTheTimeOut},
        {"short packet", Reply::ShortPacket, "EReplyError: No reply to our request",
         Ends::AfterTheTimeOut},
        // Not from the server asked at all.
        {"reply from another port", Reply::FromAnotherPort, "EAbortError: Connection Timed out",
         Ends::AfterTheTimeOut},
        {"silence", Reply::Silence, "EAbortError: Connection Timed out", Ends::AfterTheTimeOut},
    };
    for (const Case& sample : cases) {
        Exchange exchange;
        exchange.peer.SetReply(sample.reply);
        QElapsedTimer waited;
        waited.start();
        EXPECT_EQ(FailureOf([&] { exchange.client.GetTime(); }).toStdString(), sample.failure)
            << sample.what;
        EXPECT_EQ(exchange.peer.Requests(), 1) << sample.what;
        if (sample.ends == Ends::AfterTheTimeOut) {
            EXPECT_GE(waited.elapsed(), exchange.client.TimeOut) << sample.what;
        }
    }
}

TEST(NetSntpClient, NoServerAndNoHost) {
    Exchange closed;
    closed.client.Port = ScriptedUdpPeer::ClosedPort();
    const QString failure = FailureOf([&] { closed.client.GetTime(); });
    EXPECT_TRUE(failure.startsWith(QStringLiteral("EAbortError: Connection")))
        << failure.toStdString();

    Exchange unknown;
    unknown.client.Host = QStringLiteral("no-such-host.invalid");
    int asked = 0;
    unknown.client.OnInvalidHost = [&](bool& handled) {
        ++asked;
        handled = asked == 1;
        unknown.client.Host = QStringLiteral("still-no-such-host.invalid");
    };
    EXPECT_EQ(FailureOf([&] { unknown.client.GetTime(); }), "ESockError: Null Remote Address");
    EXPECT_EQ(asked, 1) << "asked once per request";
    EXPECT_EQ(unknown.peer.Requests(), 0);
}

TEST(NetSntpClient, CancelEndsTheWaitAndASecondRequestMustWait) {
    Exchange exchange(0); // the default five seconds
    exchange.peer.SetReply(ScriptedUdpPeer::Reply::Silence);
    QString second;
    During(50, [&] { second = FailureOf([&] { exchange.client.GetTime(); }); });
    During(100, [&] { exchange.client.Cancel(); });
    EXPECT_EQ(FailureOf([&] { exchange.client.GetTime(); }), "EAbortError: Connection Canceled");
    EXPECT_EQ(second, "ESockError: Already connected");
    EXPECT_EQ(exchange.peer.Requests(), 1);
}

TEST(NetSntpClient, AgainstChrony) {
    if (ChronyServer::Executable().isEmpty()) {
        GTEST_SKIP() << "chrony is not installed (Debian package chrony)";
    }
    ChronyServer chrony;
    const QString failure = chrony.Start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    TSntpClient client;
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = chrony.Port();
    const SntpReading reading = client.GetTime();
    // chronyd serves this machine's own clock.
    EXPECT_LT(std::llabs(reading.measurement.offsetMicroseconds), 1000000);
    EXPECT_GE(reading.measurement.delayMicroseconds, 0);
    const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1000;
    EXPECT_LT(std::llabs(reading.ServerTimeAtReply() - now), 5000000);
}

// Last: after the exit request no event loop of this process runs again.
TEST(NetSntpClient, TheProgramsExitEndsTheWaitAsACancel) {
    Exchange exchange(0);
    exchange.peer.SetReply(ScriptedUdpPeer::Reply::Silence);
    During(50, [] { QCoreApplication::exit(0); });
    EXPECT_EQ(FailureOf([&] { exchange.client.GetTime(); }), "EAbortError: Connection Canceled");
}
