// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/certificate_trust.h"
#include "test_certificates.h"

#include <gtest/gtest.h>

TEST(NetCertificateTrust, PinCoversOnlyItsServerAndTheErrorsOfItsCertificate) {
    const TestCertificates* certificates = TestCertificates::Get();
    ASSERT_NE(certificates, nullptr) << TestCertificates::Problem().toStdString();
    const QSslCertificate peer = QSslCertificate::fromPath(certificates->selfSigned.certificate)[0];
    const QSslCertificate other =
        QSslCertificate::fromPath(certificates->signedForLocalhost.certificate)[0];
    const QString pinned = TestCertificates::Fingerprint(certificates->selfSigned.certificate);
    const QList<QSslError> usual = {QSslError(QSslError::SelfSignedCertificate, peer),
                                    QSslError(QSslError::HostNameMismatch, peer)};
    struct Case {
        const char* what;
        CertificatePin pin;
        QString host;
        QList<QSslError> errors;
        bool ignored;
    };
    const Case cases[] = {
        {"pinned for this server", {pinned, "mail.example.jp:995"}, "mail.example.jp", usual, true},
        {"the host in capitals", {pinned, "mail.example.jp:995"}, "Mail.Example.JP", usual, true},
        {"IPv6 with brackets or without", {pinned.toUpper(), "[::1]:995"}, "::1", usual, true},
        {"pinned for another port",
         {pinned, "mail.example.jp:110"},
         "mail.example.jp",
         usual,
         false},
        {"pinned for another host",
         {pinned, "pop.example.jp:995"},
         "mail.example.jp",
         usual,
         false},
        {"pinned for no server", {pinned, ""}, "mail.example.jp", usual, false},
        {"another certificate pinned",
         {TestCertificates::Fingerprint(certificates->signedForLocalhost.certificate),
          "mail.example.jp:995"},
         "mail.example.jp",
         usual,
         false},
        {"revoked besides",
         {pinned, "mail.example.jp:995"},
         "mail.example.jp",
         usual + QList<QSslError>{QSslError(QSslError::CertificateRevoked, peer)},
         false},
        {"an error of a certificate the server did not send",
         {pinned, "mail.example.jp:995"},
         "mail.example.jp",
         {QSslError(QSslError::SelfSignedCertificate, other)},
         false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const auto ignored =
            CertificateTrust::ErrorsToIgnore(test.pin, {test.host, 995, peer, {peer}, test.errors});
        ASSERT_EQ(ignored.has_value(), test.ignored);
        if (ignored) {
            EXPECT_EQ(*ignored, test.errors) << "exactly the errors raised, never all";
        }
    }
}
