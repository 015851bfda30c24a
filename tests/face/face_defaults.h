#pragma once

#include "settings/clock_settings.h"

// The clock settings of a first start, as the settings store writes them.
ClockSettings DefaultFaceSettings();
