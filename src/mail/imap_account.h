// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/imap_server_opener.h"
#include "settings/mail_account.h"

#include <chrono>
#include <memory>

// How the program reaches an IMAP account: the same server fields, security and trusted
// certificate a POP3 account has, and the folder it watches.
ImapAccess ImapAccessOf(const MailAccount& account, const QString& password);
std::unique_ptr<ImapServerOpener> ImapOpenerFor(const MailAccount& account,
                                                std::chrono::milliseconds stepTimeOut);
// Names the mailbox an account checks: what its new mail is judged against changes with it.
QString ImapMailboxIdentity(const MailAccount& account);
