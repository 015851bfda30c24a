// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <vector>

class QSslCertificate;
class QSslError;

// Why the system's trust store refused a server certificate.
enum class CertificateProblem {
    Expired,
    NotYetValid,
    NameMismatch,
    SelfSigned,
    UnknownIssuer,
    Revoked,
    Other,
};

// What a person needs to decide whether to trust a server certificate the trust store
// refused.
struct ServerCertificate {
    QString subject;
    QString issuer;
    QDateTime validFrom;
    QDateTime validUntil;
    // SHA-256 of the DER form, 64 lower-case hex digits; "" when the server sent none.
    QString fingerprint;
    // Each problem once, in the order first reported.
    std::vector<CertificateProblem> problems;

    bool IsNull() const { return fingerprint.isEmpty(); }

    static ServerCertificate From(const QSslCertificate& certificate,
                                  const QList<QSslError>& errors);
};
