// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/certificate_fingerprint.h"
#include "core/server_address.h"
#include "net/etls_error.h"
#include "net/pop3_client.h"
#include "net_test_support.h"
#include "scripted_peer.h"
#include "test_certificates.h"

#include <QSslConfiguration>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A POP3 client asking for TLS, and the scripted server it talks to.
class NetPop3Tls : public ::testing::Test {
protected:
    void SetUp() override {
        certificates_ = TestCertificates::Get();
        if (certificates_ == nullptr) {
            GTEST_SKIP() << TestCertificates::Problem().toStdString();
        }
        client_.Host = QStringLiteral("127.0.0.1");
        client_.Port = peer_.Port();
        client_.UserID = QStringLiteral("alice");
        client_.Password = QStringLiteral("secret");
        client_.TimeOut = 2000;
    }
    void TearDown() override {
        // The trust store of the process goes back to the system's for the next test.
        QSslConfiguration::setDefaultConfiguration(defaultConfiguration_);
    }

    QSslConfiguration Server(const TestCertificates::Files& files) const {
        return TestCertificates::ServerConfiguration(files);
    }
    // The session after the handshake: login, STAT and QUIT.
    void LoginAfterTls(const QByteArray& greeting) {
        if (!greeting.isEmpty()) {
            peer_.Send(greeting);
        }
        peer_.Expect("USER alice").Send("+OK\r\n").Expect("PASS secret").Send("+OK\r\n");
        peer_.Expect("STAT").Send("+OK 3 300\r\n").Expect("QUIT").Send("+OK bye\r\n");
    }
    // Connects, and on failure keeps the exception for a closer look.
    QString Check() {
        failure_.reset();
        return FailureOf([this] {
            try {
                client_.Connect();
                client_.Disconnect();
            } catch (const ETlsError& error) {
                failure_ = error;
                throw;
            }
        });
    }
    static bool SentCredentials(const ScriptedPeer& peer) {
        for (const QString& line : peer.Received()) {
            if (line.startsWith("USER") || line.startsWith("PASS")) {
                return true;
            }
        }
        return false;
    }

    const TestCertificates* certificates_ = nullptr;
    QSslConfiguration defaultConfiguration_ = QSslConfiguration::defaultConfiguration();
    ScriptedPeer peer_;
    TPop3Client client_;
    std::optional<ETlsError> failure_;
};

} // namespace

TEST_F(NetPop3Tls, TrustedCertificateLetsTheSessionRunEncrypted) {
    const QString fingerprint =
        TestCertificates::Fingerprint(certificates_->selfSigned.certificate);
    struct Case {
        Pop3Security security;
        QString trusted; // the stored form or as a person copies it
    };
    for (const Case& test :
         {Case{Pop3Security::Tls, fingerprint},
          Case{Pop3Security::StartTls, CertificateFingerprint::Grouped(fingerprint)}}) {
        SCOPED_TRACE(int(test.security));
        ScriptedPeer peer;
        if (test.security == Pop3Security::Tls) {
            peer.StartTls(Server(certificates_->selfSigned)).Send("+OK ready\r\n");
        } else {
            peer.Send("+OK ready\r\n").Expect("STLS").Send("+OK begin\r\n");
            peer.StartTls(Server(certificates_->selfSigned));
        }
        peer.Expect("USER alice").Send("+OK\r\n").Expect("PASS secret").Send("+OK\r\n");
        peer.Expect("STAT").Send("+OK 3 300\r\n").Expect("QUIT").Send("+OK bye\r\n");
        client_.Port = peer.Port();
        client_.Security = test.security;
        client_.TrustedCertificate = test.trusted;
        client_.TrustedServer = ServerAddress::Of(client_.Host, client_.Port);
        client_.Connect();
        EXPECT_TRUE(client_.Encrypted());
        EXPECT_EQ(client_.MailCount(), 3);
        client_.Disconnect();
        EXPECT_TRUE(peer.Encrypted());
        EXPECT_TRUE(peer.Mismatches().isEmpty()) << peer.Mismatches().join(", ").toStdString();
        const QStringList session = {"USER alice", "PASS secret", "STAT", "QUIT"};
        EXPECT_EQ(peer.Received(),
                  test.security == Pop3Security::Tls ? session : QStringList({"STLS"}) + session);
    }
}

