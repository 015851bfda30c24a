// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "full_backlog_listener.h"
#include "net/connection_attempts.h"
#include "net/socket_client.h"
#include "net_test_support.h"
#include "scripted_peer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTcpServer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A client connected to a scripted peer by its dotted address.
struct Connection {
    explicit Connection(int timeOut = 2000) {
        client.Host = QStringLiteral("127.0.0.1");
        client.Port = peer.Port();
        client.TimeOut = timeOut;
    }
    ScriptedPeer peer;
    TSocketClient client;
};

// Runs action from the event loop once the current wait has started.
void During(int milliseconds, std::function<void()> action) {
    QTimer::singleShot(milliseconds, std::move(action));
}

} // namespace

TEST(NetSocketReadLn, JoinsAReplySplitOverSeveralSegments) {
    Connection connection;
    connection.peer.Send("+OK 2 3").Pause(50).Send("20").Pause(50).Send("\r\n");
    connection.client.Connect();
    EXPECT_EQ(connection.client.ReadLn(), QStringLiteral("+OK 2 320\r\n"));
}

TEST(NetSocketReadLn, ReturnsOneLineAtATimeWithItsTerminator) {
    Connection connection;
    connection.peer.Send("first\r\nsecond\nthird");
    connection.client.Connect();
    EXPECT_EQ(connection.client.ReadLn(), QStringLiteral("first\r\n"));
    EXPECT_EQ(connection.client.ReadLn(), QStringLiteral("second\n"));
    EXPECT_TRUE(connection.client.DataAvailable());
}

TEST(NetSocketReadLn, PeerClosingWithoutSendingGivesAnEmptyLine) {
    Connection connection;
    connection.peer.Pause(50).Close();
    connection.client.Connect();
    EXPECT_EQ(FailureOf([&] { EXPECT_EQ(connection.client.ReadLn(), QString()); }), "none");
    EXPECT_FALSE(connection.client.Connected());
}

TEST(NetSocketReadLn, LinesSentBeforeTheCloseAreStillRead) {
    Connection connection;
    connection.peer.Send("+OK bye\r\n").Close();
    connection.client.Connect();
    EXPECT_EQ(connection.client.ReadLn(), QStringLiteral("+OK bye\r\n"));
    EXPECT_EQ(connection.client.ReadLn(), QString());
}

TEST(NetSocketReadLn, PeerResetEndsTheReadWithoutAnException) {
    Connection connection;
    connection.peer.Pause(50).Reset();
    connection.client.Connect();
    EXPECT_EQ(FailureOf([&] { EXPECT_EQ(connection.client.ReadLn(), QString()); }), "none");
    EXPECT_FALSE(connection.client.Connected());
}

TEST(NetSocketReadLn, SilentServerTimesOut) {
    Connection connection(200);
    connection.client.Connect();
    EXPECT_EQ(FailureOf([&] { connection.client.ReadLn(); }), "EAbortError: Socket readln aborted");
    EXPECT_TRUE(connection.client.TimedOut());
    EXPECT_FALSE(connection.client.Canceled()) << "the abort clears the cancel mark";
    EXPECT_FALSE(connection.client.Timer().IsRunning());
}

TEST(NetSocketReadLn, TimeOutZeroNeverStartsTheTimerAndCancelEndsTheWait) {
    Connection connection(0);
    connection.client.Connect();
    bool timerRan = true;
    During(100, [&] {
        timerRan = connection.client.Timer().IsRunning();
        connection.client.Cancel();
    });
    EXPECT_EQ(FailureOf([&] { connection.client.ReadLn(); }), "EAbortError: Socket readln aborted");
    EXPECT_FALSE(timerRan);
    EXPECT_FALSE(connection.client.TimedOut());
}

TEST(NetSocketReadLn, ACancelSetBeforehandAbortsEvenWithALineWaiting) {
    Connection connection;
    connection.peer.Send("+OK\r\n");
    connection.client.Connect();
    connection.client.Cancel();
    EXPECT_EQ(FailureOf([&] { connection.client.ReadLn(); }), "EAbortError: Socket readln aborted");
    EXPECT_EQ(connection.client.ReadLn(), QStringLiteral("+OK\r\n"));
}

TEST(NetSocketReadLn, OtherTimersKeepFiringDuringTheWait) {
    Connection connection(300);
    connection.client.Connect();
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);
    EXPECT_NE(FailureOf([&] { connection.client.ReadLn(); }), "none");
    EXPECT_GT(ticks, 0);
}

