// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <vector>

// The timedated stand-in (timedated_stand_in) serving on a private bus: it records the
// interactive-authorisation flag of each SetTime message, which python3-dbusmock cannot
// show. Stopped when the object goes.
class TimedatedStandIn {
public:
    struct Call {
        qint64 microseconds = 0;
        bool relative = false;
        bool interactive = false;
        bool allowInteractive = false; // the message's own flag
    };

    TimedatedStandIn() = default;
    ~TimedatedStandIn();
    TimedatedStandIn(const TimedatedStandIn&) = delete;
    TimedatedStandIn& operator=(const TimedatedStandIn&) = delete;

    // Starts the stand-in and waits until it owns its name; on failure returns why.
    QString Start(const QString& busAddress);
    // The SetTime calls it has answered so far.
    std::vector<Call> Calls();

private:
    QProcess process_;
    QStringList lines_;
};
