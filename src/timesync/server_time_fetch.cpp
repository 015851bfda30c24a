#include "timesync/server_time_fetch.h"

#include "net/net_error.h"

namespace {

constexpr int DefaultTimeOut = 5000;

} // namespace

ServerTime FetchServerTime(TDaytimeClient& client, const ServerAddress& address) {
    ServerTime result;
    // A port the network cannot carry would otherwise wrap round to some other port.
    if (address.port <= 0 || address.port > 65535) {
        result.failure = CorrectionFailure::NoReply;
        return result;
    }
    client.Host = address.host;
    client.Port = static_cast<quint16>(address.port);
    // A stored time-out of 0 or below would arm no timer at all, and a server that accepts
    // and stays silent would hold the run for ever; it gets the default time-out instead.
    client.TimeOut = address.timeOut > 0 ? address.timeOut : DefaultTimeOut;
    client.ReportLevel = 2;

    QString reply;
    try {
        reply = client.GetTimeStr();
    } catch (const ENetError&) {
        result.failure = CorrectionFailure::NoReply;
        return result;
    }
    const DaytimeParseResult parsed = ParseDaytimeReply(reply);
    switch (parsed.reason) {
    case DaytimeParseReason::Ok:
        result.failure = CorrectionFailure::None;
        result.value = parsed.value;
        break;
    case DaytimeParseReason::DateNotConvertible:
        result.failure = CorrectionFailure::NotConvertible;
        break;
    case DaytimeParseReason::RollOverFailed:
        result.failure = CorrectionFailure::RollOverFailed;
        break;
    }
    return result;
}
