// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/server_address.h"
#include "dovecot_server.h"
#include "net/imap_check.h"
#include "net/imap_idle_watch.h"
#include "net/imap_server_opener.h"
#include "net_test_support.h"
#include "scripted_peer.h"
#include "test_certificates.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace std::chrono_literals;

namespace {

// The program's own opener, counting its openings.
class CountingOpener : public ImapServerOpener {
public:
    using ImapServerOpener::ImapServerOpener;
    void Open(Opened opened) override {
        ++opens;
        ImapServerOpener::Open(std::move(opened));
    }
    int opens = 0;
};

// A plain connection to a scripted server on 127.0.0.1.
std::unique_ptr<CountingOpener> PlainOpener(quint16 port,
                                            ImapSecurity security = ImapSecurity::None) {
    return std::make_unique<CountingOpener>(
        ConnectionTarget{.host = QStringLiteral("127.0.0.1"), .port = port}, security, 2s);
}

// Runs one check to its end through the program's connector.
ImapResult Converse(std::unique_ptr<ImapSocketOpener> opener, ImapAccess access,
                    std::chrono::milliseconds replyTimeOut) {
    ImapCheck check(std::move(opener), std::move(access), replyTimeOut);
    check.RunToEnd();
    EXPECT_TRUE(check.Finished());
    return check.Result();
}

// What a scripted server opens with, and the login that answers it.
const QByteArray Greeting = "* OK [CAPABILITY IMAP4rev1 SASL-IR AUTH=PLAIN IDLE] hi\r\n";
const QByteArray Authenticate = "a1 AUTHENTICATE PLAIN AGFsaWNlAHNlY3JldA==";

ImapAccess Check(ImapSecurity security, const char* password = "secret",
                 const char* mailbox = "INBOX") {
    return {.security = security,
            .user = QStringLiteral("alice"),
            .password = QString::fromUtf8(password),
            .mailbox = QString::fromUtf8(mailbox)};
}

} // namespace

class NetImapDovecot : public ::testing::Test {
protected:
    void SetUp() override {
        if (DovecotServer::Executable().isEmpty()) {
            GTEST_SKIP()
                << "Dovecot is not installed (Debian packages dovecot-pop3d, dovecot-imapd)";
        }
        const TestCertificates* certificates = TestCertificates::Get();
        ASSERT_NE(certificates, nullptr) << TestCertificates::Problem().toStdString();
        server_ = std::make_unique<DovecotServer>(DovecotOptions::TlsOnTwoLoopbacks(
            certificates->selfSigned.certificate, certificates->selfSigned.key));
        const QString failure = server_->Start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        fingerprint_ = TestCertificates::Fingerprint(certificates->selfSigned.certificate);
    }
    // IMAPS on 127.0.0.1, or the plain listener on 127.0.0.2, where Dovecot refuses logins
    // in plain text; the test's self-signed certificate pinned for that server, as a user
    // would trust it.
    std::unique_ptr<CountingOpener> Opener(ImapSecurity security, bool pinned = true) const {
        const bool tls = security == ImapSecurity::Tls;
        const QString host = tls ? QStringLiteral("127.0.0.1") : QStringLiteral("127.0.0.2");
        const quint16 port = tls ? server_->ImapTlsPort() : server_->ImapPort();
        return std::make_unique<CountingOpener>(
            ConnectionTarget{
                .host = host,
                .port = port,
                .pin = {pinned ? fingerprint_ : QString(), ServerAddress::Of(host, port)}},
            security, 10s);
    }

    std::unique_ptr<DovecotServer> server_;
    QString fingerprint_;
};

