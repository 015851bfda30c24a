// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/clock_source.h"
#include "settings/time_server_settings.h"

#include <QString>
#include <QStringList>

// What `--check-time [HOST[:PORT]]` prints and how it ends.
struct CheckTimeOutcome {
    int exitCode = 1;  // 0 when the server's time was read
    QStringList lines; // the computer's and the server's time, or the failure's message
};

// Reads the server's time as the menu's check does, with the stored protocol, and never sets
// the clock. The host and port come from the stored settings unless `hostAndPort` names
// them; a server that stays silent ends the check after the stored iiTimeOut.
CheckTimeOutcome CheckServerTime(const TimeServerSettings& stored, const QString& hostAndPort,
                                 const ClockSource& clock);
