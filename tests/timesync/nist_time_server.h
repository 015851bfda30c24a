// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QTcpServer>

// A Daytime server on 127.0.0.1 (ephemeral port) for the correction tests: every connection
// it accepts gets the same answer, so a test can run several corrections against it.
class NistTimeServer {
public:
    enum class Behaviour { Answer, StaySilent };

    NistTimeServer();

    quint16 Port() const { return server_.serverPort(); }
    int Connections() const { return connections_; }

    // The reply sent on each connection; a NIST-form reply for 2002-12-06 21:30:05.450 UTC
    // until changed.
    void SetReply(const QByteArray& reply) { reply_ = reply; }
    void SetBehaviour(Behaviour behaviour) { behaviour_ = behaviour; }

    // "\n52615 YY-MM-DD hh:mm:ss 00 0 0 450.0 UTC(NIST) *\n"
    static QByteArray NistReply(const char* date, const char* time);
    // The same for the whole second of `utc` (2001..2099), which the reply puts at .450.
    static QByteArray NistReply(const QDateTime& utc);

    // A port on 127.0.0.1 where nothing listens.
    static quint16 ClosedPort();

private:
    void Accept();

    QTcpServer server_;
    QByteArray reply_;
    Behaviour behaviour_ = Behaviour::Answer;
    int connections_ = 0;
};
