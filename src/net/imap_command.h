// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// Whether the server takes literals without first answering "+" to each (LITERAL+).
enum class ImapLiterals { Synchronising, NonSynchronising };

// One command line, built word by word. A string goes as a quoted string where IMAP allows
// that (seven-bit text without line ends) and as a literal otherwise. A synchronising
// literal cuts the command into parts: after each part that announces one, the client waits
// for the server's "+" before it sends the next.
class ImapCommand {
public:
    ImapCommand(QByteArrayView tag, QByteArrayView name, ImapLiterals literals);

    // Adds a space and the bytes as they are: atoms, numbers, parenthesised lists.
    ImapCommand& Atom(QByteArrayView atom);
    // Adds a space and the bytes as a string.
    ImapCommand& String(QByteArrayView bytes);
    // The parts to send, the last ending the command with CR LF.
    QList<QByteArray> Parts() const;

private:
    QList<QByteArray> parts_;
    ImapLiterals literals_;
};

// A mailbox name as it goes over the wire: INBOX in any letter case as INBOX, others in
// IMAP's modified UTF-7 ("台北" as "&U,BTFw-").
QByteArray ImapMailboxName(const QString& name);
