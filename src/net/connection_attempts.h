// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class QTcpSocket;

// Connects to the first of a host's addresses that answers. The attempts start in the order
// of the addresses, each one a moment after the one before or at once when that one has
// failed, and the first to connect wins: a dead address costs that moment rather than the
// whole time-out. The caller bounds the whole by its own time-out and ends it by destroying
// the object, which closes every attempt it has not handed over.
class ConnectionAttempts {
public:
    // How long an attempt has before the next address is tried beside it.
    static constexpr std::chrono::milliseconds NextAttemptDelay{250};

    // makeSocket gives a fresh unconnected socket for each attempt; changed is called
    // whenever an attempt connects or fails.
    ConnectionAttempts(QList<QHostAddress> addresses, quint16 port,
                       std::function<QTcpSocket*()> makeSocket, std::function<void()> changed);
    ~ConnectionAttempts();
    ConnectionAttempts(const ConnectionAttempts&) = delete;
    ConnectionAttempts& operator=(const ConnectionAttempts&) = delete;

    void Start();
    bool Connected() const { return winner_ != nullptr; }
    // Every address has been tried and none connected.
    bool AllFailed() const;
    // The Winsock number of the last failed attempt.
    int LastErrorNumber() const { return lastErrorNumber_; }
    // The connected socket, handed over with its signals to this object cut.
    QTcpSocket* TakeConnected();
    QHostAddress ConnectedAddress() const { return connectedAddress_; }

private:
    struct Attempt {
        std::unique_ptr<QTcpSocket> socket;
        QHostAddress address;
        bool failed = false;
    };

    void StartNext();
    void Succeeded(Attempt& attempt);
    void Failed(Attempt& attempt);

    QList<QHostAddress> addresses_;
    quint16 port_;
    std::function<QTcpSocket*()> makeSocket_;
    std::function<void()> changed_;
    // Attempts stay here until the object goes, also failed ones: a socket must not be
    // deleted inside its own signal.
    std::vector<std::unique_ptr<Attempt>> attempts_;
    QTimer nextAttempt_;
    QObject context_;
    QTcpSocket* winner_ = nullptr;
    QHostAddress connectedAddress_;
    int failures_ = 0;
    int lastErrorNumber_ = 0;
};
