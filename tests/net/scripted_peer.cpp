// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scripted_peer.h"

#include <QSslSocket>
#include <algorithm>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

ScriptedPeer::ScriptedPeer() {
    pause_.setSingleShot(true);
    QObject::connect(&pause_, &QTimer::timeout, &server_, [this] {
        ++next_;
        Advance();
    });
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { Accept(); });
    server_.listen(QHostAddress::LocalHost, 0);
}

ScriptedPeer::~ScriptedPeer() {
    QObject::disconnect(&server_, nullptr, nullptr, nullptr);
    if (peer_ != nullptr) {
        QObject::disconnect(peer_, nullptr, nullptr, nullptr);
    }
}

quint16 ScriptedPeer::ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

ScriptedPeer& ScriptedPeer::Add(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

ScriptedPeer& ScriptedPeer::Expect(const QByteArray& line) {
    return Add({.kind = Kind::Expect, .bytes = line});
}
ScriptedPeer& ScriptedPeer::Send(const QByteArray& bytes) {
    return Add({.kind = Kind::Send, .bytes = bytes});
}
ScriptedPeer& ScriptedPeer::Pause(int milliseconds) {
    return Add({.kind = Kind::Pause, .milliseconds = milliseconds});
}
ScriptedPeer& ScriptedPeer::Close() {
    return Add({.kind = Kind::Close});
}
ScriptedPeer& ScriptedPeer::Reset() {
    return Add({.kind = Kind::Reset});
}
ScriptedPeer& ScriptedPeer::StartTls(const QSslConfiguration& server) {
    return Add({.kind = Kind::StartTls, .tls = server});
}

void ScriptedPeer::Server::incomingConnection(qintptr descriptor) {
    const bool tls = std::any_of(owner_.steps_.begin(), owner_.steps_.end(),
                                 [](const Step& step) { return step.kind == Kind::StartTls; });
    QTcpSocket* socket = tls ? new QSslSocket(this) : new QTcpSocket(this);
    if (socket->setSocketDescriptor(descriptor)) {
        addPendingConnection(socket);
    } else {
        delete socket;
    }
}

void ScriptedPeer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++connections_;
        socket->setParent(&server_);
        if (peer_ != nullptr) {
            continue; // later connections stay open and silent
        }
        peer_ = socket;
        peer_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        QObject::connect(peer_, &QTcpSocket::readyRead, &server_, [this] { Receive(); });
        if (auto* secure = qobject_cast<QSslSocket*>(peer_)) {
            QObject::connect(secure, &QSslSocket::encrypted, &server_, [this] {
                handshaking_ = false;
                encrypted_ = true;
                Advance();
            });
        }
        Advance();
    }
}

void ScriptedPeer::Receive() {
    input_ += peer_->readAll();
    for (qsizetype end = input_.indexOf('\n'); end >= 0; end = input_.indexOf('\n')) {
        QByteArray line = input_.left(end);
        input_.remove(0, end + 1);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        received_ << QString::fromUtf8(line);
        pending_ << QString::fromUtf8(line);
    }
    Advance();
}

void ScriptedPeer::Advance() {
    while (peer_ != nullptr && next_ < steps_.size() && !pause_.isActive() && !handshaking_) {
        const Step& step = steps_[next_];
        switch (step.kind) {
        case Kind::Expect:
            if (pending_.isEmpty()) {
                return;
            }
            if (pending_.front() != QString::fromUtf8(step.bytes)) {
                mismatches_ << QStringLiteral("expected %1, got %2")
                                   .arg(QString::fromUtf8(step.bytes), pending_.front());
            }
            pending_.removeFirst();
            break;
        case Kind::Send:
            peer_->write(step.bytes);
            peer_->flush();
            break;
        case Kind::Pause:
            pause_.start(step.milliseconds);
            return; // the timer moves on to the next step
        case Kind::Close:
            peer_->disconnectFromHost();
            break;
        case Kind::Reset: {
            // A linger time of 0 makes the close send a reset instead of a FIN.
            struct linger hard {};
            hard.l_onoff = 1;
            hard.l_linger = 0;
            setsockopt(static_cast<int>(peer_->socketDescriptor()), SOL_SOCKET, SO_LINGER,
                       reinterpret_cast<const char*>(&hard), sizeof hard);
            peer_->abort();
            break;
        }
        case Kind::StartTls: {
            auto* secure = qobject_cast<QSslSocket*>(peer_);
            secure->setSslConfiguration(step.tls);
            handshaking_ = true;
            ++next_;
            secure->startServerEncryption();
            return; // the encrypted signal moves on to the next step
        }
        }
        ++next_;
    }
}