TEST_F(NetImapDovecot, CountsTheUnseenMessagesOverImapsAndStartTls) {
    for (const ImapSecurity security : {ImapSecurity::Tls, ImapSecurity::StartTls}) {
        SCOPED_TRACE(int(security));
        const ImapResult result = Converse(Opener(security), Check(security), 10s);
        EXPECT_EQ(result.outcome, ImapOutcome::Ok) << result.reason.toStdString();
        EXPECT_NE(result.mailbox.uidValidity, 0u);
        EXPECT_EQ(result.mailbox.uidNext, 4u);
        EXPECT_EQ(result.mailbox.messages, 3u);
        EXPECT_EQ(result.mailbox.unseen, 3u);
        EXPECT_EQ(result.mailbox.highestUnseenUid, 3u);
    }
    // Reading a message lowers the count.
    ASSERT_EQ(server_->MarkSeen(3), QString());
    const ImapResult result = Converse(Opener(ImapSecurity::Tls), Check(ImapSecurity::Tls), 10s);
    EXPECT_EQ(result.mailbox.unseen, 2u);
    EXPECT_EQ(result.mailbox.highestUnseenUid, 2u);
}

TEST_F(NetImapDovecot, RefusalsEndWithTheirOutcome) {
    struct Case {
        const char* what;
        ImapSecurity security;
        const char* password;
        const char* mailbox;
        ImapOutcome outcome;
        bool pinned = true;
    };
    // The refused login comes last: Dovecot slows down the logins that follow one.
    const Case cases[] = {
        {"a certificate nobody vouches for", ImapSecurity::Tls, "secret", "INBOX",
         ImapOutcome::CertificateUntrusted, false},
        {"a mailbox that does not exist", ImapSecurity::Tls, "secret", "Nowhere",
         ImapOutcome::MailboxMissing},
        {"plain text where the server wants TLS", ImapSecurity::None, "secret", "INBOX",
         ImapOutcome::LoginRefused},
        {"a wrong password", ImapSecurity::Tls, "wrong", "INBOX", ImapOutcome::LoginRefused},
    };
    for (const Case& test : cases) {
        const ImapResult result = Converse(Opener(test.security, test.pinned),
                                           Check(test.security, test.password, test.mailbox), 10s);
        EXPECT_EQ(result.outcome, test.outcome) << test.what << ": " << result.reason.toStdString();
    }
}

TEST_F(NetImapDovecot, AWatchHearsOfADeliveredMessageAndReopensAfterAJump) {
    const std::unique_ptr<CountingOpener> opener = Opener(ImapSecurity::Tls);
    std::chrono::milliseconds wallAhead = 0ms;
    ImapIdleWatch watch(*opener,
                        {.user = QStringLiteral("alice"), .password = QStringLiteral("secret")},
                        {.replyTimeOut = 10s, .clockCheck = 100ms}, [&wallAhead] {
                            WatchInstant now = ImapIdleWatch::Now();
                            now.wall += wallAhead;
                            return now;
                        });
    QSignalSpy idling(&watch, &ImapIdleWatch::idling);
    QSignalSpy checkWanted(&watch, &ImapIdleWatch::checkWanted);
    QSignalSpy stopped(&watch, &ImapIdleWatch::stopped);
    watch.Start();
    ASSERT_TRUE(idling.wait(10000));
    EXPECT_EQ(checkWanted.count(), 0) << "the first IDLE follows no gap";

    ASSERT_EQ(server_->Deliver("From: bob@example.com\r\nSubject: hi\r\n\r\nhello\r\n"), QString());
    EXPECT_TRUE(checkWanted.wait(10000)) << "IDLE reported no EXISTS";

    // A resume from suspend: the wall clock leaps while the monotonic one stood still.
    checkWanted.clear();
    wallAhead = 2h;
    ASSERT_TRUE(idling.wait(10000));
    EXPECT_EQ(opener->opens, 2);
    EXPECT_TRUE(checkWanted.count() > 0 || checkWanted.wait(1000))
        << "mail may have come while no connection idled";

    watch.Stop(500ms);
    EXPECT_TRUE(stopped.count() > 0 || stopped.wait(2000));
    EXPECT_EQ(stopped.value(0).value(0).value<ImapOutcome>(), ImapOutcome::Ok);
    EXPECT_FALSE(watch.Idling());
}

