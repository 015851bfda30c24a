// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/settings_persistence.h"

#include <QString>
#include <memory>

class UserPrompt;

enum class SettingsAccess { ReadWrite, ReadOnly };

// The settings store on the platform's registry: on Linux the settings file `path`
// (the default file when empty), on Windows the registry of the current user. ReadOnly
// (for the commands that only report) reads with the defaults filled in but writes nothing.
std::unique_ptr<SettingsPersistence>
MakeStorePersistence(const QString& path, UserPrompt& prompt,
                     SettingsAccess access = SettingsAccess::ReadWrite);
