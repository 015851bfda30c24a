// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/ereply_error.h"

EReplyError::EReplyError(const QString& text) : ENetError(text) {}
