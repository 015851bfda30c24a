// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/sntp_client.h"

#include "net/eabort_error.h"
#include "net/ereply_error.h"
#include "net/esock_error.h"
#include "net/host_lookup.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QTimer>
#include <QUdpSocket>
#include <chrono>
#include <optional>

namespace {

constexpr int DefaultTimeOut = 5000;
// Large enough for a reply with extension fields; only the first 48 bytes are read.
constexpr qint64 LargestDatagram = 1024;

qint64 SystemClockMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

// The transmit timestamp of the request is only echoed back by the server, so it carries a
// random value instead of our clock: a reply that does not come from the server can then not
// be matched by guessing, and the request tells nobody how our clock stands.
NtpTimestamp RandomNonce() {
    NtpTimestamp nonce = 0;
    while (nonce == 0) {
        nonce = QRandomGenerator::global()->generate64();
    }
    return nonce;
}

QString UnusableReplyText(SntpReplyCheck check) {
    switch (check) {
    case SntpReplyCheck::Kiss:
        return QStringLiteral("Server refused (kiss-o'-death)");
    case SntpReplyCheck::BadStratum:
    case SntpReplyCheck::Unsynchronised:
        return QStringLiteral("Server not synchronised");
    case SntpReplyCheck::NotServerMode:
    case SntpReplyCheck::BadVersion:
    case SntpReplyCheck::NoTimestamps:
        return QStringLiteral("Malformed reply");
    case SntpReplyCheck::TooShort:
    case SntpReplyCheck::NotOurRequest:
        return QStringLiteral("No reply to our request");
    case SntpReplyCheck::Ok:
        break;
    }
    return {};
}

} // namespace

TSntpClient::TSntpClient() = default;

TSntpClient::~TSntpClient() {
    Cancel();
}

void TSntpClient::Cancel() {
    canceled_ = true;
    wait_.Wake();
}

int TSntpClient::EffectiveTimeOut() const {
    return TimeOut > 0 ? TimeOut : DefaultTimeOut;
}

bool TSntpClient::WaitUntil(const std::function<bool()>& done) {
    bool timedOut = false;
    QTimer timer;
    timer.setSingleShot(true);
    // A coarse timer may fire early; a time-out must not end a wait before its time.
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &context_, [this, &timedOut] {
        timedOut = true;
        wait_.Wake();
    });
    timer.start(EffectiveTimeOut());
    if (wait_.Until([&] { return timedOut || canceled_ || done(); }) ==
        EventWait::Outcome::ApplicationExiting) {
        canceled_ = true;
    }
    return !timedOut || done();
}

SntpReading TSntpClient::GetTime() {
    if (running_) {
        throw ESockError(SockErrorKind::AlreadyConnected);
    }
    running_ = true;
    canceled_ = false;
    try {
        SntpReading reading = Exchange(ResolveWithRetry());
        running_ = false;
        return reading;
    } catch (...) {
        running_ = false;
        throw;
    }
}

QHostAddress TSntpClient::ResolveWithRetry() {
    for (int attempt = 1;; ++attempt) {
        const QHostAddress address = Resolve();
        if (!address.isNull()) {
            return address;
        }
        if (attempt == 1 && OnInvalidHost) {
            bool handled = false;
            OnInvalidHost(handled);
            if (handled) {
                continue;
            }
        }
        throw ESockError(SockErrorKind::NoRemoteAddress);
    }
}

QHostAddress TSntpClient::Resolve() {
    QHostAddress dotted;
    if (dotted.setAddress(Host)) {
        return dotted;
    }
    // A lookup given up on is aborted when this goes; its answer never arrives then.
    HostLookup lookup(Host, [this] { wait_.Wake(); });
    const bool inTime = WaitUntil([&lookup] { return lookup.Answer().has_value(); });
    const std::optional<QHostInfo>& answer = lookup.Answer();
    if (!answer) {
        throw ESockError(inTime || canceled_ ? SockErrorKind::LookupCanceled
                                             : SockErrorKind::LookupTimedOut);
    }
    // IPv4 first, as the TCP components do; an IPv6-only host is reached over IPv6.
    QHostAddress found;
    for (const QHostAddress& address : answer->addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            return address;
        }
        if (found.isNull() && address.protocol() == QAbstractSocket::IPv6Protocol) {
            found = address;
        }
    }
    return found;
}

SntpReading TSntpClient::Exchange(const QHostAddress& server) {
    QUdpSocket socket;
    bool socketFailed = false;
    QObject::connect(&socket, &QUdpSocket::errorOccurred, &socket, [this, &socketFailed] {
        socketFailed = true;
        wait_.Wake();
    });
    QObject::connect(&socket, &QUdpSocket::connected, &socket, [this] { wait_.Wake(); });

    // On a connected socket the system drops datagrams from any other address or port.
    socket.connectToHost(server, Port);
    WaitUntil([&] { return socketFailed || socket.state() == QAbstractSocket::ConnectedState; });
    if (canceled_) {
        throw EAbortError(QStringLiteral("Connection Canceled"));
    }
    if (socket.state() != QAbstractSocket::ConnectedState) {
        throw EAbortError(QStringLiteral("Connection Failed"));
    }

    const NtpTimestamp nonce = RandomNonce();
    std::optional<SntpReply> answer;
    qint64 replyReceived = 0;
    QElapsedTimer sinceReply;
    bool strayAnswer = false;
    QElapsedTimer sinceRequest;
    const qint64 requestSent = SystemClockMicroseconds();
    sinceRequest.start();

    QObject::connect(&socket, &QUdpSocket::readyRead, &socket, [&] {
        // Our clock at the arrival, measured on the steady clock from the request, so that a
        // step of the system clock meanwhile does not count as network delay.
        const qint64 arrival = requestSent + sinceRequest.nsecsElapsed() / 1000;
        while (!answer && socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = socket.receiveDatagram(LargestDatagram);
            if (!datagram.isValid() ||
                !datagram.senderAddress().isEqual(server, QHostAddress::TolerantConversion) ||
                datagram.senderPort() != Port) {
                continue;
            }
            const SntpReply reply = CheckSntpReply(datagram.data(), nonce);
            if (!AnswersOurRequest(reply.check)) {
                strayAnswer = true;
                continue;
            }
            answer = reply;
            replyReceived = arrival;
            sinceReply.start();
        }
        wait_.Wake();
    });

    if (socket.write(SntpRequest(nonce)) != SntpPacketSize) {
        throw EAbortError(QStringLiteral("Connection Failed"));
    }
    WaitUntil([&] { return answer.has_value() || socketFailed; });

    if (answer) {
        if (answer->check != SntpReplyCheck::Ok) {
            throw EReplyError(UnusableReplyText(answer->check));
        }
        SntpReading reading;
        reading.replyReceived = replyReceived;
        reading.measurement =
            MeasureSntpExchange(requestSent, NtpToUnixMicroseconds(answer->receive),
                                NtpToUnixMicroseconds(answer->transmit), replyReceived);
        reading.sinceReply = sinceReply;
        return reading;
    }
    if (canceled_) {
        throw EAbortError(QStringLiteral("Connection Canceled"));
    }
    if (socketFailed) {
        throw EAbortError(QStringLiteral("Connection Failed"));
    }
    // Only datagrams that answered nothing we asked: the server speaks, but not usably.
    if (strayAnswer) {
        throw EReplyError(UnusableReplyText(SntpReplyCheck::NotOurRequest));
    }
    throw EAbortError(QStringLiteral("Connection Timed out"));
}
