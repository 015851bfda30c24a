// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/certificate_trust.h"

#include "core/certificate_fingerprint.h"
#include "core/server_address.h"

#include <algorithm>

namespace {

// What the trust store says of a certificate that only the user vouches for.
bool RaisedByAPinnedCertificate(QSslError::SslError error) {
    switch (error) {
    case QSslError::SelfSignedCertificate:
    case QSslError::SelfSignedCertificateInChain:
    case QSslError::UnableToGetLocalIssuerCertificate:
    case QSslError::UnableToGetIssuerCertificate:
    case QSslError::UnableToVerifyFirstCertificate:
    case QSslError::CertificateUntrusted:
    case QSslError::HostNameMismatch:
    case QSslError::CertificateExpired:
    case QSslError::CertificateNotYetValid:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<QList<QSslError>>
CertificateTrust::ErrorsToIgnore(const CertificatePin& pin, const RefusedHandshake& handshake) {
    const QString trusted = CertificateFingerprint::Normalised(pin.fingerprint);
    if (trusted.isEmpty() || handshake.peer.isNull() ||
        CertificateFingerprint::OfDer(handshake.peer.toDer()) != trusted ||
        !ServerAddress::Names(pin.server, handshake.host, handshake.port)) {
        return std::nullopt;
    }
    const auto sentByTheServer = [&handshake](const QSslCertificate& certificate) {
        return certificate == handshake.peer || handshake.chain.contains(certificate);
    };
    const bool allExpected =
        std::all_of(handshake.errors.begin(), handshake.errors.end(), [&](const QSslError& error) {
            return RaisedByAPinnedCertificate(error.error()) &&
                   sentByTheServer(error.certificate());
        });
    if (!allExpected) {
        return std::nullopt;
    }
    return handshake.errors;
}
