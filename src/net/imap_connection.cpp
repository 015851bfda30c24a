// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_connection.h"

namespace {

// What one read takes: the session parses each piece before the next is read, so an endless
// response costs no more than its limit.
constexpr qint64 ReadSize = 65536;

} // namespace

ImapConnection::ImapConnection(QSslSocket* socket, ImapSession session,
                               std::chrono::milliseconds replyTimeOut, QObject* parent)
    : QObject(parent), socket_(socket), session_(std::move(session)) {
    socket_->setParent(this);
    replyTimer_.setSingleShot(true);
    replyTimer_.setInterval(replyTimeOut);
    connect(&replyTimer_, &QTimer::timeout, this, [this] {
        Apply(session_.Fail(ImapOutcome::TimedOut, QStringLiteral("the server did not answer")));
    });
    connect(socket_, &QSslSocket::readyRead, this, &ImapConnection::ReadAvailable);
    connect(socket_, &QSslSocket::disconnected, this,
            [this] { Closed(QStringLiteral("the server closed the connection")); });
    connect(socket_, &QSslSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (handshaking_ && error != QAbstractSocket::RemoteHostClosedError) {
            Fail(ImapOutcome::EncryptionFailed, socket_->errorString());
        } else {
            Closed(socket_->errorString());
        }
    });
}

ImapConnection::~ImapConnection() {
    if (socket_ != nullptr) {
        socket_->disconnect(this);
        socket_->abort();
    }
}

void ImapConnection::Start() {
    replyTimer_.start();
    ReadAvailable();
    if (!finished_ && socket_->state() != QAbstractSocket::ConnectedState) {
        Closed(QStringLiteral("the connection is not open"));
    }
}

void ImapConnection::RenewIdle() {
    Apply(session_.RenewIdle());
}

void ImapConnection::Logout(std::chrono::milliseconds limit) {
    replyTimer_.setInterval(limit);
    Apply(session_.Logout());
}

void ImapConnection::EncryptionStarted() {
    handshaking_ = false;
    Apply(session_.EncryptionStarted());
    ReadAvailable(); // the server may have spoken before the handshake was reported
}

void ImapConnection::EncryptThrough(ImapSocketOpener& opener) {
    connect(this, &ImapConnection::startTlsRequested, this, [this, &opener] {
        opener.StartTls(socket_, [guarded = QPointer<ImapConnection>(this)](ImapOutcome outcome,
                                                                            const QString& reason) {
            if (guarded == nullptr) {
                return;
            }
            if (outcome == ImapOutcome::Ok) {
                guarded->EncryptionStarted();
            } else {
                guarded->Fail(outcome, reason);
            }
        });
    });
}

void ImapConnection::Fail(ImapOutcome outcome, const QString& reason) {
    Apply(session_.Fail(outcome, reason));
}

void ImapConnection::ReadAvailable() {
    while (!finished_ && !handshaking_ && socket_->bytesAvailable() > 0) {
        Apply(session_.Receive(socket_->read(ReadSize)));
    }
}

void ImapConnection::Closed(const QString& reason) {
    ReadAvailable(); // what the server said before it closed still counts
    Apply(session_.Fail(ImapOutcome::ConnectionLost, reason));
}

void ImapConnection::Apply(const ImapStep& step) {
    if (finished_) {
        return;
    }
    if (!step.send.isEmpty()) {
        socket_->write(step.send);
    }
    if (session_.AwaitingServer()) {
        replyTimer_.start(); // measured from the last word either side said
    } else {
        replyTimer_.stop();
    }
    if (step.events.testFlag(ImapEvent::StartTls)) {
        handshaking_ = true;
        emit startTlsRequested();
    }
    // A receiver may log out or fail the session from its slot: nothing more is reported then.
    if (step.events.testFlag(ImapEvent::Idling) && !finished_) {
        emit idling();
    }
    if (step.events.testFlag(ImapEvent::MailboxChanged) && !finished_) {
        emit mailboxChanged();
    }
    if (step.events.testFlag(ImapEvent::Finished) && !finished_) {
        Finish();
    }
}

void ImapConnection::Finish() {
    finished_ = true;
    replyTimer_.stop();
    socket_->disconnect(this);
    // A session that logged out has nothing left to say; any other ends without ceremony.
    if (session_.Result().outcome == ImapOutcome::Ok) {
        socket_->disconnectFromHost();
    } else {
        socket_->abort();
    }
    emit finished();
}
