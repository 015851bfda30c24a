#pragma once

#include "app/settings_persistence.h"

#include <QString>
#include <memory>

class UserPrompt;

// The settings store on the platform's registry: on Linux the settings file `path`
// (the default file when empty), on Windows the registry of the current user.
std::unique_ptr<SettingsPersistence> MakeStorePersistence(const QString& path, UserPrompt& prompt);
