// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/net_error.h"

// An operation ended by Cancel or by the time-out, or a connection that could not be made.
class EAbortError : public ENetError {
public:
    explicit EAbortError(const QString& text);
};
