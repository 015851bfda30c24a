// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/event_wait.h"
#include "net/sntp_reply.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <functional>

// What one SNTP exchange found.
struct SntpReading {
    // Our clock when the reply arrived, in microseconds since 1970 (UTC).
    qint64 replyReceived = 0;
    SntpMeasurement measurement;
    // Started when the reply arrived, so that the time can be carried on to a later moment.
    QElapsedTimer sinceReply;

    // The server's time when its reply arrived: our clock then, corrected by the offset. The
    // offset splits the round trip in two, so half of it is accounted for.
    qint64 ServerTimeAtReply() const { return replyReceived + measurement.offsetMicroseconds; }
};

// Asks an SNTP server (RFC 4330: NTPv4 client mode over UDP) for its time with one request.
// Like the TCP components it runs on the GUI thread: every wait is a nested event loop that
// sleeps until the socket, the time-out or a cancel wakes it, so the clock keeps ticking.
//
// Only a reply from the address and port asked, carrying back the transmit timestamp we sent,
// answers the request; anything else is left aside while the answer may still come. Failures
// are exceptions: ESockError when the host cannot be resolved, EAbortError when no answer came
// within TimeOut or the wait was cancelled (also by the program's exit), EReplyError for an
// answer that refuses (kiss-o'-death, unsynchronised) or is malformed.
class TSntpClient {
public:
    TSntpClient();
    ~TSntpClient();
    TSntpClient(const TSntpClient&) = delete;
    TSntpClient& operator=(const TSntpClient&) = delete;

    QString Host;
    quint16 Port = 123;
    // Milliseconds for the name lookup and again for the reply; 0 or less waits 5000.
    int TimeOut = 5000;

    // Called at most once per request when the host cannot be resolved; setting the flag
    // tries once more (the handler may change Host).
    std::function<void(bool& handled)> OnInvalidHost;

    SntpReading GetTime();
    // Ends the pending wait; GetTime then raises "Connection Canceled".
    void Cancel();

private:
    QHostAddress ResolveWithRetry();
    QHostAddress Resolve();
    SntpReading Exchange(const QHostAddress& server);
    // Waits until done() holds or the time-out passes; false on the time-out. An exit of the
    // program ends the wait as a cancel, since nothing could wake it again.
    bool WaitUntil(const std::function<bool()>& done);
    int EffectiveTimeOut() const;

    QObject context_; // receiver of every connection, so none outlives the client
    EventWait wait_;
    bool canceled_ = false;
    bool running_ = false;
};
