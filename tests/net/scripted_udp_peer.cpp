// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scripted_udp_peer.h"

#include "net/sntp_reply.h"

#include <QNetworkDatagram>
#include <QTimer>

namespace {

constexpr int PacketSize = 48;

void WriteTimestamp(QByteArray& packet, int offset, NtpTimestamp value) {
    for (int i = 7; i >= 0; --i) {
        packet[offset + i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

} // namespace

ScriptedUdpPeer::ScriptedUdpPeer() : serverTime_(QDate(2002, 12, 6), QTime(21, 30, 5), Qt::UTC) {
    socket_.bind(QHostAddress::LocalHost, 0);
    otherPort_.bind(QHostAddress::LocalHost, 0);
    QObject::connect(&socket_, &QUdpSocket::readyRead, &socket_, [this] { Receive(); });
}

quint16 ScriptedUdpPeer::ClosedPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort(); // closed again when the probe goes
}

void ScriptedUdpPeer::Receive() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram request = socket_.receiveDatagram();
        ++requests_;
        lastRequest_ = request.data();
        if (reply_ == Reply::Silence) {
            continue;
        }
        const QByteArray answer = Answer(request.data());
        QUdpSocket* sender = reply_ == Reply::FromAnotherPort ? &otherPort_ : &socket_;
        const QHostAddress address = request.senderAddress();
        const quint16 port = request.senderPort();
        QTimer::singleShot(delay_, &socket_, [sender, answer, address, port] {
            sender->writeDatagram(answer, address, port);
        });
    }
}

QByteArray ScriptedUdpPeer::Answer(const QByteArray& request) const {
    QByteArray packet(PacketSize, '\0');
    int leap = 0;
    int stratum = 2;
    if (reply_ == Reply::Kiss) {
        stratum = 0;
        packet.replace(12, 4, "DENY");
    } else if (reply_ == Reply::LeapUnsynchronised) {
        leap = 3;
    }
    packet[0] = static_cast<char>((leap << 6) | (4 << 3) | 4);
    packet[1] = static_cast<char>(stratum);
    NtpTimestamp originate = 0;
    for (int i = 40; i < 48 && i < request.size(); ++i) {
        originate = (originate << 8) | static_cast<unsigned char>(request[i]);
    }
    if (reply_ == Reply::WrongOriginate) {
        originate ^= 1;
    }
    const NtpTimestamp now = UnixMicrosecondsToNtp(serverTime_.toMSecsSinceEpoch() * 1000);
    WriteTimestamp(packet, 24, originate);
    WriteTimestamp(packet, 32, now);
    WriteTimestamp(packet, 40, now);
    if (reply_ == Reply::ShortPacket) {
        packet.truncate(40);
    }
    return packet;
}
