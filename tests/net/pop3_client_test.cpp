// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/pop3_client.h"
#include "net_test_support.h"
#include "scripted_peer.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Mailbox {
    explicit Mailbox(int timeOut = 2000) {
        client.Host = QStringLiteral("127.0.0.1");
        client.Port = peer.Port();
        client.UserID = QStringLiteral("alice");
        client.Password = QStringLiteral("secret");
        client.TimeOut = timeOut;
        client.OnConnect = [this](TSocketClient&) { ++logins; };
    }
    // Greeting, USER and PASS accepted.
    ScriptedPeer& LoginScript() {
        return peer.Send("+OK POP3 ready\r\n")
            .Expect("USER alice")
            .Send("+OK\r\n")
            .Expect("PASS secret")
            .Send("+OK logged in\r\n");
    }
    ScriptedPeer peer;
    TPop3Client client;
    int logins = 0;
};

const QStringList kLoginAndQuit = {"USER alice", "PASS secret", "STAT", "QUIT"};

} // namespace

TEST(NetPop3Connect, DefaultsToPort110) {
    EXPECT_EQ(TPop3Client().Port, 110);
}

TEST(NetPop3Connect, MailCountFromTheStatReply) {
    struct Case {
        QByteArray reply;
        int count;
    };
    for (const Case& sample : {Case{"+OK 0 0\r\n", 0}, Case{"+OK 12 34567\r\n", 12}}) {
        Mailbox mailbox;
        mailbox.LoginScript().Expect("STAT").Send(sample.reply).Expect("QUIT").Send("+OK\r\n");
        mailbox.client.Connect();
        EXPECT_EQ(mailbox.client.MailCount(), sample.count) << sample.reply.data();
        EXPECT_TRUE(mailbox.client.Connected());
        EXPECT_EQ(mailbox.logins, 1);
        mailbox.client.Disconnect();
        EXPECT_FALSE(mailbox.client.Connected());
        EXPECT_EQ(mailbox.peer.Received(), kLoginAndQuit);
        EXPECT_TRUE(mailbox.peer.Mismatches().isEmpty())
            << mailbox.peer.Mismatches().join(", ").toStdString();
    }
}

TEST(NetPop3Connect, RefusedGreetingRaisesItsLineAndSendsNothing) {
    for (const bool peerStays : {false, true}) {
        SCOPED_TRACE(peerStays ? "the server stays connected" : "the server closes");
        Mailbox mailbox;
        mailbox.peer.Send("-ERR too busy\r\n");
        if (!peerStays) {
            mailbox.peer.Close();
        }
        EXPECT_EQ(FailureOf([&] { mailbox.client.Connect(); }), "ENetError: -ERR too busy\r\n");
        QTest::qWait(50); // time for a stray QUIT to arrive
        EXPECT_TRUE(mailbox.peer.Received().isEmpty())
            << mailbox.peer.Received().join(",").toStdString();
        EXPECT_FALSE(mailbox.client.Connected());
        EXPECT_EQ(mailbox.logins, 0);
    }
}

TEST(NetPop3Connect, WrongPasswordWithHandlerLeavingHandledFalse) {
    Mailbox mailbox;
    mailbox.peer.Send("+OK\r\n")
        .Expect("USER alice")
        .Send("+OK\r\n")
        .Expect("PASS secret")
        .Send("-ERR wrong\r\n")
        .Expect("QUIT")
        .Send("+OK bye\r\n");
    int failures = 0;
    mailbox.client.OnAuthenticationFailed = [&](bool&) { ++failures; };
    EXPECT_EQ(FailureOf([&] { mailbox.client.Connect(); }), "ENetError: Authentication failed");
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(mailbox.client.Connected());
    EXPECT_EQ(mailbox.peer.Received(), QStringList({"USER alice", "PASS secret", "QUIT"}));
    EXPECT_EQ(mailbox.logins, 0);
}

