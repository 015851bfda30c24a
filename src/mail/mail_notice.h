// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"
#include "settings/mail_account.h"

#include <QString>
#include <QStringList>
#include <array>

class MailCheckRun;
class SoundPlayer;

// What the notification window shows: one line per configured account, and the caption of
// each slot's mail program item (empty: the item stays hidden).
struct MailNoticeContent {
    QStringList lines;
    std::array<QString, AccountTable::Capacity> mailerCaptions;
};

// The content of the notification window and what telling the user changes: the sound for
// new mail, NewMail and MailNotifyPending. Shared by the window and the headless check.
class MailNotice {
public:
    MailNotice(AccountTable& accounts, const ClockSettings& settings, MailCheckRun& run,
               SoundPlayer& sound);

    // The line of one configured account: its name, "：" and its result.
    static QString Line(const MailAccount& account);

    // Builds the lines; an account whose count is shown as new mail plays its sound and is
    // no longer new.
    MailNoticeContent Fill();
    // The user has seen the notice: no account is new any more.
    void Acknowledge();

private:
    AccountTable& accounts_;
    const ClockSettings& settings_;
    MailCheckRun& run_;
    SoundPlayer& sound_;
};
