// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/server_certificate.h"

#include "core/certificate_fingerprint.h"

#include <QSslCertificate>
#include <QSslError>
#include <QStringList>
#include <algorithm>

namespace {

CertificateProblem ProblemOf(QSslError::SslError error) {
    switch (error) {
    case QSslError::CertificateExpired:
        return CertificateProblem::Expired;
    case QSslError::CertificateNotYetValid:
        return CertificateProblem::NotYetValid;
    case QSslError::HostNameMismatch:
        return CertificateProblem::NameMismatch;
    case QSslError::SelfSignedCertificate:
    case QSslError::SelfSignedCertificateInChain:
        return CertificateProblem::SelfSigned;
    case QSslError::UnableToGetLocalIssuerCertificate:
    case QSslError::UnableToGetIssuerCertificate:
    case QSslError::UnableToVerifyFirstCertificate:
    case QSslError::CertificateUntrusted:
        return CertificateProblem::UnknownIssuer;
    case QSslError::CertificateRevoked:
        return CertificateProblem::Revoked;
    default:
        return CertificateProblem::Other;
    }
}

// "CN=mail.example.jp, O=Example" with the usual attributes first.
QString DistinguishedName(const QSslCertificate& certificate,
                          QStringList (QSslCertificate::*info)(const QByteArray&) const,
                          QList<QByteArray> attributes) {
    const QList<QByteArray> preferred = {"CN", "OU", "O", "L", "ST", "C"};
    std::stable_sort(attributes.begin(), attributes.end(),
                     [&preferred](const QByteArray& left, const QByteArray& right) {
                         const auto rank = [&preferred](const QByteArray& name) {
                             const qsizetype at = preferred.indexOf(name);
                             return at < 0 ? preferred.size() : at;
                         };
                         return rank(left) < rank(right);
                     });
    QStringList parts;
    for (const QByteArray& attribute : attributes) {
        for (const QString& value : (certificate.*info)(attribute)) {
            parts << QString::fromLatin1(attribute) + QLatin1Char('=') + value;
        }
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

ServerCertificate ServerCertificate::From(const QSslCertificate& certificate,
                                          const QList<QSslError>& errors) {
    ServerCertificate summary;
    for (const QSslError& error : errors) {
        const CertificateProblem problem = ProblemOf(error.error());
        if (std::find(summary.problems.begin(), summary.problems.end(), problem) ==
            summary.problems.end()) {
            summary.problems.push_back(problem);
        }
    }
    if (certificate.isNull()) {
        return summary;
    }
    summary.subject = DistinguishedName(certificate, &QSslCertificate::subjectInfo,
                                        certificate.subjectInfoAttributes());
    summary.issuer = DistinguishedName(certificate, &QSslCertificate::issuerInfo,
                                       certificate.issuerInfoAttributes());
    summary.validFrom = certificate.effectiveDate();
    summary.validUntil = certificate.expiryDate();
    summary.fingerprint = CertificateFingerprint::OfDer(certificate.toDer());
    return summary;
}
