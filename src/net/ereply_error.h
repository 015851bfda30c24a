#pragma once

#include "net/net_error.h"

// A reply that arrived but cannot be used: malformed, or the server refuses to give its time.
class EReplyError : public ENetError {
public:
    explicit EReplyError(const QString& text);
};
