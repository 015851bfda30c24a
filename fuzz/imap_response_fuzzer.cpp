// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The IMAP response parser and the session above it, fed arbitrary server bytes. The first
// byte chooses how the input is cut into reads (so a response may arrive split anywhere)
// and what the session was asked to protect. Every input must end in responses or an error,
// and the password must never go out on a connection that was to be encrypted and was not.
#include "net/imap_session.h"

#include <cstdio>
#include <cstdlib>

namespace {

const QString kPassword = QStringLiteral("pässword-9f3");

bool Leaks(const QByteArray& sent) {
    const QByteArray password = kPassword.toUtf8();
    return sent.contains(password) ||
           sent.contains(QByteArray("\0alice\0", 7).append(password).toBase64());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const int readSize = 1 + data[0] % 64;
    const bool startTls = (data[0] & 0x40) != 0;
    const QByteArrayView input(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));

    ParseImapResponse(input);
    ImapSession session(ImapSession::Purpose::Check,
                        startTls ? ImapSecurity::StartTls : ImapSecurity::Tls,
                        QStringLiteral("alice"), kPassword, QStringLiteral("受信箱"));
    QByteArray sent;
    for (qsizetype offset = 0; offset < input.size(); offset += readSize) {
        const QByteArrayView piece =
            input.sliced(offset, std::min<qsizetype>(readSize, input.size() - offset));
        const ImapStep step = session.Receive(piece);
        sent += step.send;
        // The handshake never happens here: a StartTls session stays unencrypted.
    }
    if (startTls && Leaks(sent)) {
        std::fprintf(stderr, "the password went out in plain text: %s\n", sent.constData());
        std::abort();
    }
    return 0;
}
