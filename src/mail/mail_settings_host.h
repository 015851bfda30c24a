// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/command_state.h"

// What the mail settings dialog asks of the clock window once it has written its changes
// back: the account icons, the check command and the interval start again from them.
class MailSettingsHost {
public:
    virtual ~MailSettingsHost() = default;
    // Clears the account images and runs LoadAccountIcons again.
    virtual void ReloadAccountIcons() = 0;
    virtual void SetMailCheckEnabled(CommandState state) = 0;
    // MailTickCount := 0, so the next periodic run comes a full interval later.
    virtual void ResetMailTickCount() = 0;
    // The IDLE watches start again from the accounts as they are now.
    virtual void RestartMailWatches() = 0;
};
