#include "pop3_client.h"

#include "net/eabort_error.h"
#include "net/etls_error.h"
#include "net/net_error.h"
#include "net/nth_word.h"

namespace {

const QString kAuthenticationFailed = QStringLiteral("Authentication failed");

bool Accepted(const QString& reply) {
    return NthWord(reply, QLatin1Char(' '), 1).contains(QLatin1String("+OK"));
}

// The word as a decimal number, 0 when it is not one. Trailing characters such as the CR LF
// of a last word make it no number: "+OK 3" followed by CR LF counts 0 messages.
int DecimalOrZero(const QString& word) {
    bool ok = false;
    const int value = word.toInt(&ok, 10);
    const bool plain = !word.isEmpty() && !word.front().isSpace() && !word.back().isSpace();
    return ok && plain ? value : 0;
}

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
    if (!Accepted(reply)) {
        throw ETlsError(TlsFailure::EncryptionFailed, reply);
    }
    StartEncryption();
}

void TPop3Client::LogIn() {
    for (int pass = 0;; ++pass) {
        bool loggedIn = false;
        if (Accepted(Transaction(QStringLiteral("USER ") + UserID))) {
            loggedIn = Accepted(Transaction(QStringLiteral("PASS ") + Password));
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
    if (!Accepted(reply)) {
        throw ENetError(reply);
    }
    mailCount_ = DecimalOrZero(NthWord(reply, QLatin1Char(' '), 2));
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
        if (!Accepted(greeting)) {
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
    if (!Accepted(reply)) {
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
