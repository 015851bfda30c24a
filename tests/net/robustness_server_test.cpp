// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/daytime_client.h"
#include "net/daytime_reply.h"
#include "net/pop3_client.h"
#include "net_test_support.h"
#include "scripted_peer.h"

#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr int kTimeOut = 1000;
const QByteArray kMebibyteLine = "+OK " + QByteArray(1 << 20, 'x') + "\r\n";

// Resident memory of this process in bytes, from /proc.
qint64 ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    return statm.readAll().split(' ').value(1).toLongLong() * 4096;
}

// Counts the ticks of a clock-like timer while a fault plays out, and the memory it took.
struct FaultWatch {
    FaultWatch() {
        QObject::connect(&timer, &QTimer::timeout, [this] { ++ticks; });
        timer.start(20);
    }
    QTimer timer;
    int ticks = 0;
    qint64 residentBefore = ResidentBytes();
    qint64 Growth() const { return ResidentBytes() - residentBefore; }
};

enum class Waits { No, UntilTimeOut };

struct ServerCase {
    const char* name;
    std::function<void(ScriptedPeer&)> script;
    QString failure;
    Waits waits = Waits::No;
};

// The greeting, USER and PASS accepted; then whatever the case plays.
ScriptedPeer& LoggedIn(ScriptedPeer& peer) {
    return peer.Send("+OK ready\r\n")
        .Expect("USER alice")
        .Send("+OK\r\n")
        .Expect("PASS secret")
        .Send("+OK\r\n");
}

void SlowGreeting(ScriptedPeer& peer) {
    for (char byte : QByteArray("+OK ready\r\n")) {
        peer.Send(QByteArray(1, byte)).Pause(1000);
    }
}

QString RunPop3(const ServerCase& sample, FaultWatch& watch) {
    ScriptedPeer peer;
    sample.script(peer);
    TPop3Client client;
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = peer.Port();
    client.UserID = QStringLiteral("alice");
    client.Password = QStringLiteral("secret");
    client.TimeOut = kTimeOut;
    const QString failure = FailureOf([&] {
        client.Connect();
        client.Disconnect();
    });
    watch.timer.stop();
    EXPECT_FALSE(client.Connected());
    return failure;
}

TEST(RobustnessPop3Server, EveryFaultEndsWithItsFailureWhileTheClockTicks) {
    const ServerCase cases[] = {
        {"close before the greeting", [](ScriptedPeer& p) { p.Close(); }, "ENetError: "},
        {"close at USER", [](ScriptedPeer& p) { p.Send("+OK\r\n").Expect("USER alice").Close(); },
         "ENetError: Authentication failed"},
        {"close at PASS",
         [](ScriptedPeer& p) {
             p.Send("+OK\r\n").Expect("USER alice").Send("+OK\r\n").Expect("PASS secret").Close();
         },
         "ENetError: Authentication failed"},
        {"close at STAT", [](ScriptedPeer& p) { LoggedIn(p).Expect("STAT").Close(); },
         "ENetError: "},
        {"close at QUIT",
         [](ScriptedPeer& p) {
             LoggedIn(p).Expect("STAT").Send("+OK 1 2\r\n").Expect("QUIT").Close();
         },
         "ENetError: "},
        {"-ERR greeting", [](ScriptedPeer& p) { p.Send("-ERR no\r\n"); }, "ENetError: -ERR no\r\n"},
        {"-ERR at USER",
         [](ScriptedPeer& p) { p.Send("+OK\r\n").Expect("USER alice").Send("-ERR no\r\n"); },
         "ENetError: Authentication failed"},
        {"-ERR at PASS",
         [](ScriptedPeer& p) {
             p.Send("+OK\r\n")
                 .Expect("USER alice")
                 .Send("+OK\r\n")
                 .Expect("PASS secret")
                 .Send("-ERR no\r\n");
         },
         "ENetError: Authentication failed"},
        {"-ERR at STAT", [](ScriptedPeer& p) { LoggedIn(p).Expect("STAT").Send("-ERR no\r\n"); },
         "ENetError: -ERR no\r\n"},
        {"-ERR at QUIT",
         [](ScriptedPeer& p) {
             LoggedIn(p).Expect("STAT").Send("+OK 1 2\r\n").Expect("QUIT").Send("-ERR no\r\n");
         },
         "ENetError: -ERR no\r\n"},
        {"never answers", [](ScriptedPeer&) {}, "EAbortError: Socket readln aborted",
         Waits::UntilTimeOut},
        {"silent after PASS", [](ScriptedPeer& p) { LoggedIn(p).Expect("STAT"); },
         "EAbortError: Socket readln aborted", Waits::UntilTimeOut},
        {"one byte per second", SlowGreeting, "EAbortError: Socket readln aborted",
         Waits::UntilTimeOut},
        {"a 1 MiB greeting", [](ScriptedPeer& p) { p.Send(kMebibyteLine); },
         "ESockError: Line too long"},
        {"a 1 MiB STAT reply",
         [](ScriptedPeer& p) { LoggedIn(p).Expect("STAT").Send(kMebibyteLine); },
         "ESockError: Line too long"},
        {"NUL bytes and invalid UTF-8",
         [](ScriptedPeer& p) {
             p.Send(QByteArray("+OK \0\xff\xfe\r\n", 9))
                 .Expect("USER alice")
                 .Send(QByteArray("+OK\0\r\n", 6))
                 .Expect("PASS secret")
                 .Send("+OK \xc3\x28\r\n")
                 .Expect("STAT")
                 .Send(QByteArray("+OK 2 \0\xff\r\n", 10))
                 .Expect("QUIT")
                 .Send("+OK\r\n");
         },
         "none"},
        {"reset before the greeting", [](ScriptedPeer& p) { p.Reset(); },
         "EAbortError: Socket readln aborted", Waits::UntilTimeOut},
        {"reset at USER", [](ScriptedPeer& p) { p.Send("+OK\r\n").Expect("USER alice").Reset(); },
         "ENetError: Authentication failed"},
        {"reset at STAT", [](ScriptedPeer& p) { LoggedIn(p).Expect("STAT").Reset(); },
         "ENetError: "},
    };
    for (const ServerCase& sample : cases) {
        FaultWatch watch;
        EXPECT_EQ(RunPop3(sample, watch).toStdString(), sample.failure.toStdString())
            << sample.name;
        if (sample.waits == Waits::UntilTimeOut) {
            EXPECT_GE(watch.ticks, 5) << sample.name;
        }
        EXPECT_LT(watch.Growth(), 64 << 20) << sample.name;
    }
}

