// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/imap_new_mail.h"

#include <algorithm>
#include <limits>

ImapNewMail JudgeImapMailbox(const std::optional<ImapMailboxMark>& previous,
                             const ImapMailboxStatus& now) {
    ImapNewMail verdict;
    verdict.count = int(std::min<quint32>(now.unseen, std::numeric_limits<int>::max()));
    // A message that came between EXAMINE and SEARCH lies at or above UIDNEXT.
    const quint32 highestKnown =
        std::max(now.uidNext > 0 ? now.uidNext - 1 : 0, now.highestUnseenUid);
    verdict.mark = {.uidValidity = now.uidValidity, .highestUid = highestKnown};
    if (!previous) {
        verdict.newMail = now.unseen > 0;
    } else if (previous->uidValidity == now.uidValidity) {
        verdict.newMail = now.unseen > 0 && now.highestUnseenUid > previous->highestUid;
        // A server that names a lower UIDNEXT than before must not make old mail new again.
        verdict.mark.highestUid = std::max(highestKnown, previous->highestUid);
    }
    return verdict;
}
