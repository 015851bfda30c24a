// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// How a line break ("\n") counts: as the one byte of its own, or as the two of the CR LF
// pair that a Windows edit control holds for it.
enum class LineBreakBytes { One, Two };

// Byte lengths as the Japanese Windows code page counts them: ASCII and half-width katakana
// take one byte, every other character two. Limits on user text are given in these bytes.
int Cp932ByteCount(const QString& text, LineBreakBytes lineBreaks = LineBreakBytes::One);

// How many UTF-16 units from the start of `text` fit into `availableBytes`, never splitting
// a surrogate pair.
int Cp932FittingLength(const QString& text, int availableBytes,
                       LineBreakBytes lineBreaks = LineBreakBytes::One);
