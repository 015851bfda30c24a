// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net_error.h"

ENetError::ENetError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
