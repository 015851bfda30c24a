// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSslConfiguration>
#include <QString>
#include <QTemporaryDir>

// Server certificates made with the openssl program at test time, once per process, in a
// temporary folder: a self-signed one for localhost, 127.0.0.1 and ::1; a private
// certificate authority; one for localhost that authority signed; and an expired one it
// signed.
class TestCertificates {
public:
    struct Files {
        QString certificate; // PEM
        QString key;         // PEM, unencrypted
    };

    // The set of this process; nullptr when it could not be made, with the reason in Problem.
    static const TestCertificates* Get();
    static QString Problem();

    Files selfSigned;
    Files signedForLocalhost;
    Files expired;
    QString authority; // the authority's certificate, PEM

    // SHA-256 of a certificate file's DER form, 64 lower-case hex digits.
    static QString Fingerprint(const QString& certificateFile);
    // What a TLS server presents with these files.
    static QSslConfiguration ServerConfiguration(const Files& files);
    // Makes the authority trusted by every TLS connection of this process, as if it were in
    // the system's store.
    void TrustAuthority() const;

private:
    TestCertificates() = default;
    QString Make();

    QTemporaryDir folder_;
};
