// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/socket_client.h"

// Fetches the time text of a Daytime server: connects, sends nothing and returns what the
// server sends. Every failure is an exception of the socket layer.
class TDaytimeClient : public TSocketClient {
public:
    TDaytimeClient();

    // The reply, read once its line has ended or the server has closed; a reply that arrives
    // in several pieces is read whole. A server that sends nothing within TimeOut fails with
    // "Connection Timed out", one that closes without sending with "Connection Failed". What
    // has arrived when TimeOut ends without a line end is taken as the reply.
    QString GetTimeStr();

private:
    bool ReplyComplete() const;
};
