// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mail/mail_notice.h"

#include <QDialog>
#include <array>
#include <memory>

class AppLauncher;
class MailCheckRun;
class QAction;
class SoundPlayer;

namespace Ui {
class MailInfoForm;
}

// The mail notification window: one line per configured account with its result, the sound
// for new mail, and the mail programs to start.
class TMailInfoForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 366;
    static constexpr int ClientHeight = 155;

    TMailInfoForm(AccountTable& accounts, const ClockSettings& settings, MailCheckRun& run,
                  SoundPlayer& sound, AppLauncher& launcher, QWidget* parent = nullptr);
    ~TMailInfoForm() override;

    // Shows the accounts' current results; the clock window calls it to refresh an open
    // window.
    void FillMailInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MailInfoCloseClick();
    void BTM_MailerClick();
    void MailerRunClick(int slot);

    std::unique_ptr<Ui::MailInfoForm> ui_;
    AccountTable& accounts_;
    AppLauncher& launcher_;
    MailCheckRun& run_;
    MailNotice notice_;

    std::array<QAction*, AccountTable::Capacity> MailerRun{};
};
