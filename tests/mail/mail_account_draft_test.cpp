// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/mail_account_draft.h"

#include <gtest/gtest.h>

namespace {

MailAccount Configured(const QString& name, int attribute) {
    MailAccount account;
    account.Attribute = InUse | attribute;
    account.Account = name;
    account.MailSound = name + QStringLiteral(".wav");
    account.Mailer = name + QStringLiteral(".exe");
    account.ErrorCode = 145;
    account.ResultText = QStringLiteral("Error:サーバーに接続できない");
    return account;
}

TEST(MailDraft, LoadsConfiguredSlotsAndEmptiesTheRest) {
    AccountTable table;
    ClockSettings settings;
    table.entries[0] = Configured(QStringLiteral("a"), CheckOn);
    table.entries[1] = Configured(QStringLiteral("b"), 0);
    settings.AccountListCount = 2;
    settings.MailCheckAttr = PeriodicCheck;
    settings.Checkinterval = 0;
    const MailAccountDraft draft(table, settings);
    EXPECT_EQ(draft.WorkCount, 2);
    EXPECT_EQ(draft.WorkAccounts[0].ErrorCode, 0);
    EXPECT_EQ(draft.WorkAccounts[1].Account, QStringLiteral("b"));
    EXPECT_EQ(draft.WorkAccounts[2].Port, 0);
    EXPECT_EQ(draft.WorkAccounts[2].TimeOut, 0);
    EXPECT_EQ(draft.WorkAccounts[2].TextBKColor, 0xFFFFFFu);
    EXPECT_EQ(draft.MailCheckAttr, PeriodicCheck);
    EXPECT_EQ(draft.Checkinterval, 0);
}

TEST(MailDraft, AccountLineNamesSoundDialUpAndPlainText) {
    const struct {
        int attribute;
        int security;
        const char16_t* line;
    } cases[] = {
        {0, TlsSecurity, u"[home]"},
        {SoundOn, StartTlsSecurity, u"[home] サウンド通知有り"},
        {DialUpOnly, TlsSecurity, u"[home] ダイヤルアップ中のみチェック"},
        {SoundOn | DialUpOnly | CheckOn, TlsSecurity,
         u"[home] サウンド通知有り ダイヤルアップ中のみチェック"},
        {SoundOn, NoSecurity, u"[home] サウンド通知有り 暗号化なし"},
    };
    for (const auto& test : cases) {
        MailAccount account = Configured(QStringLiteral("home"), test.attribute);
        account.Security = test.security;
        EXPECT_EQ(MailAccountDraft::AccountLine(account), QString::fromUtf16(test.line));
    }
}

TEST(MailDraft, DeletingMovesLaterAccountsUpAndWriteBackKeepsRunState) {
    AccountTable table;
    ClockSettings settings;
    for (int slot = 0; slot < 3; ++slot) {
        table.entries[slot] = Configured(QString(QChar('a' + slot)), CheckOn);
        table.entries[slot].ImageIndex = 10 + slot;
        table.entries[slot].PreviousCount = 20 + slot;
        table.entries[slot].NewMail = 1;
        table.entries[slot].MessageCount = 30 + slot;
    }
    settings.AccountListCount = 3;
    MailAccountDraft draft(table, settings);
    draft.Delete(0);
    EXPECT_EQ(draft.WorkCount, 2);
    EXPECT_EQ(draft.WorkAccounts[0].Account, QStringLiteral("b"));
    EXPECT_EQ(draft.WorkAccounts[1].MailSound, QStringLiteral("c.wav"));
    EXPECT_FALSE(draft.WorkAccounts[2].Has(InUse));
    draft.SetCheckOn(1, false);
    draft.Delete(7); // no such line: nothing happens
    EXPECT_EQ(draft.WorkCount, 2);

    draft.WriteBack(table, settings);
    EXPECT_EQ(settings.AccountListCount, 2);
    EXPECT_EQ(table.entries[0].Account, QStringLiteral("b"));
    EXPECT_EQ(table.entries[0].Mailer, QStringLiteral("b.exe"));
    EXPECT_EQ(table.entries[0].MessageCount, 31);  // moved with the account
    EXPECT_EQ(table.entries[0].PreviousCount, 20); // kept by the slot
    EXPECT_EQ(table.entries[0].ImageIndex, 10);
    EXPECT_EQ(table.entries[0].ErrorCode, 0);
    EXPECT_FALSE(table.entries[1].Has(CheckOn));
    EXPECT_FALSE(table.entries[2].Has(InUse));
    EXPECT_EQ(table.entries[2].NewMail, 1);

    // A fresh draft shows the same two accounts.
    const MailAccountDraft again(table, settings);
    EXPECT_EQ(again.WorkCount, 2);
    EXPECT_EQ(again.WorkAccounts[1].Account, QStringLiteral("c"));
}

} // namespace
