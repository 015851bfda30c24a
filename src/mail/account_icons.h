// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/clock_settings.h"
#include "settings/mail_account.h"

#include <QImage>
#include <vector>

// The accounts' own icons, 32 × 32 each, indexed by MailAccount::ImageIndex. A configured
// account whose bitmap is missing or unreadable is switched to the built-in icon for good
// (DefaultIcon is saved with the next save).
std::vector<QImage> LoadAccountIcons(AccountTable& accounts, const ClockSettings& settings);
