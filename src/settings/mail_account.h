// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colour.h"

#include <QString>
#include <array>

// Bits of MailAccount::Attribute.
enum MailAccountAttribute : int {
    CheckOn = 0x0001,
    SoundOn = 0x0002,
    DialUpOnly = 0x0004,
    DefaultIcon = 0x0008,
    BlinkCount = 0x0010,
    InUse = 0x8000,
};

// MailAccount::Security: how the connection to the server is protected.
enum MailAccountSecurity : int {
    NoSecurity = 0,       // plain POP3
    StartTlsSecurity = 1, // STLS right after the greeting, on the account's port
    TlsSecurity = 2,      // TLS from the first byte (POP3S)
};

// A value no version wrote counts as the strictest choice: a damaged setting must never send
// a password in the clear.
inline MailAccountSecurity KnownSecurity(int security) {
    return security == NoSecurity || security == StartTlsSecurity ? MailAccountSecurity(security)
                                                                  : TlsSecurity;
}

// MailAccount::Protocol: how the mailbox is read.
enum MailAccountProtocol : int {
    Pop3Protocol = 0, // the message count of a POP3 mailbox
    ImapProtocol = 1, // the unseen messages of one IMAP folder
};

// A value no version wrote reads as POP3, the protocol every older layout meant.
inline MailAccountProtocol KnownProtocol(int protocol) {
    return protocol == ImapProtocol ? ImapProtocol : Pop3Protocol;
}

// An IMAP folder has a name; an empty one means the inbox.
inline QString MailboxOrInbox(const QString& mailbox) {
    return mailbox.isEmpty() ? QStringLiteral("INBOX") : mailbox;
}

// A port outside 1..65535 goes nowhere rather than to some other port.
inline bool ValidPort(int port) {
    return port >= 1 && port <= 65535;
}

// One mailbox. The fields from MessageCount to ResultText live only while the program runs.
struct MailAccount {
    int ImageIndex = 0;
    Colour TextColor = 0;
    Colour TextBKColor = 0xFFFFFF;
    QString ImageFile;
    int Attribute = 0;
    QString Account;
    QString POP3;
    int Port = 110;
    QString UserID;
    QString PassWord;
    QString MailSound;
    int TimeOut = 10000;
    int MessageCount = 0;
    int PreviousCount = 0;
    int NewMail = 0;
    int ErrorCode = 0;
    QString ResultText;
    QString Mailer;
    int Security = NoSecurity;
    // SHA-256 fingerprint of a server certificate the user chose to trust, or "".
    QString TrustedCertificate;
    int Protocol = Pop3Protocol;
    // The IMAP folder watched, as the user names it.
    QString Mailbox = QStringLiteral("INBOX");
    // The server that certificate was trusted for, as ServerAddress writes it; the trust holds
    // only while the account names that server.
    QString TrustedServer;

    bool operator==(const MailAccount&) const = default;

    bool Has(MailAccountAttribute bit) const { return (Attribute & bit) != 0; }
};

// The five account slots; ClockSettings::AccountListCount of them, from slot 0, are configured.
struct AccountTable {
    static constexpr int Capacity = 5;
    std::array<MailAccount, Capacity> entries;

    bool operator==(const AccountTable&) const = default;
};
