// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/sntp_reply.h"

namespace {

// Seconds from 1900-01-01 to 1970-01-01.
constexpr qint64 NtpToUnixSeconds = 2208988800;
constexpr qint64 EraSeconds = qint64(1) << 32;
constexpr qint64 MicrosecondsPerSecond = 1000000;

constexpr int ModeClient = 3;
constexpr int ModeServer = 4;
constexpr int Version = 4;
constexpr int LeapUnsynchronised = 3;
constexpr int MaximumStratum = 15;

constexpr int OriginateOffset = 24;
constexpr int ReceiveOffset = 32;
constexpr int TransmitOffset = 40;

NtpTimestamp ReadTimestamp(QByteArrayView packet, int offset) {
    NtpTimestamp value = 0;
    for (int i = 0; i < 8; ++i) {
        value = (value << 8) | static_cast<unsigned char>(packet[offset + i]);
    }
    return value;
}

void WriteTimestamp(QByteArray& packet, int offset, NtpTimestamp value) {
    for (int i = 7; i >= 0; --i) {
        packet[offset + i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

} // namespace

qint64 NtpToUnixMicroseconds(NtpTimestamp timestamp) {
    qint64 seconds = qint64(timestamp >> 32);
    if ((seconds & 0x80000000) == 0) {
        seconds += EraSeconds;
    }
    const qint64 fraction = qint64(((timestamp & 0xFFFFFFFF) * MicrosecondsPerSecond) >> 32);
    return (seconds - NtpToUnixSeconds) * MicrosecondsPerSecond + fraction;
}

NtpTimestamp UnixMicrosecondsToNtp(qint64 microseconds) {
    qint64 seconds = microseconds / MicrosecondsPerSecond;
    qint64 remainder = microseconds % MicrosecondsPerSecond;
    if (remainder < 0) {
        remainder += MicrosecondsPerSecond;
        --seconds;
    }
    // Rounded up, so that converting back gives the same microsecond.
    const std::uint64_t fraction =
        ((std::uint64_t(remainder) << 32) + MicrosecondsPerSecond - 1) / MicrosecondsPerSecond;
    const std::uint64_t ntpSeconds = std::uint64_t(seconds + NtpToUnixSeconds) & 0xFFFFFFFF;
    return (ntpSeconds << 32) | fraction;
}

QByteArray SntpRequest(NtpTimestamp nonce) {
    QByteArray packet(SntpPacketSize, '\0');
    packet[0] = static_cast<char>((Version << 3) | ModeClient);
    WriteTimestamp(packet, TransmitOffset, nonce);
    return packet;
}

SntpReply CheckSntpReply(QByteArrayView datagram, NtpTimestamp nonce) {
    SntpReply reply;
    // Longer packets carry extension fields or a key, which a plain client ignores.
    if (datagram.size() < SntpPacketSize) {
        reply.check = SntpReplyCheck::TooShort;
        return reply;
    }
    if (ReadTimestamp(datagram, OriginateOffset) != nonce) {
        reply.check = SntpReplyCheck::NotOurRequest;
        return reply;
    }
    const auto first = static_cast<unsigned char>(datagram[0]);
    const int leap = first >> 6;
    const int version = (first >> 3) & 0x07;
    const int mode = first & 0x07;
    reply.stratum = static_cast<unsigned char>(datagram[1]);
    reply.receive = ReadTimestamp(datagram, ReceiveOffset);
    reply.transmit = ReadTimestamp(datagram, TransmitOffset);
    if (mode != ModeServer) {
        reply.check = SntpReplyCheck::NotServerMode;
    } else if (version < 1 || version > Version) {
        reply.check = SntpReplyCheck::BadVersion;
    } else if (reply.stratum == 0) {
        reply.check = SntpReplyCheck::Kiss;
    } else if (reply.stratum > MaximumStratum) {
        reply.check = SntpReplyCheck::BadStratum;
    } else if (leap == LeapUnsynchronised) {
        reply.check = SntpReplyCheck::Unsynchronised;
    } else if (reply.receive == 0 || reply.transmit == 0) {
        reply.check = SntpReplyCheck::NoTimestamps;
    } else {
        reply.check = SntpReplyCheck::Ok;
    }
    return reply;
}

bool AnswersOurRequest(SntpReplyCheck check) {
    return check != SntpReplyCheck::TooShort && check != SntpReplyCheck::NotOurRequest;
}

SntpMeasurement MeasureSntpExchange(qint64 requestSent, qint64 serverReceived, qint64 serverSent,
                                    qint64 replyReceived) {
    SntpMeasurement measurement;
    measurement.offsetMicroseconds =
        ((serverReceived - requestSent) + (serverSent - replyReceived)) / 2;
    measurement.delayMicroseconds = (replyReceived - requestSent) - (serverSent - serverReceived);
    return measurement;
}
