// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The SNTP reply check: any datagram is either left aside, refused, or gives timestamps from
// which the offset and delay are computed without overflow. The first 8 bytes of an input
// are the nonce the request carried, the rest is the datagram.
#include "net/sntp_reply.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t NonceSize = 8;
    if (size < NonceSize) {
        return 0;
    }
    NtpTimestamp nonce = 0;
    for (std::size_t i = 0; i < NonceSize; ++i) {
        nonce = (nonce << 8) | data[i];
    }
    const QByteArrayView datagram(reinterpret_cast<const char*>(data) + NonceSize,
                                  qsizetype(size - NonceSize));
    const SntpReply reply = CheckSntpReply(datagram, nonce);
    if (reply.check != SntpReplyCheck::Ok) {
        return 0;
    }
    if (reply.stratum < 1 || reply.stratum > 15 || reply.receive == 0 || reply.transmit == 0) {
        std::fprintf(stderr, "took a reply of stratum %d with receive %llx, transmit %llx\n",
                     reply.stratum, static_cast<unsigned long long>(reply.receive),
                     static_cast<unsigned long long>(reply.transmit));
        std::abort();
    }
    const qint64 serverReceived = NtpToUnixMicroseconds(reply.receive);
    const qint64 serverSent = NtpToUnixMicroseconds(reply.transmit);
    // Our own clock may stand anywhere in the range the timestamps cover.
    const qint64 requestSent = NtpToUnixMicroseconds(nonce);
    const SntpMeasurement measured =
        MeasureSntpExchange(requestSent, serverReceived, serverSent, requestSent + 1000);
    if (measured.delayMicroseconds != 1000 - (serverSent - serverReceived)) {
        std::fprintf(stderr, "a delay of %lld from a 1 ms round trip\n",
                     static_cast<long long>(measured.delayMicroseconds));
        std::abort();
    }
    if (NtpToUnixMicroseconds(UnixMicrosecondsToNtp(serverReceived)) != serverReceived) {
        std::fprintf(stderr, "the timestamp %llx does not survive its way back\n",
                     static_cast<unsigned long long>(reply.receive));
        std::abort();
    }
    return 0;
}
