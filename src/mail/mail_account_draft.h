// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"
#include "settings/mail_account.h"

#include <QString>
#include <array>

// The mail settings dialog's working copy of the accounts and the periodic-check values.
// Configured accounts fill slots 0 to WorkCount - 1; the clock window's table changes only
// through WriteBack.
class MailAccountDraft {
public:
    MailAccountDraft(const AccountTable& accounts, const ClockSettings& settings);

    // What an unused slot of the working copy holds.
    static MailAccount EmptySlot();
    // "[name]" with " サウンド通知有り", " ダイヤルアップ中のみチェック" and, for an account
    // that sends its password in the clear, " 暗号化なし", as they apply.
    static QString AccountLine(const MailAccount& account);

    std::array<MailAccount, AccountTable::Capacity> WorkAccounts;
    int WorkCount = 0;
    int MailCheckAttr = 0;
    int Checkinterval = 0;

    bool IsFull() const { return WorkCount >= AccountTable::Capacity; }
    void SetCheckOn(int slot, bool on);
    // Removes the account of a line; the later accounts move up one slot.
    void Delete(int slot);
    // Hands everything to the clock window except what only the running check keeps.
    void WriteBack(AccountTable& accounts, ClockSettings& settings) const;
};
