#include "platform/legacy_cleanup.h"

void RemoveLegacyUninstallEntry() {}