TEST(NetSocketReadLn, LineLengthLimit) {
    struct Case {
        int length; // including the LF
        const char* failure;
    };
    for (const Case& sample : {Case{TSocketClient::BufferSize, "none"},
                               Case{TSocketClient::BufferSize + 1, "ESockError: Line too long"},
                               Case{200000, "ESockError: Line too long"}}) {
        Connection connection;
        connection.peer.Send(QByteArray(sample.length - 1, 'x') + '\n');
        connection.client.Connect();
        QString line;
        EXPECT_EQ(FailureOf([&] { line = connection.client.ReadLn(); }), sample.failure)
            << sample.length;
        if (QString(sample.failure) == "none") {
            EXPECT_EQ(line.size(), sample.length);
        }
    }
}

TEST(NetSocketConnect, DottedAddressNeedsNoLookup) {
    Connection connection;
    int resolved = 0;
    connection.client.OnHostResolved = [&](TSocketClient&) { ++resolved; };
    connection.client.Connect();
    EXPECT_TRUE(connection.client.Connected());
    EXPECT_EQ(connection.client.RemoteAddress(), QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(resolved, 0);
}

TEST(NetSocketConnect, HostNameIsLookedUp) {
    Connection connection;
    connection.client.Host = QStringLiteral("localhost");
    int resolved = 0;
    connection.client.OnHostResolved = [&](TSocketClient&) { ++resolved; };
    connection.client.Connect();
    EXPECT_TRUE(connection.client.Connected());
    EXPECT_EQ(resolved, 1);
    EXPECT_EQ(connection.client.RemoteAddress(), QHostAddress(QHostAddress::LocalHost));
}

TEST(NetSocketConnect, IPv6AddressConnectsWithOrWithoutBrackets) {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHostIPv6, 0)) {
        GTEST_SKIP() << "this system has no IPv6 loopback";
    }
    for (const char* host : {"::1", "[::1]", "0:0:0:0:0:0:0:1"}) {
        TSocketClient client;
        client.Host = QString::fromLatin1(host);
        client.Port = server.serverPort();
        client.TimeOut = 2000;
        int resolved = 0;
        client.OnHostResolved = [&](TSocketClient&) { ++resolved; };
        client.Connect();
        EXPECT_TRUE(client.Connected()) << host;
        EXPECT_EQ(client.RemoteAddress(), QHostAddress(QHostAddress::LocalHostIPv6)) << host;
        EXPECT_EQ(resolved, 0) << "an address needs no lookup";
    }
}

namespace {

struct RaceResult {
    QHostAddress connected;
    bool allFailed = false;
    int errorNumber = 0;
};

// Races the addresses as Connect does, until one connects, all fail, or 5 s have passed.
RaceResult Race(const QList<QHostAddress>& addresses, quint16 port) {
    QEventLoop loop;
    ConnectionAttempts attempts(
        addresses, port, [] { return new QTcpSocket; }, [&loop] { loop.quit(); });
    bool expired = false;
    QTimer::singleShot(5000, &loop, [&] {
        expired = true;
        loop.quit();
    });
    attempts.Start();
    while (!attempts.Connected() && !attempts.AllFailed() && !expired) {
        loop.exec();
    }
    RaceResult result;
    result.allFailed = attempts.AllFailed();
    result.errorNumber = attempts.LastErrorNumber();
    if (attempts.Connected()) {
        result.connected = attempts.ConnectedAddress();
        delete attempts.TakeConnected();
    }
    return result;
}

} // namespace

TEST(NetSocketConnect, EveryAddressIsTriedInOrderUntilOneConnects) {
    ScriptedPeer peer; // on 127.0.0.1
    const quint16 port = peer.Port();
    const QHostAddress good(QStringLiteral("127.0.0.1"));
    const QHostAddress refusing(QStringLiteral("127.0.0.2")); // nothing listens there
    const QHostAddress silent(QStringLiteral("127.0.0.3"));
    FullBacklogListener backlog(silent, port);
    if (!backlog.IsReady()) {
        GTEST_SKIP() << "cannot make a connect that stays pending on this system";
    }
    struct Case {
        const char* what;
        QList<QHostAddress> addresses;
        QHostAddress connected;
    };
    const Case cases[] = {
        {"first answers", {good, refusing}, good},
        {"first refuses", {refusing, good}, good},
        {"first never answers", {silent, good}, good},
        {"two dead ones first", {silent, refusing, good}, good},
    };
    for (const Case& test : cases) {
        const RaceResult result = Race(test.addresses, port);
        EXPECT_EQ(result.connected, test.connected) << test.what;
        EXPECT_FALSE(result.allFailed) << test.what;
    }
    const RaceResult refused = Race({refusing, QHostAddress(QStringLiteral("127.0.0.4"))}, port);
    EXPECT_TRUE(refused.allFailed);
    EXPECT_TRUE(refused.connected.isNull());
    EXPECT_EQ(refused.errorNumber, 10061);
}

