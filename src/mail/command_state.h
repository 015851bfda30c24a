#pragma once

// Whether a menu command can be chosen.
enum class CommandState { Disabled, Enabled };
