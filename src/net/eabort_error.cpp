// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "eabort_error.h"

EAbortError::EAbortError(const QString& text) : ENetError(text) {}