TEST(NetPop3Connect, HandlerGetsExactlyOneRetry) {
    Mailbox mailbox;
    mailbox.peer.Send("+OK\r\n")
        .Expect("USER alice")
        .Send("+OK\r\n")
        .Expect("PASS secret")
        .Send("-ERR\r\n")
        .Expect("USER alice")
        .Send("+OK\r\n")
        .Expect("PASS secret")
        .Send("-ERR\r\n")
        .Expect("QUIT")
        .Send("+OK\r\n");
    int failures = 0;
    mailbox.client.OnAuthenticationFailed = [&](bool& handled) {
        ++failures;
        handled = true;
    };
    EXPECT_EQ(FailureOf([&] { mailbox.client.Connect(); }), "ENetError: Authentication failed");
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(mailbox.peer.Received().count("USER alice"), 2);
    EXPECT_TRUE(mailbox.peer.Mismatches().isEmpty());
}

TEST(NetPop3Connect, RetryWithCorrectedCredentialsLogsIn) {
    Mailbox mailbox;
    mailbox.client.UserID = QStringLiteral("bob");
    mailbox.peer.Send("+OK\r\n")
        .Expect("USER bob")
        .Send("-ERR no such user\r\n")
        .Expect("USER alice")
        .Send("+OK\r\n")
        .Expect("PASS secret")
        .Send("+OK\r\n")
        .Expect("STAT")
        .Send("+OK 2 200\r\n");
    mailbox.client.OnAuthenticationFailed = [&](bool& handled) {
        mailbox.client.UserID = QStringLiteral("alice");
        handled = true;
    };
    mailbox.client.Connect();
    EXPECT_EQ(mailbox.client.MailCount(), 2);
    EXPECT_TRUE(mailbox.peer.Mismatches().isEmpty())
        << mailbox.peer.Mismatches().join(", ").toStdString();
}

TEST(NetPop3Connect, RefusedLoginWithoutHandler) {
    Mailbox mailbox;
    mailbox.peer.Send("+OK\r\n")
        .Expect("USER alice")
        .Send("-ERR\r\n")
        .Expect("QUIT")
        .Send("+OK\r\n");
    EXPECT_EQ(FailureOf([&] { mailbox.client.Connect(); }), "ENetError: Authentication failed");
    EXPECT_EQ(mailbox.peer.Received(), QStringList({"USER alice", "QUIT"}));
}

// Missing, or holding a line break or NUL that would smuggle a command of its own into the
// session: the server never even hears of the account.
TEST(NetPop3Credentials, MissingOrUnsendableFailBeforeConnecting) {
    const std::pair<QString, QString> credentials[] = {
        {"", "secret"},
        {"alice", ""},
        {"alice\r\nDELE 1", "secret"},
        {"alice\nDELE 1", "secret"},
        {"alice", "secret\r\nDELE 1"},
        {"alice", QString::fromLatin1("sec\0ret", 7)},
    };
    for (const auto& [user, password] : credentials) {
        Mailbox mailbox;
        mailbox.client.UserID = user;
        mailbox.client.Password = password;
        EXPECT_EQ(FailureOf([&] { mailbox.client.Connect(); }), "ENetError: Authentication failed");
        EXPECT_EQ(mailbox.peer.Connections(), 0);
        EXPECT_FALSE(mailbox.client.Busy());
    }
}

TEST(NetPop3Credentials, HandlerIsAskedOnce) {
    struct Case {
        bool handled;
        bool fills;
        const char* failure;
        int connections;
    };
    for (const Case& sample :
         {Case{false, true, "ENetError: Authentication failed", 0}, Case{true, true, "none", 1},
          // Asked once; the login then goes on with what is there.
          Case{true, false, "ENetError: Authentication failed", 1}}) {
        Mailbox mailbox;
        mailbox.client.Password.clear();
        if (sample.fills) {
            mailbox.LoginScript().Expect("STAT").Send("+OK 1 10\r\n");
        } else {
            mailbox.peer.Send("+OK\r\n")
                .Expect("USER alice")
                .Send("+OK\r\n")
                .Expect("PASS ")
                .Send("-ERR\r\n")
                .Expect("QUIT")
                .Send("+OK\r\n");
        }
        int asked = 0;
        mailbox.client.OnAuthenticationNeeded = [&](bool& handled) {
            ++asked;
            if (sample.fills) {
                mailbox.client.Password = QStringLiteral("secret");
            }
            handled = sample.handled;
        };
        EXPECT_EQ(FailureOf([&] { mailbox.client.Connect(); }), sample.failure);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(mailbox.peer.Connections(), sample.connections);
    }
}

