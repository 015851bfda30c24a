#include "net_error.h"

ENetError::ENetError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
