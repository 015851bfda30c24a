// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QSslCertificate>
#include <QSslError>
#include <QString>
#include <optional>

// A certificate the user chose to trust, and the server ("host:port") it was trusted for.
struct CertificatePin {
    QString fingerprint; // SHA-256, in any form CertificateFingerprint::Normalised reads
    QString server;
};

// What a TLS handshake showed when the trust store refused the server.
struct RefusedHandshake {
    QString host; // as the account names it
    quint16 port = 0;
    QSslCertificate peer;
    QList<QSslCertificate> chain; // as the server sent it, the peer first
    QList<QSslError> errors;
};

// Decides whether a connection goes on although the trust store refused its certificate. It
// does when the user pinned this very certificate for this very server, and then only past the
// errors such a certificate raises by its nature (an issuer nobody vouches for, another name,
// its dates), each for a certificate the server sent; anything else, a revocation or a bad
// signature among them, still ends the handshake.
class CertificateTrust {
public:
    // The errors to ignore, or nothing when the errors stand.
    static std::optional<QList<QSslError>> ErrorsToIgnore(const CertificatePin& pin,
                                                          const RefusedHandshake& handshake);
};