// A refused STAT, or one whose count is no count, fails the check after the login.
TEST(NetPop3Connect, StatWithoutACountStillReportsTheLogin) {
    for (const QByteArray reply : {"-ERR mailbox locked\r\n", "+OK -3 0\r\n"}) {
        Mailbox mailbox;
        mailbox.LoginScript().Expect("STAT").Send(reply).Expect("QUIT").Send("+OK\r\n");
        EXPECT_EQ(FailureOf([&] { mailbox.client.Connect(); }),
                  "ENetError: " + QString::fromLatin1(reply));
        EXPECT_EQ(mailbox.logins, 1);
        EXPECT_FALSE(mailbox.client.Connected());
        EXPECT_EQ(mailbox.peer.Received(), kLoginAndQuit);
    }
}

TEST(NetPop3Connect, SilentServerTimesOutAndIsDisconnected) {
    Mailbox mailbox(200);
    mailbox.peer.Send("+OK\r\n"); // then no answer to USER
    const QStringList warnings = CapturedWarnings([&] {
        EXPECT_EQ(FailureOf([&] { mailbox.client.Connect(); }),
                  "EAbortError: Socket readln aborted");
    });
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    EXPECT_FALSE(mailbox.client.Connected());
    EXPECT_FALSE(mailbox.client.Busy());
    EXPECT_EQ(mailbox.peer.Received(), QStringList({"USER alice"})) << "no QUIT after the abort";
}

TEST(NetPop3Connect, ConnectionFailureIsNotADisconnect) {
    Mailbox mailbox;
    mailbox.client.Port = ScriptedPeer::ClosedPort();
    EXPECT_EQ(FailureOf([&] { mailbox.client.Connect(); }), "EAbortError: Connection Failed");
    EXPECT_FALSE(mailbox.client.Busy());
    EXPECT_EQ(mailbox.logins, 0);
}

TEST(NetPop3Connect, BusyOnlyWhileConnectRuns) {
    Mailbox mailbox;
    mailbox.peer.Pause(100);
    mailbox.LoginScript().Expect("STAT").Send("+OK 1 1\r\n");
    bool busyDuring = false;
    QTimer::singleShot(30, [&] { busyDuring = mailbox.client.Busy(); });
    EXPECT_FALSE(mailbox.client.Busy());
    mailbox.client.Connect();
    EXPECT_TRUE(busyDuring);
    EXPECT_FALSE(mailbox.client.Busy());
}

TEST(NetPop3Abort, ClosesTheConnectionAtOnce) {
    Mailbox mailbox(0);
    mailbox.peer.Send("+OK\r\n");
    QTimer::singleShot(100, [&] { mailbox.client.Abort(); });
    EXPECT_EQ(FailureOf([&] { mailbox.client.Connect(); }), "EAbortError: Socket readln aborted");
    EXPECT_FALSE(mailbox.client.Connected());
    EXPECT_FALSE(mailbox.client.DataAvailable());
}

TEST(NetPop3Disconnect, NotConnectedSendsNothing) {
    Mailbox mailbox;
    EXPECT_EQ(FailureOf([&] { mailbox.client.Disconnect(); }), "none");
    EXPECT_EQ(mailbox.peer.Connections(), 0);
}

TEST(NetPop3Disconnect, RefusedQuitRaisesItsLineAfterClosing) {
    Mailbox mailbox;
    mailbox.LoginScript().Expect("STAT").Send("+OK 1 1\r\n").Expect("QUIT").Send("-ERR cannot\r\n");
    mailbox.client.Connect();
    EXPECT_EQ(FailureOf([&] { mailbox.client.Disconnect(); }), "ENetError: -ERR cannot\r\n");
    EXPECT_FALSE(mailbox.client.Connected());
}
