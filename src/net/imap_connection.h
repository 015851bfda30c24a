// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/imap_session.h"
#include "net/imap_socket_opener.h"

#include <QObject>
#include <QPointer>
#include <QSslSocket>
#include <QTimer>
#include <chrono>

// Drives one IMAP session over a socket that its owner has already connected (and for IMAPS
// encrypted, with the program's trust rules). Its state advances on the socket's signals
// and its own time-out: nothing here waits, so it can live beside the clock's tick.
//
// STARTTLS is the owner's to do as well: on startTlsRequested it encrypts the socket with
// the same rules as any other connection and calls EncryptionStarted, or Fail.
//
// finished is emitted once, when the session is over and the socket closed; Result then
// holds the outcome. Receivers delete the connection with deleteLater, not in the signal.
class ImapConnection : public QObject {
    Q_OBJECT

public:
    // Takes the socket over; it goes with the connection. Each answer the server owes must
    // begin within replyTimeOut.
    ImapConnection(QSslSocket* socket, ImapSession session, std::chrono::milliseconds replyTimeOut,
                   QObject* parent = nullptr);
    ~ImapConnection() override;
    ImapConnection(const ImapConnection&) = delete;
    ImapConnection& operator=(const ImapConnection&) = delete;

    // Reads the greeting (it may have arrived already) and goes on from there.
    void Start();
    // Ends the current IDLE and starts another; nothing unless idling.
    void RenewIdle();
    // Logs out, giving the server `limit` to answer, and closes.
    void Logout(std::chrono::milliseconds limit);
    // The handshake asked for by startTlsRequested is done.
    void EncryptionStarted();
    // Lets the opener of the socket do the handshakes startTlsRequested asks for.
    void EncryptThrough(ImapSocketOpener& opener);
    // Ends the session at once with this outcome, for example when the owner's handshake
    // failed or the server's certificate is not trusted.
    void Fail(ImapOutcome outcome, const QString& reason);

    QSslSocket* Socket() const { return socket_; }
    bool Idling() const { return session_.Idling(); }
    bool Finished() const { return finished_; }
    const ImapResult& Result() const { return session_.Result(); }

signals:
    void startTlsRequested();
    void idling();
    void mailboxChanged();
    void finished();

private:
    void ReadAvailable();
    void Closed(const QString& reason);
    void Apply(const ImapStep& step);
    void Finish();

    QPointer<QSslSocket> socket_;
    ImapSession session_;
    QTimer replyTimer_;
    bool handshaking_ = false;
    bool finished_ = false;
};
