// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/command_state.h"

#include <QString>
#include <cstdint>

// How far the program's exit has come. The mail check run moves it from ExitChosen to
// MailStopped once it has let go of the POP3 connection; the window exits after that.
enum class QuitState { Running = 0, ExitChosen = 1, MailStopped = 3 };

// What the mail check run needs from the clock window.
class MailRunHost {
public:
    virtual ~MailRunHost() = default;

    virtual std::uint32_t OpenWindowMask() const = 0;
    // Opens the notification window through the secondary-window protocol, modally; returns
    // when it has closed.
    virtual void OpenMailNotificationWindow() = 0;
    // Fills the open notification window again and gives it the focus.
    virtual void RefreshMailNotificationWindow() = 0;
    // Menu_MailCheck, PP_DayTimeCheck, PP_DayTime and PP_Option together.
    virtual void SetRunCommandsEnabled(CommandState state) = 0;
    // Menu_MailCheck alone, with its caption.
    virtual void SetMailCheckCommand(CommandState state, const QString& caption) = 0;
    virtual QuitState CurrentQuitState() const = 0;
    virtual void SetQuitState(QuitState state) = 0;
    // A message box with an OK button.
    virtual void ShowMessage(const QString& caption, const QString& text) = 0;
};
