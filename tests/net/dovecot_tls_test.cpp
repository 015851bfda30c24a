// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/server_address.h"
#include "dovecot_server.h"
#include "net/etls_error.h"
#include "net/pop3_client.h"
#include "net_test_support.h"
#include "test_certificates.h"

#include <QSslConfiguration>
#include <QTcpServer>
#include <gtest/gtest.h>
#include <memory>

// The POP3 client against a Dovecot that requires TLS: a pop3s listener, and a plain one
// that offers STLS and refuses plaintext logins (seen from 127.0.0.1 on 127.0.0.2, since
// Dovecot trusts a connection whose two ends have the same address).
class NetDovecotTls : public ::testing::Test {
protected:
    void SetUp() override {
        if (DovecotServer::Executable().isEmpty()) {
            GTEST_SKIP() << "Dovecot is not installed (Debian package dovecot-pop3d)";
        }
        certificates_ = TestCertificates::Get();
        ASSERT_NE(certificates_, nullptr) << TestCertificates::Problem().toStdString();
        client_.UserID = QStringLiteral("alice");
        client_.Password = QStringLiteral("secret");
        client_.TimeOut = 10000;
        client_.ReportLevel = 1;
        client_.OnStatus = [this](TSocketClient&, const QString& reply) { replies_ << reply; };
    }
    void TearDown() override { QSslConfiguration::setDefaultConfiguration(defaultConfiguration_); }

    void Start(const TestCertificates::Files& files,
               const QStringList& addresses = {"127.0.0.1", "127.0.0.2"}) {
        DovecotOptions options;
        options.certificate = files.certificate;
        options.key = files.key;
        options.addresses = addresses;
        server_ = std::make_unique<DovecotServer>(options);
        const QString failure = server_->Start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }
    void Aim(const char* host, Pop3Security security) {
        client_.Host = QString::fromLatin1(host);
        client_.Security = security;
        client_.Port = security == Pop3Security::Tls ? server_->TlsPort() : server_->Port();
    }
    QString SelfSignedFingerprint() const {
        return TestCertificates::Fingerprint(certificates_->selfSigned.certificate);
    }

    const TestCertificates* certificates_ = nullptr;
    QSslConfiguration defaultConfiguration_ = QSslConfiguration::defaultConfiguration();
    std::unique_ptr<DovecotServer> server_;
    TPop3Client client_;
    QStringList replies_;
};

TEST_F(NetDovecotTls, TrustedFingerprintCountsTheMessagesOverPop3sAndStls) {
    Start(certificates_->selfSigned);
    for (const Pop3Security security : {Pop3Security::Tls, Pop3Security::StartTls}) {
        SCOPED_TRACE(int(security));
        replies_.clear();
        Aim("127.0.0.2", security);
        client_.TrustedCertificate = SelfSignedFingerprint();
        client_.TrustedServer = ServerAddress::Of(client_.Host, client_.Port);
        client_.Connect();
        EXPECT_TRUE(client_.Encrypted());
        EXPECT_EQ(client_.MailCount(), 3);
        client_.Disconnect();
        // STLS, then USER, PASS, STAT and QUIT over TLS.
        EXPECT_EQ(replies_.size(), security == Pop3Security::Tls ? 4 : 5)
            << replies_.join(" | ").toStdString();
    }
}

TEST_F(NetDovecotTls, WithoutTheFingerprintTheCertificateIsNotTrusted) {
    Start(certificates_->selfSigned);
    for (const Pop3Security security : {Pop3Security::Tls, Pop3Security::StartTls}) {
        SCOPED_TRACE(int(security));
        Aim("127.0.0.2", security);
        try {
            client_.Connect();
            ADD_FAILURE() << "connected";
        } catch (const ETlsError& error) {
            EXPECT_EQ(error.Failure(), TlsFailure::CertificateUntrusted);
            EXPECT_EQ(error.Certificate().fingerprint, SelfSignedFingerprint());
        }
        EXPECT_FALSE(client_.Connected());
    }
}

TEST_F(NetDovecotTls, PlainAccountIsRefusedByTheServer) {
    Start(certificates_->selfSigned);
    Aim("127.0.0.2", Pop3Security::None);
    EXPECT_EQ(FailureOf([&] { client_.Connect(); }), "ENetError: Authentication failed");
    EXPECT_FALSE(client_.Connected());
    ASSERT_FALSE(replies_.isEmpty());
    EXPECT_TRUE(replies_[0].contains("Plaintext authentication disallowed"))
        << replies_.join(" | ").toStdString();
}

TEST_F(NetDovecotTls, TrustStoreVouchesForTheNameButNotForAnother) {
    Start(certificates_->signedForLocalhost, {"127.0.0.1"});
    certificates_->TrustAuthority();
    Aim("localhost", Pop3Security::Tls);
    client_.Connect();
    EXPECT_EQ(client_.MailCount(), 3);
    client_.Disconnect();

    Aim("127.0.0.1", Pop3Security::Tls); // the certificate names localhost only
    EXPECT_EQ(FailureOf([&] { client_.Connect(); }), "ETlsError: Server certificate not trusted");
}

TEST_F(NetDovecotTls, ServerOnTheIPv6Loopback) {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHostIPv6, 0)) {
        GTEST_SKIP() << "this system has no IPv6 loopback";
    }
    probe.close();
    Start(certificates_->selfSigned, {"::1"});
    for (const char* host : {"::1", "[::1]"}) {
        Aim(host, Pop3Security::Tls);
        client_.TrustedCertificate = SelfSignedFingerprint();
        client_.TrustedServer = ServerAddress::Of(client_.Host, client_.Port);
        client_.Connect();
        EXPECT_EQ(client_.MailCount(), 3) << host;
        EXPECT_EQ(client_.RemoteAddress(), QHostAddress(QHostAddress::LocalHostIPv6));
        client_.Disconnect();
    }
}
