#pragma once

#include <QString>

// Byte lengths as the Japanese Windows code page counts them: ASCII and half-width katakana
// take one byte, every other character two. Limits on user text are given in these bytes.
int Cp932ByteCount(const QString& text);

// How many UTF-16 units from the start of `text` fit into `availableBytes`, never splitting
// a surrogate pair.
int Cp932FittingLength(const QString& text, int availableBytes);
