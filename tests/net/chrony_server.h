// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// chronyd serving NTP on a free UDP port of 127.0.0.1, in the foreground with its own
// configuration, pid and drift files in a temporary folder. It runs with -x, so it never
// touches the machine's clock, and serves that clock as a local reference of stratum 8.
// Stopped when the object goes.
class ChronyServer {
public:
    ChronyServer() = default;
    ~ChronyServer();
    ChronyServer(const ChronyServer&) = delete;
    ChronyServer& operator=(const ChronyServer&) = delete;

    // The chronyd program, or empty when chrony is not installed.
    static QString Executable();

    // Starts the server and waits until it answers an SNTP request; on failure returns why.
    QString Start();
    quint16 Port() const { return port_; }

private:
    QString StartOnce();
    bool Answers() const;
    void Stop();

    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_ = 0;
};
