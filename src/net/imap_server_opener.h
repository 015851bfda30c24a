// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/imap_socket_opener.h"
#include "net/secure_connector.h"

#include <QPointer>
#include <chrono>

// Opens the connections to one IMAP server through the program's SecureConnector, so that
// IMAP connects and trusts exactly as POP3 does. Every step (lookup, connect, handshake) has
// the step time-out.
class ImapServerOpener : public ImapSocketOpener {
public:
    // `target.tls` follows from `security`; the host, port and pin are the account's.
    ImapServerOpener(ConnectionTarget target, ImapSecurity security,
                     std::chrono::milliseconds stepTimeOut);
    ~ImapServerOpener() override;
    ImapServerOpener(const ImapServerOpener&) = delete;
    ImapServerOpener& operator=(const ImapServerOpener&) = delete;

    void Open(Opened opened) override;
    void Cancel() override;
    void StartTls(QSslSocket* socket, Encrypted encrypted) override;

    // What the server showed when the last handshake refused its certificate.
    const ServerCertificate& RefusedCertificate() const { return refused_; }

    // What a connection failure means to an IMAP session.
    static ImapOutcome OutcomeOf(ConnectFailure failure);

private:
    // A fresh connector for each opening or handshake; the one before goes once its own
    // signal has returned.
    SecureConnector& FreshConnector();
    void Remember(const SecureConnector& connector);

    ConnectionTarget target_;
    std::chrono::milliseconds stepTimeOut_;
    QPointer<SecureConnector> connector_;
    ServerCertificate refused_;
};