TEST(NetSocketConnect, UnresolvableNameIsOfferedOneRetry) {
    Connection connection;
    connection.client.Host = QStringLiteral("no-such-host.invalid");
    int offered = 0;
    connection.client.OnInvalidHost = [&](bool& handled) {
        ++offered;
        handled = true; // asks for another try with the same bad name
    };
    EXPECT_EQ(FailureOf([&] { connection.client.Connect(); }), "ESockError: Null Remote Address");
    EXPECT_EQ(offered, 1);
    EXPECT_EQ(connection.peer.Connections(), 0);
}

TEST(NetSocketConnect, InvalidHostHandlerMayCorrectTheHost) {
    Connection connection;
    connection.client.Host = QStringLiteral("no-such-host.invalid");
    connection.client.OnInvalidHost = [&](bool& handled) {
        connection.client.Host = QStringLiteral("127.0.0.1");
        handled = true;
    };
    connection.client.Connect();
    EXPECT_TRUE(connection.client.Connected());
}

TEST(NetSocketConnect, UnresolvableNameWithoutHandler) {
    for (const char* host : {"no-such-host.invalid", "", "0.0.0.0"}) {
        Connection connection;
        connection.client.Host = QString::fromLatin1(host);
        EXPECT_EQ(FailureOf([&] { connection.client.Connect(); }),
                  "ESockError: Null Remote Address")
            << host;
    }
}

TEST(NetSocketConnect, RefusedConnectionFailsAtOnceAndTheClientStaysUsable) {
    TSocketClient client;
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = ScriptedPeer::ClosedPort();
    client.TimeOut = 0; // a refused connect must not need the time-out to end
    int failures = 0;
    client.OnConnectionFailed = [&](TSocketClient&) { ++failures; };
    EXPECT_EQ(FailureOf([&] { client.Connect(); }), "EAbortError: Connection Failed");
    EXPECT_EQ(client.GetLastErrorNo(), 10061);
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(client.Connected());
    EXPECT_EQ(client.ReadLn(), QString()) << "an unconnected socket reads nothing";

    ScriptedPeer peer;
    peer.Send("+OK\r\n");
    client.Port = peer.Port();
    client.Connect();
    EXPECT_EQ(client.ReadLn(), QStringLiteral("+OK\r\n"));
}

TEST(NetSocketConnect, PendingConnectTimesOutOrIsCanceled) {
    struct Case {
        int timeOut;
        bool cancel;
        const char* failure;
    };
    for (const Case& sample : {Case{200, false, "EAbortError: Connection Timed out"},
                               Case{0, true, "EAbortError: Connection Canceled"}}) {
        FullBacklogListener listener;
        if (!listener.IsReady()) {
            GTEST_SKIP() << "cannot make a connect that stays pending on this system";
        }
        TSocketClient client;
        client.Host = QStringLiteral("127.0.0.1");
        client.Port = listener.Port();
        client.TimeOut = sample.timeOut;
        if (sample.cancel) {
            During(100, [&] { client.Cancel(); });
        }
        EXPECT_EQ(FailureOf([&] { client.Connect(); }), sample.failure);
        EXPECT_FALSE(client.Connected());
        // The attempt given up on must not complete later behind the caller's back.
        QEventLoop settle;
        QTimer::singleShot(100, &settle, &QEventLoop::quit);
        settle.exec();
        EXPECT_FALSE(client.Connected());
    }
}

TEST(NetSocketConnect, SecondConnectIsRefused) {
    Connection connection;
    connection.client.Connect();
    EXPECT_EQ(FailureOf([&] { connection.client.Connect(); }), "ESockError: Already connected");
}

TEST(NetSocketConnect, CancelDuringTheLookupEndsIt) {
    TSocketClient client;
    client.Host = QStringLiteral("localhost");
    client.Cancel(); // Connect clears an earlier cancel
    During(0, [&] { client.Cancel(); });
    const QString failure = FailureOf([&] { client.Connect(); });
    // A lookup may complete before the cancel arrives; then the connect is the wait canceled.
    EXPECT_TRUE(failure == "ESockError: Host Lookup Canceled" ||
                failure == "EAbortError: Connection Canceled" || failure == "none")
        << failure.toStdString();
}