TEST(NetImapScripted, BadServersEndInTimeWithTheirOutcome) {
    struct Case {
        const char* what;
        std::function<void(ScriptedPeer&)> script;
        ImapOutcome outcome;
        ImapSecurity security = ImapSecurity::None;
    };
    const Case cases[] = {
        {"greets in plain text where TLS was to start",
         [](ScriptedPeer& peer) { peer.Send(Greeting); }, ImapOutcome::EncryptionFailed,
         ImapSecurity::Tls},
        {"never answers", [](ScriptedPeer&) {}, ImapOutcome::TimedOut},
        {"drops the connection silently",
         [](ScriptedPeer& peer) { peer.Send(Greeting).Expect(Authenticate).Close(); },
         ImapOutcome::ConnectionLost},
        {"sends an endless line",
         [](ScriptedPeer& peer) {
             peer.Send(Greeting).Send("* OK " +
                                      QByteArray(ImapResponseReader::MaxResponseSize, 'x'));
         },
         ImapOutcome::ProtocolError},
    };
    for (const Case& test : cases) {
        ScriptedPeer peer;
        test.script(peer);
        const ImapResult result =
            Converse(PlainOpener(peer.Port(), test.security), Check(test.security), 300ms);
        EXPECT_EQ(result.outcome, test.outcome) << test.what << ": " << result.reason.toStdString();
        EXPECT_EQ(peer.Mismatches(), QStringList()) << test.what;
    }
}

TEST(NetImapScripted, AWatchTriesAgainAfterADropAndEndsWithoutIdle) {
    struct Case {
        const char* what;
        QByteArray capabilities;
        std::function<void(ScriptedPeer&)> whileIdling;
        bool endsForGood;
    };
    const Case cases[] = {
        {"BYE while idling", "IMAP4rev1 IDLE",
         [](ScriptedPeer& peer) { peer.Send("* BYE going down\r\n"); }, false},
        {"a silent drop while idling", "IMAP4rev1 IDLE", [](ScriptedPeer& peer) { peer.Close(); },
         false},
        {"a server without IDLE", "IMAP4rev1", [](ScriptedPeer&) {}, true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        ScriptedPeer peer;
        peer.Send(Greeting)
            .Expect(Authenticate)
            .Send("a1 OK [CAPABILITY " + test.capabilities + "] in\r\n")
            .Expect("a2 EXAMINE \"INBOX\"")
            .Send("a2 OK\r\n");
        if (test.endsForGood) {
            peer.Expect("a3 LOGOUT").Send("* BYE\r\na3 OK\r\n");
        } else {
            peer.Expect("a3 IDLE").Send("+ idling\r\n").Pause(50);
            test.whileIdling(peer);
        }
        const std::unique_ptr<CountingOpener> opener = PlainOpener(peer.Port());
        ImapIdleWatch watch(
            *opener, {.security = ImapSecurity::None, .user = "alice", .password = "secret"});
        QSignalSpy stopped(&watch, &ImapIdleWatch::stopped);
        watch.Start();
        if (test.endsForGood) {
            ASSERT_TRUE(stopped.wait(5000));
            EXPECT_EQ(stopped.value(0).value(0).value<ImapOutcome>(), ImapOutcome::IdleUnsupported)
                << "left to the periodic checks";
            EXPECT_FALSE(watch.Schedule().NextDue().has_value()) << "never tried again";
        } else {
            QSignalSpy idling(&watch, &ImapIdleWatch::idling);
            ASSERT_TRUE(idling.wait(5000));
            for (int wait = 0; wait < 50 && watch.Idling(); ++wait) {
                QTest::qWait(100);
            }
            EXPECT_FALSE(watch.Idling());
            EXPECT_EQ(watch.Schedule().Pause(), 60s) << "the next pause doubles";
            EXPECT_TRUE(watch.Schedule().NextDue().has_value());
            EXPECT_EQ(stopped.count(), 0) << "a dropped connection is tried again";
        }
        EXPECT_EQ(peer.Mismatches(), QStringList());
    }
}
