#include "settings/settings_records.h"
