// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <cstdint>

// The 64-bit timestamps of NTP: whole seconds since 1900 in the high half, the fraction of a
// second in the low half.
using NtpTimestamp = std::uint64_t;

// Microseconds since 1970-01-01 UTC. Seconds whose top bit is clear count from 2036-02-07
// (the second NTP era), as RFC 4330 section 3 asks, so the conversion holds for 1968..2104.
qint64 NtpToUnixMicroseconds(NtpTimestamp timestamp);
NtpTimestamp UnixMicrosecondsToNtp(qint64 microseconds);

// The size of an NTP packet without extension fields.
constexpr int SntpPacketSize = 48;

// A client request (NTPv4, mode 3) that carries `nonce` as its transmit timestamp.
QByteArray SntpRequest(NtpTimestamp nonce);

enum class SntpReplyCheck {
    Ok,
    // Not an answer to our request: left aside while the real one may still come.
    TooShort,
    NotOurRequest, // its originate timestamp is not the transmit timestamp we sent
    // An answer to our request that cannot be used.
    NotServerMode,
    BadVersion,
    Kiss,           // stratum 0: the server refuses ("kiss-o'-death")
    BadStratum,     // stratum 16 or more: the server has no time to give
    Unsynchronised, // leap indicator 3
    NoTimestamps,   // the receive or the transmit timestamp is zero
};

struct SntpReply {
    SntpReplyCheck check = SntpReplyCheck::TooShort;
    NtpTimestamp receive = 0;  // when the server received the request
    NtpTimestamp transmit = 0; // when the server sent the reply
    int stratum = 0;
};

// Checks a datagram against the request that carried `nonce`.
SntpReply CheckSntpReply(QByteArrayView datagram, NtpTimestamp nonce);

// Whether a checked datagram is an answer to our request at all, usable or not.
bool AnswersOurRequest(SntpReplyCheck check);

// The server clock's offset against ours and the round-trip delay from the four timestamps
// of one exchange (RFC 4330 section 5), each in microseconds since 1970: our request's
// departure, its arrival at the server, the reply's departure and its arrival here.
struct SntpMeasurement {
    qint64 offsetMicroseconds = 0;
    qint64 delayMicroseconds = 0;
};
SntpMeasurement MeasureSntpExchange(qint64 requestSent, qint64 serverReceived, qint64 serverSent,
                                    qint64 replyReceived);
