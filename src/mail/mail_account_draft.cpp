// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/mail_account_draft.h"

#include <algorithm>

MailAccountDraft::MailAccountDraft(const AccountTable& accounts, const ClockSettings& settings)
    : MailCheckAttr(settings.MailCheckAttr), Checkinterval(settings.Checkinterval) {
    for (int slot = 0; slot < AccountTable::Capacity; ++slot) {
        const MailAccount& account = accounts.entries[slot];
        if (account.Has(InUse)) {
            WorkAccounts[slot] = account;
            WorkAccounts[slot].ErrorCode = 0;
            ++WorkCount;
        } else {
            WorkAccounts[slot] = EmptySlot();
        }
    }
}

MailAccount MailAccountDraft::EmptySlot() {
    MailAccount empty;
    empty.Port = 0;
    empty.TimeOut = 0;
    empty.TextColor = 0;
    empty.TextBKColor = 0xFFFFFF;
    return empty;
}

QString MailAccountDraft::AccountLine(const MailAccount& account) {
    QString line = QStringLiteral("[") + account.Account + QStringLiteral("]");
    if (account.Has(SoundOn)) {
        line += QStringLiteral(" サウンド通知有り");
    }
    if (account.Has(DialUpOnly)) {
        line += QStringLiteral(" ダイヤルアップ中のみチェック");
    }
    if (KnownSecurity(account.Security) == NoSecurity) {
        line += QStringLiteral(" 暗号化なし");
    }
    return line;
}

void MailAccountDraft::SetCheckOn(int slot, bool on) {
    if (slot < 0 || slot >= AccountTable::Capacity) {
        return;
    }
    int& attribute = WorkAccounts[slot].Attribute;
    attribute = on ? (attribute | CheckOn) : (attribute & ~int(CheckOn));
}

void MailAccountDraft::Delete(int slot) {
    if (slot < 0 || slot >= WorkCount) {
        return;
    }
    for (int later = slot + 1; later < WorkCount; ++later) {
        WorkAccounts[later - 1] = WorkAccounts[later];
    }
    WorkAccounts[WorkCount - 1] = EmptySlot();
    --WorkCount;
}

void MailAccountDraft::WriteBack(AccountTable& accounts, ClockSettings& settings) const {
    settings.AccountListCount = WorkCount;
    settings.MailCheckAttr = MailCheckAttr;
    settings.Checkinterval = Checkinterval;
    for (int slot = 0; slot < AccountTable::Capacity; ++slot) {
        MailAccount& target = accounts.entries[slot];
        const int imageIndex = target.ImageIndex;
        const int previousCount = target.PreviousCount;
        const int newMail = target.NewMail;
        target = WorkAccounts[slot];
        target.ImageIndex = imageIndex;
        target.PreviousCount = previousCount;
        target.NewMail = newMail;
    }
}
