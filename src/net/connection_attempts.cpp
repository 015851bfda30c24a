// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/connection_attempts.h"

#include "net/winsock_errors.h"

#include <QSignalBlocker>
#include <QTcpSocket>

ConnectionAttempts::ConnectionAttempts(QList<QHostAddress> addresses, quint16 port,
                                       std::function<QTcpSocket*()> makeSocket,
                                       std::function<void()> changed)
    : addresses_(std::move(addresses)), port_(port), makeSocket_(std::move(makeSocket)),
      changed_(std::move(changed)) {
    nextAttempt_.setSingleShot(true);
    QObject::connect(&nextAttempt_, &QTimer::timeout, &context_, [this] { StartNext(); });
}

ConnectionAttempts::~ConnectionAttempts() {
    for (const std::unique_ptr<Attempt>& attempt : attempts_) {
        if (attempt->socket) {
            QObject::disconnect(attempt->socket.get(), nullptr, &context_, nullptr);
            // A connect given up on must not complete later behind its caller's back.
            const QSignalBlocker quiet(attempt->socket.get());
            attempt->socket->abort();
        }
    }
}

void ConnectionAttempts::Start() {
    StartNext();
}

bool ConnectionAttempts::AllFailed() const {
    return winner_ == nullptr && failures_ == addresses_.size();
}

void ConnectionAttempts::StartNext() {
    nextAttempt_.stop();
    const qsizetype index = qsizetype(attempts_.size());
    if (winner_ != nullptr || index >= addresses_.size()) {
        return;
    }
    auto attempt = std::make_unique<Attempt>();
    attempt->socket.reset(makeSocket_());
    attempt->address = addresses_[index];
    Attempt& started = *attempt;
    attempts_.push_back(std::move(attempt));
    QTcpSocket* socket = started.socket.get();
    QObject::connect(socket, &QTcpSocket::connected, &context_,
                     [this, &started] { Succeeded(started); });
    QObject::connect(socket, &QTcpSocket::errorOccurred, &context_,
                     [this, &started](QAbstractSocket::SocketError) { Failed(started); });
    nextAttempt_.start(NextAttemptDelay);
    socket->connectToHost(started.address, port_);
}

void ConnectionAttempts::Succeeded(Attempt& attempt) {
    if (winner_ != nullptr || attempt.failed) {
        return;
    }
    nextAttempt_.stop();
    winner_ = attempt.socket.get();
    connectedAddress_ = attempt.address;
    changed_();
}

void ConnectionAttempts::Failed(Attempt& attempt) {
    if (attempt.failed || attempt.socket.get() == winner_) {
        return;
    }
    attempt.failed = true;
    ++failures_;
    lastErrorNumber_ =
        WinsockErrors::FromSocketError(attempt.socket->error(), attempt.socket->errorString());
    // The next address need not wait for its turn once this one has given up.
    if (winner_ == nullptr) {
        StartNext();
    }
    changed_();
}

QTcpSocket* ConnectionAttempts::TakeConnected() {
    for (const std::unique_ptr<Attempt>& attempt : attempts_) {
        if (attempt->socket.get() == winner_) {
            QObject::disconnect(winner_, nullptr, &context_, nullptr);
            winner_ = nullptr;
            return attempt->socket.release();
        }
    }
    return nullptr;
}
