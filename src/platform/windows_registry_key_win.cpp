// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/windows_registry_key.h"

#include <vector>
#include <windows.h>

namespace {

HKEY Handle(void* handle) {
    return static_cast<HKEY>(handle);
}

std::wstring WideName(const QString& name) {
    return name.toStdWString();
}

} // namespace

WindowsRegistryKey::WindowsRegistryKey(void* handle) : handle_(handle) {}

WindowsRegistryKey::~WindowsRegistryKey() {
    RegCloseKey(Handle(handle_));
}

std::optional<std::int32_t> WindowsRegistryKey::ReadInteger(const QString& name) const {
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    const LONG status = RegQueryValueExW(Handle(handle_), WideName(name).c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(&data), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(data)) {
        return std::nullopt;
    }
    return std::int32_t(data);
}

std::optional<QString> WindowsRegistryKey::ReadText(const QString& name) const {
    const std::wstring wideName = WideName(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(Handle(handle_), wideName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    // The value may grow between the two calls; ask again with the larger size.
    std::vector<wchar_t> buffer;
    LONG status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
        buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = DWORD(buffer.size() * sizeof(wchar_t));
        status = RegQueryValueExW(Handle(handle_), wideName.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
    }
    if (status != ERROR_SUCCESS || type != REG_SZ) {
        return std::nullopt;
    }
    // The stored data need not end with a terminator; stop at the first one if it does.
    qsizetype length = qsizetype(size / sizeof(wchar_t));
    for (qsizetype i = 0; i < length; ++i) {
        if (buffer[i] == L'\0') {
            length = i;
            break;
        }
    }
    return QString::fromWCharArray(buffer.data(), length);
}

bool WindowsRegistryKey::WriteInteger(const QString& name, std::int32_t value) {
    const DWORD data = DWORD(value);
    return RegSetValueExW(Handle(handle_), WideName(name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&data), sizeof(data)) == ERROR_SUCCESS;
}

bool WindowsRegistryKey::WriteText(const QString& name, const QString& value) {
    const std::wstring data = value.toStdWString();
    const DWORD size = DWORD((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(Handle(handle_), WideName(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), size) == ERROR_SUCCESS;
}
