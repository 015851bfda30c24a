// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/registry_key.h"

// An open key of the Windows registry; the handle is an HKEY, closed with the object.
class WindowsRegistryKey : public RegistryKey {
public:
    explicit WindowsRegistryKey(void* handle);
    ~WindowsRegistryKey() override;
    WindowsRegistryKey(const WindowsRegistryKey&) = delete;
    WindowsRegistryKey& operator=(const WindowsRegistryKey&) = delete;

    std::optional<std::int32_t> ReadInteger(const QString& name) const override;
    std::optional<QString> ReadText(const QString& name) const override;
    bool WriteInteger(const QString& name, std::int32_t value) override;
    bool WriteText(const QString& name, const QString& value) override;

private:
    void* handle_;
};
