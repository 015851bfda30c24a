#include "daytime_client.h"

#include "net/eabort_error.h"
#include "net/esock_error.h"

#include <QAbstractSocket>

TDaytimeClient::TDaytimeClient() {
    Port = 13;
    TimeOut = 500;
}

QString TDaytimeClient::GetTimeStr() {
    // Canceled is cleared by the socket layer's Connect, which also raises "Already connected".
    TSocketClient::Connect();
    QString reply;
    try {
        // Bounded by TimeOut like every other wait: a server that accepts and stays silent
        // must not hold the correction for ever.
        TimerOn();
        WaitUntil([this] { return DataAvailable() || !Connected() || Canceled(); });
        TimerOff();
        if (!DataAvailable()) {
            throw EAbortError(TimedOut()   ? QStringLiteral("Connection Timed out")
                              : Canceled() ? QStringLiteral("Connection Canceled")
                                           : QStringLiteral("Connection Failed"));
        }
        reply = Read(0);
    } catch (...) {
        Disconnect();
        throw;
    }
    Disconnect();
    return reply;
}
