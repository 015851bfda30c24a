// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/windows_registry.h"
#include "platform/windows_registry_key.h"

#include <QStringList>
#include <windows.h>

namespace {

std::wstring KeyPath(const QString& path) {
    QString full = QStringLiteral("software\\Ondrel\\zrbl");
    const QString relative =
        path.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
    if (!relative.isEmpty()) {
        full += QLatin1Char('\\') + relative;
    }
    return full.toStdWString();
}

} // namespace

std::unique_ptr<RegistryKey> WindowsRegistry::OpenKey(const QString& path, OpenMode mode) {
    const std::wstring name = KeyPath(path);
    HKEY key = nullptr;
    const LONG status =
        mode == OpenMode::CreateIfMissing
            ? RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
            : RegOpenKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (status != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<WindowsRegistryKey>(key);
}

bool WindowsRegistry::DeleteKey(const QString& path) {
    const std::wstring name = KeyPath(path);
    const LONG status = RegDeleteTreeW(HKEY_CURRENT_USER, name.c_str());
    if (status != ERROR_SUCCESS) {
        return status == ERROR_FILE_NOT_FOUND;
    }
    // Depending on the version RegDeleteTreeW may leave the emptied key itself behind.
    const LONG removed = RegDeleteKeyW(HKEY_CURRENT_USER, name.c_str());
    return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
}
