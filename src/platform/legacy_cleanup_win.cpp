// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/legacy_cleanup.h"

#include <windows.h>

void RemoveLegacyUninstallEntry() {
    // Fails quietly without the right to change HKEY_LOCAL_MACHINE, as it should.
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                                      L"\xFF3A\xFF4F\xFF52\xFF42\xFF45\xFF4C");
}
