#include "esock_error.h"

ESockError::ESockError(const QString& text) : ENetError(text) {}
