// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "nist_time_server.h"

#include <QTcpSocket>

NistTimeServer::NistTimeServer() : reply_(NistReply("02-12-06", "21:30:05")) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { Accept(); });
}

QByteArray NistTimeServer::NistReply(const char* date, const char* time) {
    return QByteArray("\n52615 ") + date + ' ' + time + " 00 0 0 450.0 UTC(NIST) *\n";
}

QByteArray NistTimeServer::NistReply(const QDateTime& utc) {
    const QDateTime inUtc = utc.toUTC();
    return NistReply(inUtc.toString(QStringLiteral("yy-MM-dd")).toLatin1().constData(),
                     inUtc.toString(QStringLiteral("HH:mm:ss")).toLatin1().constData());
}

quint16 NistTimeServer::ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void NistTimeServer::Accept() {
    while (QTcpSocket* peer = server_.nextPendingConnection()) {
        ++connections_;
        QObject::connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
        if (behaviour_ == Behaviour::Answer) {
            peer->write(reply_);
            peer->disconnectFromHost();
        }
    }
}
