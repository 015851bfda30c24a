// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_check.h"

#include "core/event_wait.h"

ImapCheck::ImapCheck(std::unique_ptr<ImapSocketOpener> opener, ImapAccess access,
                     std::chrono::milliseconds replyTimeOut, QObject* parent)
    : QObject(parent), opener_(std::move(opener)), access_(std::move(access)),
      replyTimeOut_(replyTimeOut) {}

ImapCheck::~ImapCheck() {
    if (started_ && !finished_ && connection_ == nullptr) {
        opener_->Cancel();
    }
    delete connection_;
}

void ImapCheck::Start() {
    started_ = true;
    opener_->Open([check = QPointer<ImapCheck>(this)](QSslSocket* socket, ImapOutcome failure,
                                                      const QString& reason) {
        if (check == nullptr) {
            delete socket;
            return;
        }
        check->Opened(socket, failure, reason);
    });
}

void ImapCheck::Opened(QSslSocket* socket, ImapOutcome failure, const QString& reason) {
    if (finished_) {
        delete socket;
        return;
    }
    if (socket == nullptr) {
        End({.outcome = failure, .reason = reason});
        return;
    }
    auto* connection =
        new ImapConnection(socket,
                           ImapSession(ImapSession::Purpose::Check, access_.security, access_.user,
                                       access_.password, access_.mailbox),
                           replyTimeOut_, this);
    connection_ = connection;
    connection->EncryptThrough(*opener_);
    connect(connection, &ImapConnection::finished, this, [this, connection] {
        connection->deleteLater();
        End(connection->Result());
    });
    connection->Start();
}

void ImapCheck::Abort() {
    if (finished_) {
        return;
    }
    opener_->Cancel();
    if (connection_ != nullptr) {
        connection_->Fail(ImapOutcome::ConnectionLost, QStringLiteral("canceled"));
        return; // its end ends the check
    }
    End({.outcome = ImapOutcome::ConnectionLost, .reason = QStringLiteral("canceled")});
}

void ImapCheck::RunToEnd() {
    if (!started_) {
        Start();
    }
    EventWait wait;
    const QMetaObject::Connection woken =
        connect(this, &ImapCheck::finished, this, [&wait] { wait.Wake(); });
    if (wait.Until([this] { return finished_; }) == EventWait::Outcome::ApplicationExiting) {
        Abort();
    }
    disconnect(woken);
}

void ImapCheck::End(ImapResult result) {
    if (finished_) {
        return;
    }
    finished_ = true;
    result_ = std::move(result);
    emit finished();
}
