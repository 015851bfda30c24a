// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/registry_backend.h"

// The settings registry in the real registry of the current user, under
// HKEY_CURRENT_USER\software\Ondrel\zrbl. Built only on Windows.
class WindowsRegistry : public RegistryBackend {
public:
    std::unique_ptr<RegistryKey> OpenKey(const QString& path, OpenMode mode) override;
    bool DeleteKey(const QString& path) override;
    // The registry writes through by itself; nothing is held back.
    SaveResult Flush() override { return SaveResult::Saved(); }
};
