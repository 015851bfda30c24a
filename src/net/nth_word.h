// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The n-th field (1-based) of text split at every single delimiter: two delimiters in a row
// enclose an empty field, and a field beyond the last (or n below 1) is empty.
QString NthWord(const QString& text, QChar delimiter, int n);
