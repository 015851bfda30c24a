#pragma once

// Whether a menu command can be chosen. The mail check, the clock correction and the
// display dialog all switch the clock window's commands with it.
enum class CommandState { Disabled, Enabled };

constexpr bool IsEnabled(CommandState state) {
    return state == CommandState::Enabled;
}
