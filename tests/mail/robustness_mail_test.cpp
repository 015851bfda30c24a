// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/mail_check_run.h"
#include "mail_fakes.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

// The mail check with its stored numbers at their extremes: an interval of 0 or below
// checks on every idle tick, a huge one never, an account count beyond the table visits
// only the five slots, and none of it trips the run's own consistency warning.
TEST(RobustnessMailRun, StoredIntervalsAndCountsAtTheirExtremes) {
    for (int interval : {INT_MIN, -1, 0, INT_MAX}) {
        for (int count : {INT_MIN, -1, 0, 5, 6, INT_MAX}) {
            AccountTable accounts;
            for (MailAccount& account : accounts.entries) {
                account.Attribute = InUse | CheckOn;
                account.UserID = QStringLiteral("alice");
                account.PassWord = QStringLiteral("secret");
                account.POP3 = QStringLiteral("127.0.0.1");
                account.TimeOut = INT_MIN;
            }
            ClockSettings settings;
            settings.MailCheckAttr = PeriodicCheck;
            settings.Checkinterval = interval;
            settings.AccountListCount = count;
            FakePop3 pop3;
            FakeDialUp dialUp;
            FakeRunHost host;
            host.onOpen = [&accounts] {
                for (MailAccount& account : accounts.entries) {
                    account.NewMail = 0; // as the notification window does
                }
            };
            KeyringPasswords keyring(accounts);
            MailCheckRun run(accounts, settings, pop3, keyring.passwords, dialUp, host);
            for (int tick = 0; tick < 20; ++tick) {
                run.AdvanceTickCounter(1);
                run.MailCheckTick();
            }
            const std::string where = std::to_string(interval) + " " + std::to_string(count);
            EXPECT_TRUE(host.messages.isEmpty()) << where;
            if (interval == INT_MAX || count <= 0) {
                EXPECT_TRUE(pop3.connects.isEmpty()) << where;
            } else {
                EXPECT_FALSE(pop3.connects.isEmpty()) << where;
                EXPECT_LE(pop3.connects.size(), 20) << where;
            }
        }
    }
}

} // namespace
