// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether a menu command can be chosen. The mail check, the clock correction and the
// display dialog all switch the clock window's commands with it.
enum class CommandState { Disabled, Enabled };

constexpr bool IsEnabled(CommandState state) {
    return state == CommandState::Enabled;
}
