// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Earlier Windows editions left an uninstall entry under HKEY_LOCAL_MACHINE that the program
// removes at start. Elsewhere there is nothing to remove.
void RemoveLegacyUninstallEntry();
