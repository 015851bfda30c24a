#include "timesync/server_time_fetch.h"

#include "net/net_error.h"

ServerTime FetchServerTime(TDaytimeClient& client, const ServerAddress& address) {
    client.Host = address.host;
    client.Port = static_cast<quint16>(address.port);
    client.TimeOut = address.timeOut;
    client.ReportLevel = 2;

    ServerTime result;
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
