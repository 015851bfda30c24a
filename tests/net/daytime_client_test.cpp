// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "full_backlog_listener.h"
#include "net/daytime_client.h"
#include "net/daytime_reply.h"
#include "net_test_support.h"
#include "scripted_peer.h"

#include <gtest/gtest.h>

namespace {

struct TimeServer {
    explicit TimeServer(int timeOut = 500) {
        client.Host = QStringLiteral("127.0.0.1");
        client.Port = peer.Port();
        client.TimeOut = timeOut;
        client.ReportLevel = 2;
    }
    ScriptedPeer peer;
    TDaytimeClient client;
};

} // namespace

TEST(NetDaytimeClient, Defaults) {
    TDaytimeClient client;
    EXPECT_EQ(client.Port, 13);
    EXPECT_EQ(client.TimeOut, 500);
}

TEST(NetDaytimeClient, ReadsANistReplyAndDisconnects) {
    TimeServer server;
    const QString reply = NistReply("02-12-06", "21:30:05", "450.0");
    server.peer.Pause(30).Send(reply.toLatin1()).Close();
    const QString text = server.client.GetTimeStr();
    EXPECT_EQ(text, reply);
    EXPECT_FALSE(server.client.Connected());
    const DaytimeParseResult parsed = ParseDaytimeReply(text);
    ASSERT_EQ(parsed.reason, DaytimeParseReason::Ok);
    EXPECT_EQ(parsed.utc, QDateTime(QDate(2002, 12, 6), QTime(21, 30, 5, 450), Qt::UTC));
    EXPECT_TRUE(server.peer.Received().isEmpty()) << "a Daytime client sends nothing";
}

TEST(NetDaytimeClient, AReplyInSeveralPiecesIsReadWhole) {
    const QByteArray reply = NistReply("02-12-06", "21:30:05", "450.0").toLatin1();
    const QByteArray head = reply.left(12);
    const QByteArray tail = reply.mid(12);
    struct Case {
        const char* what;
        std::function<void(ScriptedPeer&)> script;
        QByteArray expected;
    };
    const std::vector<Case> cases = {
        {"two segments, then the close",
         [&](ScriptedPeer& peer) { peer.Send(head).Pause(100).Send(tail).Close(); }, reply},
        {"two segments, connection left open",
         [&](ScriptedPeer& peer) { peer.Send(head).Pause(100).Send(tail); }, reply},
        {"no line end, then the close",
         [&](ScriptedPeer& peer) { peer.Send(head).Pause(100).Send("rest").Close(); },
         head + "rest"},
        // What has come when the time-out ends is the reply.
        {"no line end, connection left open", [&](ScriptedPeer& peer) { peer.Send(head); }, head},
    };
    for (const Case& sample : cases) {
        TimeServer server;
        sample.script(server.peer);
        EXPECT_EQ(server.client.GetTimeStr(), QString::fromLatin1(sample.expected)) << sample.what;
        EXPECT_FALSE(server.client.Connected()) << sample.what;
    }
}

TEST(NetDaytimeClient, CanBeCalledAgain) {
    TimeServer first;
    first.peer.Send("one\n");
    EXPECT_EQ(first.client.GetTimeStr(), QStringLiteral("one\n"));
    ScriptedPeer second;
    second.Send("two\n");
    first.client.Port = second.Port();
    EXPECT_EQ(first.client.GetTimeStr(), QStringLiteral("two\n"));
}

TEST(NetDaytimeClient, FailuresEndTheCallAndLeaveItDisconnected) {
    struct Case {
        const char* what;
        std::function<void(TimeServer&)> arrange;
        const char* failure;
    };
    const std::vector<Case> cases = {
        {"silent server", [](TimeServer&) {}, "EAbortError: Connection Timed out"},
        {"close without data", [](TimeServer& s) { s.peer.Pause(30).Close(); },
         "EAbortError: Connection Failed"},
        {"reset without data", [](TimeServer& s) { s.peer.Pause(30).Reset(); },
         "EAbortError: Connection Failed"},
        // Refused at once rather than after the whole time-out.
        {"refused", [](TimeServer& s) { s.client.Port = ScriptedPeer::ClosedPort(); },
         "EAbortError: Connection Failed"},
        {"unresolvable host",
         [](TimeServer& s) { s.client.Host = QStringLiteral("no-such-host.invalid"); },
         "ESockError: Null Remote Address"},
    };
    for (const Case& sample : cases) {
        TimeServer server;
        sample.arrange(server);
        EXPECT_EQ(FailureOf([&] { server.client.GetTimeStr(); }), sample.failure) << sample.what;
        EXPECT_FALSE(server.client.Connected()) << sample.what;
    }
}

TEST(NetDaytimeClient, InvalidHostHandlerIsCalledOnce) {
    TimeServer server;
    server.client.Host = QStringLiteral("no-such-host.invalid");
    int offered = 0;
    server.client.OnInvalidHost = [&](bool&) { ++offered; };
    EXPECT_EQ(FailureOf([&] { server.client.GetTimeStr(); }), "ESockError: Null Remote Address");
    EXPECT_EQ(offered, 1);
}

TEST(NetDaytimeClient, PendingConnectTimesOut) {
    FullBacklogListener listener;
    if (!listener.IsReady()) {
        GTEST_SKIP() << "cannot make a connect that stays pending on this system";
    }
    TDaytimeClient client;
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = listener.Port();
    client.TimeOut = 200;
    EXPECT_EQ(FailureOf([&] { client.GetTimeStr(); }), "EAbortError: Connection Timed out");
}
