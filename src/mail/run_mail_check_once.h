// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"
#include "settings/mail_account.h"

#include <QStringList>

class DialUpMonitor;
class MailPasswords;
class SoundPlayer;
class TPop3Client;
class UserPrompt;

// What one headless check found: the notification window's lines, and whether a checked
// account ended with an error code.
struct MailCheckReport {
    QStringList lines;
    bool anyError = false;
};

// Runs one forced check over the accounts as the menu command would, on the running event
// loop with a 250 ms timer driving the run, and returns when the run has ended and its
// notification has been collected. The records are changed as a run changes them; nothing
// is saved.
MailCheckReport RunMailCheckOnce(AccountTable& accounts, ClockSettings& settings, TPop3Client& pop3,
                                 MailPasswords& passwords, DialUpMonitor& dialUp,
                                 SoundPlayer& sound, UserPrompt& prompt);
