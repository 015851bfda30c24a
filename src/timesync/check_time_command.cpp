// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timesync/check_time_command.h"

#include "timesync/correction_texts.h"
#include "timesync/server_time_fetch.h"

#include <optional>

namespace {

// "host", "host:port" or "1.2.3.4:port"; the stored port when none is given.
std::optional<ServerAddress> ParseServerAddress(const QString& text, const ServerAddress& stored) {
    if (text.isEmpty()) {
        return stored;
    }
    ServerAddress address = stored;
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) {
        address.host = text;
        return address;
    }
    bool isNumber = false;
    const int port = text.mid(colon + 1).toInt(&isNumber);
    if (colon == 0 || !isNumber || port < 1 || port > 65535) {
        return std::nullopt;
    }
    address.host = text.left(colon);
    address.port = port;
    return address;
}

} // namespace

CheckTimeOutcome CheckServerTime(const TimeServerSettings& stored, const QString& hostAndPort,
                                 const ClockSource& clock) {
    CheckTimeOutcome outcome;
    const std::optional<ServerAddress> address =
        ParseServerAddress(hostAndPort, StoredServerAddress(stored));
    if (!address) {
        outcome.lines << QStringLiteral("Invalid time server: %1").arg(hostAndPort);
        return outcome;
    }
    const ServerTime server = FetchServerTime(*address);
    if (server.failure != CorrectionFailure::None) {
        outcome.lines << CorrectionFailureMessage(server.failure);
        return outcome;
    }
    outcome.exitCode = 0;
    outcome.lines << PcTimeText(clock.Now()) << ServerTimeText(server.Local());
    return outcome;
}
