// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/socket_client.h"

// How a POP3 connection is protected; the values are the stored ones.
enum class Pop3Security {
    None = 0,     // plain POP3
    StartTls = 1, // STLS right after the greeting
    Tls = 2,      // TLS from the first byte (POP3S)
};

// Logs in to a POP3 mailbox, reads the number of messages and logs out again. Failures are
// exceptions: "Authentication failed" (also for a user name or password holding CR, LF or NUL,
// which is never sent), the server's own line when it refuses the greeting, STAT or QUIT or
// sends a STAT without a count, ETlsError when Security asks for encryption that cannot be had, and
// everything TSocketClient raises. With Security other than None the user name and the
// password are sent only over an encrypted connection.
class TPop3Client : public TSocketClient {
public:
    TPop3Client();
    ~TPop3Client() override;

    QString UserID;
    QString Password;
    Pop3Security Security = Pop3Security::None;
    // Kept for the retrieval operations; they have no effect on the ones built here.
    bool Parse = false;
    bool DeleteOnRead = false;

    // Fires after a good login, also when STAT then fails. It hides TSocketClient::OnConnect,
    // which a POP3 client leaves unset so that the bare TCP connect reports nothing.
    std::function<void(TSocketClient&)> OnConnect;
    std::function<void(bool& handled)> OnAuthenticationNeeded;
    std::function<void(bool& handled)> OnAuthenticationFailed;

    // Connects, logs in and reads MailCount; the connection stays open.
    void Connect() override;
    // Sends QUIT and closes the socket; nothing when not connected.
    void Disconnect() override;
    // Cancels the running wait and closes the socket at once.
    void Abort() override;

    int MailCount() const { return mailCount_; }
    bool Busy() const { return busy_; }

private:
    void EnsureCredentials();
    // Raises "Authentication failed" for a user name or password that cannot be sent.
    void RequireSendableCredentials() const;
    void NegotiateStartTls();
    void LogIn();
    void ReadMailCount();

    int mailCount_ = 0;
    bool busy_ = false;
};
