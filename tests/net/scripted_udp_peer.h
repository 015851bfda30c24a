// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QUdpSocket>

// An SNTP server on 127.0.0.1 (ephemeral UDP port) whose clock shows a fixed time and which
// answers every request as told: well, or with one of the faults a careful client must not
// take, or not at all. It runs on the test's own thread, served by the nested event loops of
// the client under test.
class ScriptedUdpPeer {
public:
    enum class Reply {
        Good,
        WrongOriginate,     // the originate timestamp is not the request's transmit timestamp
        Kiss,               // stratum 0 with the kiss code DENY
        LeapUnsynchronised, // leap indicator 3
        ShortPacket,        // 40 bytes
        FromAnotherPort,    // a good reply, sent from a port other than the one asked
        Silence,
    };

    ScriptedUdpPeer();

    quint16 Port() const { return socket_.localPort(); }
    void SetReply(Reply reply) { reply_ = reply; }
    // Answers this long after the request arrived. The timestamps do not move: to the client
    // the reply looks held up on the way, half of which it must add to the server's time.
    void SetDelay(int milliseconds) { delay_ = milliseconds; }
    // The time in the server's timestamps; 2002-12-06 21:30:05.000 UTC until changed.
    void SetServerTime(const QDateTime& utc) { serverTime_ = utc; }

    int Requests() const { return requests_; }
    QByteArray LastRequest() const { return lastRequest_; }

    // A UDP port on 127.0.0.1 where nothing listens.
    static quint16 ClosedPort();

private:
    void Receive();
    QByteArray Answer(const QByteArray& request) const;

    QUdpSocket socket_;
    QUdpSocket otherPort_;
    Reply reply_ = Reply::Good;
    int delay_ = 0;
    QDateTime serverTime_;
    int requests_ = 0;
    QByteArray lastRequest_;
};