TEST(NetSocketConnect, EventsReportConnectAndDisconnect) {
    Connection connection;
    QStringList events;
    connection.client.OnConnect = [&](TSocketClient&) { events << "connect"; };
    connection.client.OnDisconnect = [&](TSocketClient&) { events << "disconnect"; };
    connection.client.Connect();
    connection.client.Disconnect();
    EXPECT_EQ(events, QStringList({"connect", "disconnect"}));
    EXPECT_FALSE(connection.client.Connected());
}

TEST(NetSocketConnect, DisconnectLeavesAFreshSocketForTheNextConnect) {
    Connection connection;
    connection.client.Connect();
    connection.client.Disconnect();
    ScriptedPeer second;
    second.Send("hello\r\n");
    connection.client.Port = second.Port();
    connection.client.Connect();
    EXPECT_EQ(connection.client.ReadLn(), QStringLiteral("hello\r\n"));
}

TEST(NetSocketConnect, PeerCloseWithoutDataClosesTheSocket) {
    Connection connection;
    int disconnects = 0;
    connection.client.OnDisconnect = [&](TSocketClient&) { ++disconnects; };
    connection.peer.Close();
    connection.client.Connect();
    EXPECT_EQ(connection.client.ReadLn(), QString());
    EXPECT_EQ(disconnects, 1);
}

TEST(NetSocketTransaction, SendsTheCommandAndReadsTheReplyNumber) {
    struct Case {
        QByteArray reply;
        qint16 number;
    };
    for (const Case& sample :
         {Case{"250 done\r\n", 250}, Case{"+OK ready\r\n", 0}, Case{"42abc\r\n", 42},
          Case{"0001234567890\r\n", 0}, Case{"32767\r\n", 32767}}) {
        Connection connection;
        connection.peer.Expect("NOOP").Send(sample.reply);
        connection.client.Connect();
        EXPECT_EQ(connection.client.Transaction(QStringLiteral("NOOP")),
                  QString::fromLatin1(sample.reply));
        EXPECT_EQ(connection.client.LastReply(), QString::fromLatin1(sample.reply));
        EXPECT_EQ(connection.client.ReplyNumber(), sample.number) << sample.reply.data();
        EXPECT_TRUE(connection.peer.Mismatches().isEmpty());
    }
}

TEST(NetSocketSend, WritelnEndsTheLineWithCrLf) {
    Connection connection;
    connection.peer.Expect("USER alice").Expect("second");
    connection.client.Connect();
    connection.client.Writeln(QStringLiteral("USER alice"));
    connection.client.Write(QStringLiteral("sec"));
    connection.client.SendBuffer(QByteArray("ond\r\n\0ignored", 14), 0);
    // The read lets the peer take its turn; the cancel then ends it.
    During(100, [&] { connection.client.Cancel(); });
    EXPECT_NE(FailureOf([&] { connection.client.ReadLn(); }), "none");
    EXPECT_EQ(connection.peer.Received(), QStringList({"USER alice", "second"}));
}

TEST(NetSocketSend, SendingWithoutAConnectionIsASocketError) {
    TSocketClient client;
    QStringList errors;
    client.OnError = [&](TSocketClient&, int number, const QString& text) {
        errors << QStringLiteral("%1 %2").arg(number).arg(text);
    };
    EXPECT_EQ(FailureOf([&] { client.Writeln(QStringLiteral("STAT")); }),
              "ESockError: 10057:Socket is not connected");
    EXPECT_EQ(errors, QStringList({"10057 10057:Socket is not connected"}));
    EXPECT_EQ(client.GetLastErrorNo(), 10057);
}

TEST(NetSocketSend, ACancelledSendIsAborted) {
    Connection connection;
    connection.client.Connect();
    connection.client.Cancel();
    EXPECT_EQ(FailureOf([&] { connection.client.Writeln(QStringLiteral("X")); }),
              "EAbortError: Socket send aborted");
    EXPECT_FALSE(connection.client.Canceled());
}

TEST(NetSocketRead, WaitsForTheCountAndTakesWhatIsThereWithZero) {
    Connection connection;
    connection.peer.Send("abc").Pause(50).Send("def");
    connection.client.Connect();
    EXPECT_EQ(connection.client.Read(5), QStringLiteral("abcde"));
    EXPECT_EQ(connection.client.Read(1), QStringLiteral("f"));
    EXPECT_EQ(connection.client.Read(0), QString());
}

TEST(NetSocketRead, PeerClosingEndsTheRead) {
    Connection connection;
    connection.peer.Send("ab").Close();
    connection.client.Connect();
    EXPECT_EQ(connection.client.Read(10), QStringLiteral("ab"));
    EXPECT_EQ(connection.client.Read(10), QString());
}

