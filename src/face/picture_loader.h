// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "face/jpeg_decoder.h"

#include <QString>

// Loads a background picture, choosing the decoder by the file name's extension
// (case-insensitive): .jpg and .jpeg through libjpeg, .bmp through Qt's bitmap reader.
// Anything else, and pictures over the size limits, are rejected.
class PictureLoader {
public:
    static DecodedPicture Load(const QString& path);
};