TEST_F(NetPop3Tls, TrustStoreVouchesForTheNameTheUserTyped) {
    certificates_->TrustAuthority();
    peer_.StartTls(Server(certificates_->signedForLocalhost));
    LoginAfterTls("+OK ready\r\n");
    client_.Host = QStringLiteral("localhost");
    client_.Security = Pop3Security::Tls;
    EXPECT_EQ(Check(), "none");
    EXPECT_EQ(client_.MailCount(), 3);
}

TEST_F(NetPop3Tls, CertificateTheTrustStoreRefusesEndsBeforeTheLogin) {
    struct Case {
        const char* what;
        const TestCertificates::Files* files;
        const char* host;
        QString trusted;
        CertificateProblem problem;
    };
    const QString selfSigned = TestCertificates::Fingerprint(certificates_->selfSigned.certificate);
    const Case cases[] = {
        {"self-signed",
         &certificates_->selfSigned,
         "127.0.0.1",
         {},
         CertificateProblem::SelfSigned},
        {"another certificate trusted", &certificates_->selfSigned, "127.0.0.1",
         QString(selfSigned).replace(0, 1, selfSigned[0] == '0' ? "1" : "0"),
         CertificateProblem::SelfSigned},
        {"garbage trusted", &certificates_->selfSigned, "127.0.0.1", "not a fingerprint",
         CertificateProblem::SelfSigned},
        {"expired", &certificates_->expired, "localhost", {}, CertificateProblem::Expired},
        {"wrong name",
         &certificates_->signedForLocalhost,
         "127.0.0.1",
         {},
         CertificateProblem::NameMismatch},
    };
    certificates_->TrustAuthority();
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        ScriptedPeer peer;
        peer.StartTls(Server(*test.files));
        peer.Send("+OK ready\r\n").Expect("USER alice").Send("+OK\r\n");
        client_.Port = peer.Port();
        client_.Host = QString::fromLatin1(test.host);
        client_.Security = Pop3Security::Tls;
        client_.TrustedCertificate = test.trusted;
        client_.TrustedServer = ServerAddress::Of(client_.Host, client_.Port);
        EXPECT_EQ(Check(), "ETlsError: Server certificate not trusted");
        ASSERT_TRUE(failure_.has_value());
        EXPECT_EQ(failure_->Failure(), TlsFailure::CertificateUntrusted);
        const ServerCertificate& shown = failure_->Certificate();
        EXPECT_EQ(shown.fingerprint, TestCertificates::Fingerprint(test.files->certificate));
        EXPECT_TRUE(shown.subject.contains("CN=localhost")) << shown.subject.toStdString();
        EXPECT_FALSE(shown.issuer.isEmpty());
        EXPECT_TRUE(shown.validFrom.isValid() && shown.validUntil.isValid());
        EXPECT_NE(std::find(shown.problems.begin(), shown.problems.end(), test.problem),
                  shown.problems.end());
        EXPECT_TRUE(peer.Received().isEmpty()) << peer.Received().join(",").toStdString();
        EXPECT_FALSE(client_.Connected());
    }
}