TEST(NetSocketRead, CancelEndsTheWaitWithTheSendText) {
    Connection connection;
    connection.client.Connect();
    During(50, [&] { connection.client.Cancel(); });
    EXPECT_EQ(FailureOf([&] { connection.client.Read(4); }), "EAbortError: Socket send aborted");
}

TEST(NetSocketRead, MoreThanTheBufferIsRefused) {
    Connection connection;
    connection.client.Connect();
    EXPECT_EQ(FailureOf([&] { connection.client.Read(TSocketClient::BufferSize + 1); }),
              "ESockError: Read count too large");
}

TEST(NetSocketInput, ClearInputDropsWhatIsWaiting) {
    Connection connection;
    connection.peer.Send("junk\r\n").Pause(50).Send("next\r\n");
    connection.client.Connect();
    EXPECT_EQ(connection.client.Read(6), QStringLiteral("junk\r\n"));
    EXPECT_FALSE(connection.client.DataAvailable());
    connection.client.Read(1);
    connection.client.ClearInput();
    EXPECT_FALSE(connection.client.DataAvailable());
}

TEST(NetSocketStatus, ReportLevelSelectsTheReports) {
    struct Case {
        int level;
        bool connecting; // an operation report (level 8)
        bool reply;      // a server reply (level 1)
    };
    for (const Case& sample : {Case{0, false, false}, Case{1, false, true}, Case{8, true, true}}) {
        QStringList reports; // outlives the client, which reports its own destruction
        Connection connection;
        connection.peer.Expect("HELO").Send("250 hi\r\n");
        connection.client.ReportLevel = sample.level;
        connection.client.OnStatus = [&](TSocketClient&, const QString& text) { reports << text; };
        connection.client.Connect();
        connection.client.Transaction(QStringLiteral("HELO"));
        EXPECT_EQ(reports.contains("Connecting"), sample.connecting) << sample.level;
        EXPECT_EQ(reports.contains("250 hi\r\n"), sample.reply) << sample.level;
        EXPECT_EQ(reports.contains("Sending Buffer"), sample.level >= 4) << sample.level;
        EXPECT_EQ(connection.client.Status().isEmpty(), sample.level == 0);
    }
}

TEST(NetSocketLifecycle, ComponentsAreCountedProcessWide) {
    const int before = TSocketClient::LiveComponentCount();
    {
        TSocketClient first;
        {
            TSocketClient second;
            EXPECT_EQ(TSocketClient::LiveComponentCount(), before + 2);
            if (before == 0) {
                EXPECT_FALSE(first.WinsockInfo().isEmpty());
                EXPECT_TRUE(second.WinsockInfo().isEmpty());
            }
        }
        EXPECT_EQ(TSocketClient::LiveComponentCount(), before + 1);
    }
    EXPECT_EQ(TSocketClient::LiveComponentCount(), before);
}

TEST(NetSocketLifecycle, CertifyConnectAsksOnceForAConnection) {
    TSocketClient client;
    EXPECT_EQ(FailureOf([&] { client.CertifyConnect(); }), "ENetError: Not Connected");
    int asked = 0;
    client.OnConnectionRequired = [&](bool& handled) {
        ++asked;
        handled = true; // claims to have connected but has not
    };
    EXPECT_EQ(FailureOf([&] { client.CertifyConnect(); }), "ENetError: Not Connected");
    EXPECT_EQ(asked, 1);

    Connection connection;
    connection.client.Connect();
    EXPECT_EQ(FailureOf([&] { connection.client.CertifyConnect(); }), "none");
}

TEST(NetSocketLifecycle, AbortAllEndsEveryPendingWaitButTheSparedOne) {
    Connection spared(0);
    Connection aborted(0);
    spared.peer.Pause(300).Send("late\r\n");
    aborted.peer.Send("waiting\r\n");
    spared.client.Connect();
    aborted.client.Connect();
    During(50, [&] { TSocketClient::AbortAll(&spared.client); });
    EXPECT_EQ(spared.client.ReadLn(), QStringLiteral("late\r\n"));
    EXPECT_EQ(FailureOf([&] { aborted.client.ReadLn(); }), "EAbortError: Socket readln aborted");
}

TEST(NetSocketLifecycle, AWaitGivesUpOnceTheApplicationIsExiting) {
    Connection connection(0); // no time-out: only the exit can end the wait
    connection.client.Connect();
    During(50, [] { QCoreApplication::exit(0); });
    EXPECT_EQ(FailureOf([&] { connection.client.ReadLn(); }), "EAbortError: Socket readln aborted");
}
