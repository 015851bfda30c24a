// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pop3_client.h"

#include "net/eabort_error.h"
#include "net/etls_error.h"
#include "net/net_error.h"
#include "net/pop3_reply.h"
#include "net/sendable_text.h"

namespace {

const QString kAuthenticationFailed = QStringLiteral("Authentication failed");

} // namespace

TPop3Client::TPop3Client() {
    Port = 110;
}

TPop3Client::~TPop3Client() {
    // The base destructor can only reach its own Abort; the socket must close at once here.
    try {
        Abort();
    } catch (...) {
    }
}

void TPop3Client::EnsureCredentials() {
    for (int pass = 1; UserID.isEmpty() || Password.isEmpty(); ++pass) {
        if (!OnAuthenticationNeeded) {
            throw ENetError(kAuthenticationFailed);
        }
        if (pass > 1) {
            return; // asked once: go on with what is there
        }
        bool handled = false;
        OnAuthenticationNeeded(handled);
        if (!handled) {
            throw ENetError(kAuthenticationFailed);
        }
    }
    RequireSendableCredentials();
}

void TPop3Client::RequireSendableCredentials() const {
    if (!SendableInACommand(UserID) || !SendableInACommand(Password)) {
        throw ENetError(kAuthenticationFailed);
    }
}

void TPop3Client::NegotiateStartTls() {
    QString reply;
    try {
        reply = Transaction(QStringLiteral("STLS"));
    } catch (const EAbortError&) {
        if (!TimedOut()) {
            throw;
        }
        throw ETlsError(TlsFailure::EncryptionFailed, QStringLiteral("STLS not answered"));
    }
    if (reply.isEmpty()) {
        throw ETlsError(TlsFailure::EncryptionFailed, QStringLiteral("STLS not answered"));
    }
    if (!Pop3Reply::IsPositive(reply)) {
        throw ETlsError(TlsFailure::EncryptionFailed, reply);
    }
    StartEncryption();
}

void TPop3Client::LogIn() {
    for (int pass = 0;; ++pass) {
        // The failure handler may have given other credentials for the second pass.
        RequireSendableCredentials();
        bool loggedIn = false;
        if (Pop3Reply::IsPositive(Transaction(QStringLiteral("USER ") + UserID))) {
            loggedIn = Pop3Reply::IsPositive(Transaction(QStringLiteral("PASS ") + Password));
        }
        if (loggedIn) {
            return;
        }
        if (pass > 0 || !OnAuthenticationFailed) {
            throw ENetError(kAuthenticationFailed);
        }
        bool handled = false;
        OnAuthenticationFailed(handled);
        if (!handled) {
            throw ENetError(kAuthenticationFailed);
        }
    }
}

void TPop3Client::ReadMailCount() {
    const QString reply = Transaction(QStringLiteral("STAT"));
    if (!Pop3Reply::IsPositive(reply)) {
        throw ENetError(reply);
    }
    const std::optional<int> count = Pop3Reply::MessageCount(reply);
    if (!count) {
        throw ENetError(reply);
    }
    mailCount_ = *count;
}

void TPop3Client::Connect() {
    EnsureCredentials();
    const bool wasBusy = busy_;
    busy_ = true;
    bool loggedIn = false;
    // Busy and OnConnect are settled on every way out, also by an exception.
    struct Settle {
        TPop3Client& client;
        const bool& loggedIn;
        bool wasBusy;
        ~Settle() {
            client.busy_ = wasBusy;
            if (loggedIn && client.OnConnect) {
                try {
                    client.OnConnect(client);
                } catch (...) {
                }
            }
        }
    } settle{*this, loggedIn, wasBusy};

    switch (Security) {
    case Pop3Security::None:
        Tls = TlsMode::Off;
        break;
    case Pop3Security::StartTls:
        Tls = TlsMode::OnRequest;
        break;
    case Pop3Security::Tls:
        Tls = TlsMode::FromFirstByte;
        break;
    }
    TSocketClient::Connect();
    try {
        const QString greeting = ReadLn();
        if (!Pop3Reply::IsPositive(greeting)) {
            // A server that refuses the session is owed no QUIT, and may not answer one.
            TSocketClient::Disconnect();
            throw ENetError(greeting);
        }
        if (Security == Pop3Security::StartTls) {
            NegotiateStartTls();
        }
        // The last guard before the password goes out.
        if (Security != Pop3Security::None && !Encrypted()) {
            throw ETlsError(TlsFailure::EncryptionFailed, QStringLiteral("Not encrypted"));
        }
        LogIn();
        loggedIn = true;
        ReadMailCount();
    } catch (...) {
        // The first failure is the one the caller needs to see; one from the logout that
        // follows it would only hide it.
        try {
            Disconnect();
        } catch (...) {
        }
        throw;
    }
}

void TPop3Client::Disconnect() {
    if (!Connected()) {
        return;
    }
    QString reply;
    try {
        reply = Transaction(QStringLiteral("QUIT"));
    } catch (...) {
        TSocketClient::Disconnect();
        throw;
    }
    TSocketClient::Disconnect();
    if (!Pop3Reply::IsPositive(reply)) {
        throw ENetError(reply);
    }
}

void TPop3Client::Abort() {
    Cancel();
    if (Connected()) {
        TSocketClient::Disconnect();
        ClearInput();
    }
}
