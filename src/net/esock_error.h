#pragma once

#include "net/net_error.h"

// A socket or host lookup failure.
class ESockError : public ENetError {
public:
    explicit ESockError(const QString& text);
};
