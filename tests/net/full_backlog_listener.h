// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHostAddress>
#include <QTcpSocket>

// A port on 127.0.0.1 (or another loopback address, IPv4 or IPv6) that accepts nothing more: it
// listens with a backlog of one that a filler connection already uses, so the system drops a
// further connect's SYN and that connect stays pending. Used to make a connect wait until
// its time-out. Port 0 takes a free one.
class FullBacklogListener {
public:
    explicit FullBacklogListener(
        const QHostAddress& address = QHostAddress(QHostAddress::LocalHost), quint16 port = 0);
    ~FullBacklogListener();
    FullBacklogListener(const FullBacklogListener&) = delete;
    FullBacklogListener& operator=(const FullBacklogListener&) = delete;

    // False where the listener could not be set up (then the test is skipped).
    bool IsReady() const { return ready_; }
    quint16 Port() const { return port_; }

private:
    int descriptor_ = -1;
    QHostAddress address_;
    quint16 port_ = 0;
    bool ready_ = false;
    QTcpSocket filler_;
};