// A server that cannot or will not encrypt: each case ends with its failure within the
// time-out, and no user name or password was sent.
TEST_F(NetPop3Tls, BrokenEncryptionNeverSendsTheCredentials) {
    struct Case {
        const char* what;
        Pop3Security security;
        std::function<void(ScriptedPeer&)> script;
        const char* failure;
        QStringList received;
    };
    const Case cases[] = {
        {"plain text instead of a handshake",
         Pop3Security::Tls,
         [](ScriptedPeer& peer) { peer.Send("+OK POP3 ready\r\n"); },
         "ETlsError: TLS handshake failed",
         {}},
        {"bytes that are no handshake",
         Pop3Security::Tls,
         [](ScriptedPeer& peer) { peer.Send(QByteArray(64, char(0xff))); },
         "ETlsError: TLS handshake failed",
         {}},
        {"close in the middle of the handshake",
         Pop3Security::Tls,
         [](ScriptedPeer& peer) { peer.Pause(100).Close(); },
         "ETlsError: TLS handshake failed",
         {}},
        {"reset in the middle of the handshake",
         Pop3Security::Tls,
         [](ScriptedPeer& peer) { peer.Pause(100).Reset(); },
         "ETlsError: TLS handshake failed",
         {}},
        {"no answer to the handshake",
         Pop3Security::Tls,
         [](ScriptedPeer&) {},
         "ETlsError: TLS handshake timed out",
         {}},
        {"STLS refused",
         Pop3Security::StartTls,
         [](ScriptedPeer& peer) {
             peer.Send("+OK ready\r\n").Expect("STLS").Send("-ERR not here\r\n");
             peer.Expect("QUIT").Send("+OK bye\r\n");
         },
         "ETlsError: -ERR not here\r\n",
         {"STLS", "QUIT"}},
        {"STLS not answered",
         Pop3Security::StartTls,
         [](ScriptedPeer& peer) { peer.Send("+OK ready\r\n").Expect("STLS"); },
         "ETlsError: STLS not answered",
         {"STLS"}},
        {"close after STLS",
         Pop3Security::StartTls,
         [](ScriptedPeer& peer) { peer.Send("+OK ready\r\n").Expect("STLS").Close(); },
         "ETlsError: STLS not answered",
         {"STLS"}},
        {"plain text slipped in after STLS",
         Pop3Security::StartTls,
         [](ScriptedPeer& peer) {
             peer.Send("+OK ready\r\n").Expect("STLS").Send("+OK begin\r\n+OK logged in\r\n");
         },
         "ETlsError: Data before the TLS handshake",
         {"STLS"}},
        {"plain text instead of a handshake after STLS",
         Pop3Security::StartTls,
         [](ScriptedPeer& peer) {
             peer.Send("+OK ready\r\n").Expect("STLS").Send("+OK begin\r\n");
             peer.Pause(50).Send("+OK hello\r\n");
         },
         "ETlsError: TLS handshake failed",
         {"STLS"}},
        {"no handshake after STLS",
         Pop3Security::StartTls,
         [](ScriptedPeer& peer) { peer.Send("+OK ready\r\n").Expect("STLS").Send("+OK\r\n"); },
         "ETlsError: TLS handshake timed out",
         {"STLS"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        ScriptedPeer peer;
        test.script(peer);
        client_.Port = peer.Port();
        client_.Security = test.security;
        client_.TimeOut = 300;
        EXPECT_EQ(Check(), test.failure);
        ASSERT_TRUE(failure_.has_value());
        EXPECT_EQ(failure_->Failure(), TlsFailure::EncryptionFailed);
        EXPECT_FALSE(client_.Connected());
        // What the client sent once its handshake had begun is no text.
        const bool handshakeBegan = QString::fromLatin1(test.failure).contains("handshake");
        EXPECT_EQ(handshakeBegan ? peer.Received().mid(0, test.received.size()) : peer.Received(),
                  test.received);
        EXPECT_FALSE(SentCredentials(peer));
    }
    // The component is usable again at once.
    peer_.StartTls(Server(certificates_->selfSigned));
    LoginAfterTls("+OK ready\r\n");
    client_.Port = peer_.Port();
    client_.Security = Pop3Security::Tls;
    client_.TrustedCertificate =
        TestCertificates::Fingerprint(certificates_->selfSigned.certificate);
    client_.TrustedServer = ServerAddress::Of(client_.Host, client_.Port);
    EXPECT_EQ(Check(), "none");
}

TEST_F(NetPop3Tls, CancelOrTheProgramsTimerDuringAStalledHandshake) {
    client_.Security = Pop3Security::Tls;
    client_.TimeOut = 0; // only the cancel ends it
    int ticks = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] {
        if (++ticks == 5) {
            client_.Cancel();
        }
    });
    clock.start(20);
    EXPECT_EQ(Check(), "EAbortError: Connection Canceled");
    EXPECT_EQ(ticks, 5);
    EXPECT_FALSE(client_.Connected());
}
