// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/imap_session.h"

#include <QString>
#include <functional>

class QSslSocket;

// Opens the connections of an IMAP check or IDLE watch the way every other connection of the
// program is opened: each address of the host tried, TLS and the server's certificate judged by the
// same rules.
class ImapSocketOpener {
public:
    using Opened = std::function<void(QSslSocket* socket, ImapOutcome failure, QString reason)>;
    using Encrypted = std::function<void(ImapOutcome outcome, QString reason)>;

    virtual ~ImapSocketOpener() = default;
    // Starts opening a connection and later calls `opened` once: with a connected socket
    // (encrypted for IMAPS) that the callee takes over, or with nullptr and why not.
    virtual void Open(Opened opened) = 0;
    // Abandons an opening in progress; its callback is not called.
    virtual void Cancel() = 0;
    // Encrypts a socket it opened, for STARTTLS, and then calls `encrypted` once.
    virtual void StartTls(QSslSocket* socket, Encrypted encrypted) = 0;
};

// What a session logs in with and which mailbox it opens.
struct ImapAccess {
    ImapSecurity security = ImapSecurity::Tls;
    QString user{};
    QString password{};
    QString mailbox = QStringLiteral("INBOX");
};
