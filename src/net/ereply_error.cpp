#include "net/ereply_error.h"

EReplyError::EReplyError(const QString& text) : ENetError(text) {}
