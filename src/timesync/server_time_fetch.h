// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/daytime_client.h"
#include "net/sntp_client.h"
#include "settings/time_server_settings.h"
#include "timesync/correction_failure.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

// The server's time as one exchange read it.
struct ServerTime {
    CorrectionFailure failure = CorrectionFailure::NoReply;
    // The server's time when its reply arrived, in UTC; valid only without a failure.
    QDateTime utc;
    // Started when the reply arrived.
    QElapsedTimer sinceReply;

    // The server's time at the reply in the computer's zone, by the system's zone rules: what
    // the result lines show.
    QDateTime Local() const { return utc.toLocalTime(); }
    // The server's time now: the reply's time carried on by what has passed since, which is
    // what the clock is set to.
    QDateTime UtcNow() const { return utc.addMSecs(sinceReply.elapsed()); }
};

// Where and how to ask, and how long to wait for the name lookup and the reply.
struct ServerAddress {
    QString host;
    int port = DaytimePort;
    int timeOut = 5000; // milliseconds
    int protocol = DaytimeProtocol;
};

// The stored server of a correction run or a check.
ServerAddress StoredServerAddress(const TimeServerSettings& settings);

// Asks a time server for its time and reads the reply: the shared first steps of the
// correction run, the settings dialog's immediate runs and the command-line check. A port
// outside 1..65535 fails at once; a time-out of 0 or below waits the default 5000 ms. No
// reply gives NoReply; a reply that cannot be read or refuses gives NotConvertible.
ServerTime FetchServerTime(TDaytimeClient& client, const ServerAddress& address);
ServerTime FetchServerTime(TSntpClient& client, const ServerAddress& address);
// The same with a client of the address's protocol made for this one exchange.
ServerTime FetchServerTime(const ServerAddress& address);
