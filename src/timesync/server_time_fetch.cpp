// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timesync/server_time_fetch.h"

#include "net/daytime_reply.h"
#include "net/ereply_error.h"
#include "net/net_error.h"

namespace {

constexpr int DefaultTimeOut = 5000;

// A port the network cannot carry would otherwise wrap round to some other port.
bool PortInRange(int port) {
    return port > 0 && port <= 65535;
}

// A stored time-out of 0 or below would arm no timer at all, and a server that accepts and
// stays silent would hold the run for ever; it gets the default time-out instead.
int TimeOutOf(const ServerAddress& address) {
    return address.timeOut > 0 ? address.timeOut : DefaultTimeOut;
}

// The zone rules of the system turn the time into local time; a date they cannot place is
// the roll-over failure.
ServerTime Received(const QDateTime& utc) {
    ServerTime result;
    result.sinceReply.start();
    result.utc = utc;
    result.failure =
        result.Local().isValid() ? CorrectionFailure::None : CorrectionFailure::RollOverFailed;
    return result;
}

// Points either client at the server; false, and the client untouched, for a port out of range.
template <typename Client> bool AimAt(Client& client, const ServerAddress& address) {
    if (!PortInRange(address.port)) {
        return false;
    }
    client.Host = address.host;
    client.Port = static_cast<quint16>(address.port);
    client.TimeOut = TimeOutOf(address);
    return true;
}

} // namespace

ServerAddress StoredServerAddress(const TimeServerSettings& settings) {
    return {settings.asHostName, settings.iPort, settings.iiTimeOut, settings.Protocol};
}

ServerTime FetchServerTime(TDaytimeClient& client, const ServerAddress& address) {
    ServerTime result;
    if (!AimAt(client, address)) {
        return result;
    }
    client.ReportLevel = 2;

    QString reply;
    try {
        reply = client.GetTimeStr();
    } catch (const ENetError&) {
        return result;
    }
    const DaytimeParseResult parsed = ParseDaytimeReply(reply);
    if (parsed.reason != DaytimeParseReason::Ok) {
        result.failure = CorrectionFailure::NotConvertible;
        return result;
    }
    return Received(parsed.utc);
}

ServerTime FetchServerTime(TSntpClient& client, const ServerAddress& address) {
    ServerTime result;
    if (!AimAt(client, address)) {
        return result;
    }
    try {
        const SntpReading reading = client.GetTime();
        const QDateTime utc =
            QDateTime::fromMSecsSinceEpoch(reading.ServerTimeAtReply() / 1000, Qt::UTC);
        result = Received(utc);
        // The time since the reply counts from its arrival, not from here.
        result.sinceReply = reading.sinceReply;
        return result;
    } catch (const EReplyError&) {
        result.failure = CorrectionFailure::NotConvertible;
    } catch (const ENetError&) {
        result.failure = CorrectionFailure::NoReply;
    }
    return result;
}

ServerTime FetchServerTime(const ServerAddress& address) {
    if (address.protocol == SntpProtocol) {
        TSntpClient client;
        return FetchServerTime(client, address);
    }
    TDaytimeClient client;
    return FetchServerTime(client, address);
}
