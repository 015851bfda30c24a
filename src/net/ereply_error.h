// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/net_error.h"

// A reply that arrived but cannot be used: malformed, or the server refuses to give its time.
class EReplyError : public ENetError {
public:
    explicit EReplyError(const QString& text);
};
