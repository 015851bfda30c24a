// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/imap_account.h"

ImapAccess ImapAccessOf(const MailAccount& account, const QString& password) {
    return {.security = ImapSecurity(KnownSecurity(account.Security)),
            .user = account.UserID,
            .password = password,
            .mailbox = MailboxOrInbox(account.Mailbox)};
}

std::unique_ptr<ImapServerOpener> ImapOpenerFor(const MailAccount& account,
                                                std::chrono::milliseconds stepTimeOut) {
    ConnectionTarget target{.host = account.POP3,
                            .port = quint16(ValidPort(account.Port) ? account.Port : 0),
                            .pin = {account.TrustedCertificate, account.TrustedServer}};
    return std::make_unique<ImapServerOpener>(
        std::move(target), ImapSecurity(KnownSecurity(account.Security)), stepTimeOut);
}

QString ImapMailboxIdentity(const MailAccount& account) {
    return QStringList{account.POP3, QString::number(account.Port), account.UserID,
                       ImapAccessOf(account, {}).mailbox}
        .join(QLatin1Char('\n'));
}
