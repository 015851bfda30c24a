// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/run_mail_check_once.h"

#include "mail/headless_mail_host.h"
#include "mail/mail_check_run.h"
#include "mail/mail_notice.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <optional>

MailCheckReport RunMailCheckOnce(AccountTable& accounts, ClockSettings& settings, TPop3Client& pop3,
                                 MailPasswords& passwords, DialUpMonitor& dialUp,
                                 SoundPlayer& sound, UserPrompt& prompt) {
    std::optional<MailNoticeContent> notice;
    MailCheckRun* runForNotice = nullptr;
    HeadlessMailHost host(
        prompt, [&] { notice = MailNotice(accounts, settings, *runForNotice, sound).Fill(); });
    MailCheckRun run(accounts, settings, pop3, passwords, dialUp, host);
    runForNotice = &run;

    bool started = false;
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(250);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        run.AdvanceTickCounter(1); // one quarter second a tick
        run.MailCheckTick();
        if (!started && run.MailCheckRunning()) {
            started = true;
            notice.reset(); // only the notice of this run's end counts
        }
        // A forced run always reports at its end; the tick after it shows the notice.
        if (started && !run.MailCheckRunning() && notice.has_value()) {
            tick.stop();
            loop.quit();
        }
    });
    run.Menu_MailCheckClick();
    tick.start();
    loop.exec();

    MailCheckReport report;
    report.lines = notice->lines;
    const int count = std::clamp(settings.AccountListCount, 0, AccountTable::Capacity);
    for (int slot = 0; slot < count; ++slot) {
        const MailAccount& account = accounts.entries[slot];
        report.anyError = report.anyError ||
                          (account.Has(InUse) && account.Has(CheckOn) && account.ErrorCode != 0);
    }
    return report;
}
