// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <vector>

// python3-dbusmock's timedated template serving on a private bus, for the tests of setting
// the clock through the real D-Bus path. Its SetTime answers at once and sets nothing until
// replaced. Stopped when the object goes.
class TimedatedMock {
public:
    struct Call {
        qint64 microseconds = 0;
        bool relative = false;
        bool interactive = false;
    };

    TimedatedMock() = default;
    ~TimedatedMock();
    TimedatedMock(const TimedatedMock&) = delete;
    TimedatedMock& operator=(const TimedatedMock&) = delete;

    // Whether python3-dbusmock is installed.
    static bool Available();

    // Starts the mock on the bus with automatic synchronisation on or off and waits until it
    // owns its name; on failure returns why.
    QString Start(const QString& busAddress, bool ntp = false);
    // Gives SetTime a body of Python code run with its arguments in `args` (microseconds,
    // relative, interactive); it may sleep, or raise a dbus.exceptions.DBusException.
    QString ReplaceSetTime(const QString& pythonCode);
    // Ends the mock at once, as a crashed timedated ends: its name leaves the bus.
    void Kill();
    // The SetTime calls it has received so far.
    std::vector<Call> Calls() const;

private:
    QTemporaryDir folder_;
    QProcess process_;
    QString busAddress_;
};
