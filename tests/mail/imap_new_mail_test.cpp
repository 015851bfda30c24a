// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/imap_new_mail.h"

#include <gtest/gtest.h>

TEST(MailImapNewMail, NewMailIsAnUnseenMessageThePreviousCheckDidNotKnow) {
    struct Case {
        const char* what;
        std::optional<ImapMailboxMark> previous;
        ImapMailboxStatus now;
        int count;
        bool newMail;
        ImapMailboxMark mark;
    };
    const ImapMailboxMark known{.uidValidity = 7, .highestUid = 40};
    const Case cases[] = {
        {"the first check reports what is unseen",
         std::nullopt,
         {.uidValidity = 7, .uidNext = 41, .unseen = 2, .highestUnseenUid = 38},
         2,
         true,
         known},
        {"the first check of an empty mailbox",
         std::nullopt,
         {.uidValidity = 7, .uidNext = 41},
         0,
         false,
         known},
        {"nothing came",
         known,
         {.uidValidity = 7, .uidNext = 41, .unseen = 2, .highestUnseenUid = 38},
         2,
         false,
         known},
        {"one came",
         known,
         {.uidValidity = 7, .uidNext = 42, .unseen = 3, .highestUnseenUid = 41},
         3,
         true,
         {7, 41}},
        {"one came and was read already",
         known,
         {.uidValidity = 7, .uidNext = 42, .unseen = 2, .highestUnseenUid = 38},
         2,
         false,
         {7, 41}},
        {"an old message marked unread again",
         known,
         {.uidValidity = 7, .uidNext = 41, .unseen = 3, .highestUnseenUid = 40},
         3,
         false,
         known},
        {"one came between EXAMINE and SEARCH",
         known,
         {.uidValidity = 7, .uidNext = 41, .unseen = 1, .highestUnseenUid = 41},
         1,
         true,
         {7, 41}},
        {"a server that names a lower UIDNEXT",
         known,
         {.uidValidity = 7, .uidNext = 30, .unseen = 1, .highestUnseenUid = 12},
         1,
         false,
         known},
        {"the mailbox was numbered afresh",
         known,
         {.uidValidity = 8, .uidNext = 5, .unseen = 4, .highestUnseenUid = 4},
         4,
         false,
         {8, 4}},
        {"without UIDNEXT the highest unseen UID counts",
         known,
         {.uidValidity = 7, .unseen = 1, .highestUnseenUid = 45},
         1,
         true,
         {7, 45}},
    };
    for (const Case& test : cases) {
        const ImapNewMail verdict = JudgeImapMailbox(test.previous, test.now);
        EXPECT_EQ(verdict.count, test.count) << test.what;
        EXPECT_EQ(verdict.newMail, test.newMail) << test.what;
        EXPECT_EQ(verdict.mark, test.mark) << test.what;
    }
}
