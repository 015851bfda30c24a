// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_command.h"

#include <algorithm>

namespace {

// A quoted string carries seven-bit text without line ends and NUL; " and \ are escaped.
bool Quotable(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return code >= 0x01 && code <= 0x7F && byte != '\r' && byte != '\n';
    });
}

} // namespace

ImapCommand::ImapCommand(QByteArrayView tag, QByteArrayView name, ImapLiterals literals)
    : parts_{tag.toByteArray() + ' ' + name.toByteArray()}, literals_(literals) {}

ImapCommand& ImapCommand::Atom(QByteArrayView atom) {
    parts_.back() += ' ' + atom.toByteArray();
    return *this;
}

ImapCommand& ImapCommand::String(QByteArrayView bytes) {
    QByteArray& part = parts_.back();
    part += ' ';
    if (Quotable(bytes)) {
        part += '"';
        for (const char byte : bytes) {
            if (byte == '"' || byte == '\\') {
                part += '\\';
            }
            part += byte;
        }
        part += '"';
        return *this;
    }
    const bool synchronising = literals_ == ImapLiterals::Synchronising;
    part += '{' + QByteArray::number(bytes.size()) + (synchronising ? "}\r\n" : "+}\r\n");
    if (synchronising) {
        parts_.append(QByteArray());
    }
    parts_.back() += bytes.toByteArray();
    return *this;
}

QList<QByteArray> ImapCommand::Parts() const {
    QList<QByteArray> parts = parts_;
    parts.back() += "\r\n";
    return parts;
}

QByteArray ImapMailboxName(const QString& name) {
    if (name.compare(QLatin1String("INBOX"), Qt::CaseInsensitive) == 0) {
        return QByteArrayLiteral("INBOX");
    }
    QByteArray encoded;
    QByteArray wide; // UTF-16, big-endian, of the characters waiting to be encoded
    const auto flush = [&] {
        if (!wide.isEmpty()) {
            encoded += '&' + wide.toBase64(QByteArray::OmitTrailingEquals).replace('/', ',') + '-';
            wide.clear();
        }
    };
    for (const QChar character : name) {
        const char16_t code = character.unicode();
        if (code >= 0x20 && code <= 0x7E) {
            flush();
            encoded += code == u'&' ? QByteArrayLiteral("&-") : QByteArray(1, char(code));
        } else {
            wide += char(code >> 8);
            wide += char(code & 0xFF);
        }
    }
    flush();
    return encoded;
}
