#include "eabort_error.h"

EAbortError::EAbortError(const QString& text) : ENetError(text) {}
