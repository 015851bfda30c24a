// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/save_result.h"

// What a settings dialog calls after it has handed its changes to the clock window:
// writes every record back to the settings store.
class SettingsSaver {
public:
    virtual ~SettingsSaver() = default;
    virtual SaveResult SaveSettings() = 0;
};
