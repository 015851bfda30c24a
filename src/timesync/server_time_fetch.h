#pragma once

#include "net/daytime_client.h"
#include "net/daytime_reply.h"
#include "timesync/correction_failure.h"

#include <QString>

struct ServerTime {
    CorrectionFailure failure = CorrectionFailure::NoReply;
    DaytimeValue value; // Japan Standard Time; meaningful only without a failure
};

// Where to ask and how long to wait for the name lookup and the connection.
struct ServerAddress {
    QString host;
    int port = 13;
    int timeOut = 5000; // milliseconds
};

// Asks a Daytime server for its time and reads the reply: the shared first steps of the
// correction run, the settings dialog's immediate runs and the command-line check. A port
// outside 1..65535 fails at once; a time-out of 0 or below waits the default 5000 ms.
ServerTime FetchServerTime(TDaytimeClient& client, const ServerAddress& address);
