// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mail/mail_run_host.h"

#include <functional>

class UserPrompt;

// The clock window's side of a check run without any window: the notification is handed to
// a callback, menu commands do not exist, and messages go to a prompt.
class HeadlessMailHost : public MailRunHost {
public:
    HeadlessMailHost(UserPrompt& prompt, std::function<void()> notify);

    std::uint32_t OpenWindowMask() const override { return 0; }
    void OpenMailNotificationWindow() override;
    void RefreshMailNotificationWindow() override;
    void SetRunCommandsEnabled(CommandState) override {}
    void SetMailCheckCommand(CommandState, const QString&) override {}
    QuitState CurrentQuitState() const override { return quitState_; }
    void SetQuitState(QuitState state) override { quitState_ = state; }
    void ShowMessage(const QString& caption, const QString& text) override;

private:
    UserPrompt& prompt_;
    std::function<void()> notify_;
    QuitState quitState_ = QuitState::Running;
};
