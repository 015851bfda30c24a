#pragma once

#include "mail/command_state.h"

#include <QString>
#include <cstdint>

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
    // 0 running, 1 exit chosen, 3 mail machinery stopped.
    virtual int QuitState() const = 0;
    virtual void SetQuitState(int state) = 0;
    // A message box with an OK button.
    virtual void ShowMessage(const QString& caption, const QString& text) = 0;
};
