// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A dbus-daemon of the test's own, with its own configuration and socket in a temporary
// folder, so that nothing a test does reaches the machine's system bus. Stopped when the
// object goes.
class PrivateBus {
public:
    PrivateBus() = default;
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // The dbus-daemon program, or empty when it is not installed.
    static QString Executable();

    // Starts the bus; on failure returns why.
    QString Start();
    // Ends the bus: every connection to it breaks.
    void Stop();
    QString Address() const { return address_; }

private:
    QTemporaryDir folder_;
    QProcess process_;
    QString address_;
};
