// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/mail_notice.h"

#include "mail/mail_check_run.h"
#include "platform/sound_player.h"

#include <QFileInfo>
#include <algorithm>

MailNotice::MailNotice(AccountTable& accounts, const ClockSettings& settings, MailCheckRun& run,
                       SoundPlayer& sound)
    : accounts_(accounts), settings_(settings), run_(run), sound_(sound) {}

QString MailNotice::Line(const MailAccount& account) {
    QString line = account.Account + QStringLiteral("：");
    if (!account.Has(CheckOn)) {
        return line + QStringLiteral("[メールチェックしない]");
    }
    if (!account.ResultText.isEmpty()) {
        return line + account.ResultText;
    }
    if (account.MessageCount < 1) {
        return line + QStringLiteral("メールはありません");
    }
    return line + QString::number(account.MessageCount) + QStringLiteral("通のメールがあります");
}

MailNoticeContent MailNotice::Fill() {
    MailNoticeContent content;
    const int count = std::clamp(settings_.AccountListCount, 0, AccountTable::Capacity);
    for (int slot = 0; slot < count; ++slot) {
        MailAccount& account = accounts_.entries[slot];
        if (!account.Mailer.isEmpty()) {
            content.mailerCaptions[slot] = account.Account;
        }
        if (!account.Has(InUse)) {
            continue;
        }
        content.lines << Line(account);
        if (!account.Has(CheckOn)) {
            continue;
        }
        const bool showsCount = account.ResultText.isEmpty() && account.MessageCount >= 1;
        if (showsCount && account.NewMail != 0) {
            if (account.Has(SoundOn) && QFileInfo(account.MailSound).isFile()) {
                sound_.PlayAsync(account.MailSound);
            }
            account.NewMail = 0;
        }
        run_.SetMailNotifyPending(false);
    }
    return content;
}

void MailNotice::Acknowledge() {
    for (MailAccount& account : accounts_.entries) {
        if (account.Has(InUse)) {
            account.NewMail = 0;
        }
    }
    run_.SetMailNotifyPending(false);
}