TEST(RobustnessDaytimeServer, EveryFaultEndsWithoutATimeToSet) {
    struct DaytimeCase {
        const char* name;
        std::function<void(ScriptedPeer&)> script;
        QString failure;
        Waits waits;
    };
    const DaytimeCase cases[] = {
        {"close at once", [](ScriptedPeer& p) { p.Close(); }, "EAbortError: Connection Failed",
         Waits::No},
        {"reset at once", [](ScriptedPeer& p) { p.Reset(); }, "EAbortError: Connection Timed out",
         Waits::UntilTimeOut},
        {"never answers", [](ScriptedPeer&) {}, "EAbortError: Connection Timed out",
         Waits::UntilTimeOut},
        {"one byte per second", SlowGreeting, "none", Waits::No},
        {"a 1 MiB line", [](ScriptedPeer& p) { p.Send(kMebibyteLine).Close(); }, "none", Waits::No},
        {"NUL bytes", [](ScriptedPeer& p) { p.Send(QByteArray(40, '\0')).Close(); }, "none",
         Waits::No},
        {"invalid UTF-8", [](ScriptedPeer& p) { p.Send(QByteArray(40, '\xff')).Close(); }, "none",
         Waits::No},
    };
    for (const DaytimeCase& sample : cases) {
        FaultWatch watch;
        ScriptedPeer peer;
        sample.script(peer);
        TDaytimeClient client;
        client.Host = QStringLiteral("127.0.0.1");
        client.Port = peer.Port();
        client.TimeOut = kTimeOut;
        QString reply;
        EXPECT_EQ(FailureOf([&] { reply = client.GetTimeStr(); }).toStdString(),
                  sample.failure.toStdString())
            << sample.name;
        watch.timer.stop();
        // Whatever arrived is no time the clock could be set to.
        EXPECT_NE(ParseDaytimeReply(reply).reason, DaytimeParseReason::Ok) << sample.name;
        EXPECT_LE(reply.toUtf8().size(), TSocketClient::BufferSize * 3) << sample.name;
        EXPECT_FALSE(client.Connected()) << sample.name;
        if (sample.waits == Waits::UntilTimeOut) {
            EXPECT_GE(watch.ticks, 5) << sample.name;
        }
        EXPECT_LT(watch.Growth(), 64 << 20) << sample.name;
    }
}

} // namespace
