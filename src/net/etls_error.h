// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/net_error.h"
#include "net/server_certificate.h"

enum class TlsFailure {
    // STLS refused or unanswered, or a handshake that failed or stalled.
    EncryptionFailed,
    // Neither the trust store nor the trusted fingerprint vouched for the certificate.
    CertificateUntrusted,
};

// A connection that was to be encrypted and could not be. An untrusted certificate comes
// with what the server showed, so that a person can decide to trust it.
class ETlsError : public ENetError {
public:
    ETlsError(TlsFailure failure, const QString& text, ServerCertificate certificate = {});

    TlsFailure Failure() const { return failure_; }
    const ServerCertificate& Certificate() const { return certificate_; }

private:
    TlsFailure failure_;
    ServerCertificate certificate_;
};
