#pragma once

#include "net/socket_client.h"

// Fetches the time text of a Daytime server: connects, sends nothing and returns what the
// server sends. Every failure is an exception of the socket layer.
class TDaytimeClient : public TSocketClient {
public:
    TDaytimeClient();

    // The reply, read at the moment its first bytes have arrived. A server that does not
    // send within TimeOut fails with "Connection Timed out", one that closes without sending
    // with "Connection Failed".
    QString GetTimeStr();
};
