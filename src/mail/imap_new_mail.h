// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/imap_session.h"

#include <optional>

// What one check of an IMAP mailbox leaves for the next one to compare with. It lives while
// the program runs, like the previous message count of a POP3 account.
struct ImapMailboxMark {
    quint32 uidValidity = 0;
    // The highest UID the check knew to exist, read or not.
    quint32 highestUid = 0;

    bool operator==(const ImapMailboxMark&) const = default;
};

struct ImapNewMail {
    // The account's count: its unseen messages.
    int count = 0;
    bool newMail = false;
    ImapMailboxMark mark{}; // for the next check
};

// New mail is an unseen message the previous check did not know: its UID lies above the
// highest UID that check knew. UIDs only compare within one UIDVALIDITY; when the server has
// numbered the mailbox afresh nothing can be told apart, and nothing is reported. The first
// check after the start reports any unseen message, as a POP3 account reports any message.
ImapNewMail JudgeImapMailbox(const std::optional<ImapMailboxMark>& previous,
                             const ImapMailboxStatus& now);
