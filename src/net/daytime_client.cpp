// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "daytime_client.h"

#include "net/eabort_error.h"
#include "net/esock_error.h"

#include <QAbstractSocket>
#include <cctype>

TDaytimeClient::TDaytimeClient() {
    Port = 13;
    TimeOut = 500;
}

bool TDaytimeClient::ReplyComplete() const {
    // A Daytime server sends one line and closes; either ends the reply. The NIST servers
    // begin with an empty line, so only a line end after some text counts.
    const QByteArray waiting = Peek();
    qsizetype text = 0;
    while (text < waiting.size() && std::isspace(static_cast<unsigned char>(waiting[text]))) {
        ++text;
    }
    const bool lineEnded = text < waiting.size() && waiting.indexOf('\n', text) >= 0;
    return lineEnded || PeerClosed() || !Connected() || Canceled();
}

QString TDaytimeClient::GetTimeStr() {
    // Canceled is cleared by the socket layer's Connect, which also raises "Already connected".
    TSocketClient::Connect();
    QString reply;
    try {
        // Bounded by TimeOut like every other wait: a server that accepts and stays silent
        // must not hold the correction for ever.
        TimerOn();
        WaitUntil([this] { return ReplyComplete(); });
        TimerOff();
        const bool canceledByCaller = Canceled() && !TimedOut();
        if (canceledByCaller || !DataAvailable()) {
            throw EAbortError(TimedOut()   ? QStringLiteral("Connection Timed out")
                              : Canceled() ? QStringLiteral("Connection Canceled")
                                           : QStringLiteral("Connection Failed"));
        }
        // The time-out ends the wait as a cancel; what has arrived by then is the reply.
        ClearCanceled();
        reply = Read(0);
    } catch (...) {
        Disconnect();
        throw;
    }
    Disconnect();
    return reply;
}
