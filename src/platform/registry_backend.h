// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/registry_key.h"
#include "platform/save_result.h"

#include <QString>
#include <memory>

// What the settings store needs of the registry. Key paths are relative to the program's
// root key "\software\Ondrel\zrbl" of the current user: "" is the root key itself,
// "Alarm00" one of its subkeys. Key and value names compare case-insensitively.
class RegistryBackend {
public:
    enum class OpenMode { ExistingOnly, CreateIfMissing };

    virtual ~RegistryBackend() = default;

    // Null when the key does not exist (ExistingOnly) or cannot be opened or created.
    virtual std::unique_ptr<RegistryKey> OpenKey(const QString& path, OpenMode mode) = 0;
    // Removes the key with all its values and subkeys; true when it no longer exists.
    virtual bool DeleteKey(const QString& path) = 0;
    // Makes every change so far durable; when that fails the stored settings are as they were.
    virtual SaveResult Flush() = 0;
    // What went wrong reading the stored settings when the backend was made, in words for the
    // user; empty when nothing did.
    virtual QString LoadProblem() const { return QString(); }
};
