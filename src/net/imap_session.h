// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/imap_response.h"

#include <QByteArray>
#include <QFlags>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// How an IMAP connection is protected; the values are the stored ones.
enum class ImapSecurity {
    None = 0,     // plain IMAP
    StartTls = 1, // STARTTLS before the login
    Tls = 2,      // TLS from the first byte (IMAPS)
};

// How a session ended.
enum class ImapOutcome {
    Ok,
    // The server refused the login, offers none this client can use, or the credentials
    // cannot be sent (empty, or holding CR, LF or NUL).
    LoginRefused,
    // The mailbox cannot be opened: it does not exist or may not be read.
    MailboxMissing,
    // STARTTLS is not offered or refused, the handshake failed, or plain text came where only
    // encrypted text may.
    EncryptionFailed,
    // Neither the trust store nor the account's trusted certificate vouched for the server's
    // (the transport decides).
    CertificateUntrusted,
    // The server does not offer IDLE (only a watch asks for it).
    IdleUnsupported,
    // The server said BYE or the connection closed before the session was over.
    ConnectionLost,
    // A response that cannot be read or answers what was not asked.
    ProtocolError,
    // The server did not answer in time (the transport's clock decides).
    TimedOut,
};

// What the check learns about the mailbox it examined.
struct ImapMailboxStatus {
    quint32 uidValidity = 0; // 0 when the server did not say
    quint32 uidNext = 0;     // 0 when the server did not say
    quint32 messages = 0;
    quint32 unseen = 0;
    quint32 highestUnseenUid = 0; // 0 with nothing unseen

    bool operator==(const ImapMailboxStatus&) const = default;
};

struct ImapResult {
    ImapOutcome outcome = ImapOutcome::Ok;
    ImapMailboxStatus mailbox{};
    // What the server said when it refused or ended the session, or why it could not be read.
    QString reason{};
    // Texts the server marked [ALERT]: the user is to see them.
    QStringList alerts{};
};

// What the transport is to do after the session has taken its input.
enum class ImapEvent {
    StartTls = 0x01,       // encrypt the connection, then call EncryptionStarted
    Idling = 0x02,         // the server has accepted IDLE (again)
    MailboxChanged = 0x04, // a message came, went or changed flags while idling
    Finished = 0x08,       // Result holds the outcome; close the connection
};
Q_DECLARE_FLAGS(ImapEvents, ImapEvent)
Q_DECLARE_OPERATORS_FOR_FLAGS(ImapEvents)

struct ImapStep {
    QByteArray send{}; // bytes for the server, in order
    ImapEvents events{};
};

// The client's side of one IMAP4rev1 conversation, without a socket: it takes the bytes the
// server sends and gives the bytes to answer with, so that every exchange can be tested and
// fuzzed without a network.
//
// Both purposes log in and open the mailbox read-only with EXAMINE, which leaves the flags
// and the "recent" marks of the user's mail alone. A check then counts the unseen messages
// with UID SEARCH (asking only for the count and the highest UID where the server offers
// ESEARCH) and logs out; a watch waits in IDLE and reports what changes until told to renew
// or to log out.
//
// The password never goes out before the connection is encrypted, unless the security is
// None. The login is AUTHENTICATE PLAIN where the server offers it (UTF-8 safe, no quoting),
// else LOGIN unless the server disables it.
class ImapSession {
public:
    enum class Purpose { Check, Watch };

    ImapSession(Purpose purpose, ImapSecurity security, QString user, QString password,
                QString mailbox);

    // The connection is open (and encrypted for Tls); the server speaks first.
    ImapStep Receive(QByteArrayView bytes);
    // The transport finished the handshake StartTls asked for.
    ImapStep EncryptionStarted();
    // Ends the current IDLE and starts another, so that a quiet connection is not dropped.
    // Nothing unless idling.
    ImapStep RenewIdle();
    // Logs out politely: ends IDLE first, then LOGOUT. The outcome stays as it was.
    ImapStep Logout();
    // The transport gave up: the connection closed, timed out, or could not be encrypted.
    ImapStep Fail(ImapOutcome outcome, const QString& reason);

    bool Finished() const { return state_ == State::Finished; }
    bool Idling() const { return state_ == State::Idling; }
    // Whether an answer is due, so that the transport's time-out runs; not while idling.
    bool AwaitingServer() const;
    const ImapResult& Result() const { return result_; }

    // Whether a user name and password can be sent: neither empty nor holding CR, LF or NUL.
    static bool CredentialsSendable(const QString& user, const QString& password);

private:
    enum class State {
        Greeting,
        Capability,
        StartTls,
        Handshake,
        Login,
        Examine,
        Search,
        IdleStarting,
        Idling,
        LoggingOut,
        Finished,
    };

    void Handle(const ImapResponse& response, ImapStep& step);
    void HandleUntagged(const ImapResponse& response, ImapStep& step);
    void HandleContinuation(const ImapResponse& response, ImapStep& step);
    void HandleTagged(const ImapResponse& response, ImapStep& step);
    // After a command's answer: on OK marks it done and goes on; otherwise ends with `refused`.
    void MoveOn(const ImapResponse& response, bool& done, ImapOutcome refused, ImapStep& step);
    // Sends the next command the session needs, from what it knows so far.
    void Proceed(ImapStep& step);
    void LogIn(ImapStep& step);
    // Sends a command under a new tag.
    void Send(State state, QByteArrayView command, ImapStep& step);
    // Sends a command built with its tag, part by part as the server asks for them.
    void SendParts(State state, const QList<QByteArray>& parts, ImapStep& step);
    QByteArray NextTag();
    bool Offers(QByteArrayView capability) const;
    // What the server offers, named by `words` in any case.
    void TakeCapabilities(const std::vector<QByteArray>& words);
    void CountUnseen(const ImapResponse& response);
    // Records the outcome and ends: with LOGOUT where the connection is still usable, at
    // once where it is not.
    enum class Farewell { Logout, Close };
    void End(ImapOutcome outcome, const QString& reason, Farewell farewell, ImapStep& step);

    Purpose purpose_;
    ImapSecurity security_;
    QString user_;
    QString password_;
    QString mailbox_;

    ImapResponseReader reader_;
    State state_ = State::Greeting;
    int tagNumber_ = 0;
    QByteArray tag_;                // of the command in progress
    QList<QByteArray> ignoredTags_; // of commands whose answers no longer matter
    QList<QByteArray> unsentParts_; // of that command, each waiting for the server's "+"
    QByteArray saslResponse_;       // AUTHENTICATE PLAIN's answer to the server's "+"
    std::optional<QSet<QByteArray>> capabilities_;
    bool encrypted_ = false;
    bool authenticated_ = false;
    bool examined_ = false;
    bool searched_ = false;
    ImapResult result_;
};
