// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_server_opener.h"

#include <QSslSocket>
#include <memory>

ImapServerOpener::ImapServerOpener(ConnectionTarget target, ImapSecurity security,
                                   std::chrono::milliseconds stepTimeOut)
    : target_(std::move(target)), stepTimeOut_(stepTimeOut) {
    // An IMAP connection always reads through a QSslSocket; without TLS it is never encrypted.
    target_.tls =
        security == ImapSecurity::Tls ? ConnectionTls::FromFirstByte : ConnectionTls::OnRequest;
}

ImapServerOpener::~ImapServerOpener() {
    delete connector_;
}

ImapOutcome ImapServerOpener::OutcomeOf(ConnectFailure failure) {
    switch (failure) {
    case ConnectFailure::None:
        return ImapOutcome::Ok;
    case ConnectFailure::CertificateUntrusted:
        return ImapOutcome::CertificateUntrusted;
    case ConnectFailure::EncryptionUnavailable:
    case ConnectFailure::DataBeforeHandshake:
    case ConnectFailure::HandshakeFailed:
        return ImapOutcome::EncryptionFailed;
    case ConnectFailure::TimedOut:
        return ImapOutcome::TimedOut;
    case ConnectFailure::LookupFailed:
    case ConnectFailure::ConnectFailed:
        break;
    }
    return ImapOutcome::ConnectionLost;
}

SecureConnector& ImapServerOpener::FreshConnector() {
    if (connector_ != nullptr) {
        connector_->Cancel();
        connector_->disconnect();
        connector_->deleteLater();
    }
    connector_ = new SecureConnector;
    return *connector_;
}

void ImapServerOpener::Remember(const SecureConnector& connector) {
    refused_ = connector.RefusedCertificate();
}

void ImapServerOpener::Open(Opened opened) {
    SecureConnector& connector = FreshConnector();
    QObject::connect(&connector, &SecureConnector::finished, &connector,
                     [this, &connector, opened = std::move(opened)] {
                         Remember(connector);
                         const ConnectFailure failure = connector.Failure();
                         // A connection whose handshake failed is ours to close, not the caller's.
                         std::unique_ptr<QTcpSocket> socket(connector.TakeSocket());
                         QSslSocket* handedOver = nullptr;
                         if (failure == ConnectFailure::None) {
                             handedOver = qobject_cast<QSslSocket*>(socket.release());
                         }
                         opened(handedOver, OutcomeOf(failure), connector.FailureText());
                     });
    connector.Open(target_, stepTimeOut_);
}

void ImapServerOpener::Cancel() {
    if (connector_ != nullptr) {
        connector_->Cancel();
    }
}

void ImapServerOpener::StartTls(QSslSocket* socket, Encrypted encrypted) {
    SecureConnector& connector = FreshConnector();
    connector.SetStepTimeOut(stepTimeOut_);
    // Queued: the session hears of the handshake from the event loop, not from inside the
    // socket's signal or the call that asked for it.
    QObject::connect(
        &connector, &SecureConnector::progressed, &connector,
        [this, &connector, encrypted = std::move(encrypted)] {
            const bool done = connector.Encrypted();
            const ConnectFailure failure = connector.Failure();
            if (!done && failure == ConnectFailure::None) {
                return;
            }
            QObject::disconnect(&connector, &SecureConnector::progressed, nullptr, nullptr);
            Remember(connector);
            encrypted(done ? ImapOutcome::Ok : OutcomeOf(failure), connector.FailureText());
        },
        Qt::QueuedConnection);
    connector.Encrypt(target_, socket);
}
