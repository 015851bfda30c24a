// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Limits that keep a hostile header from asking for a huge allocation.
constexpr int MaxPictureSide = 16384;
constexpr qint64 MaxPicturePixels = 100'000'000;

struct DecodedPicture {
    QImage image; // Format_RGB888; null when rejected
    QString reason;

    bool Ok() const { return !image.isNull(); }
};

// Decodes a whole JPEG with libjpeg at full scale, as RGB, with the accurate integer inverse
// DCT and smooth chroma upsampling. Damaged or truncated data (libjpeg's warnings included)
// and pictures over the limits are rejected with a reason instead of ending the process.
//
// Besides the picture's size the work is bounded: a file over MostFileBytes is not read, the
// decoder's own buffers (a progressive picture keeps all its coefficients) stay within
// MostDecoderMemory, and a picture in more than MostScans scans is refused, since every scan
// goes over the whole picture again on the clock's only thread.
class JpegDecoder {
public:
    static constexpr qint64 MostFileBytes = 64 * 1024 * 1024;
    static constexpr long MostDecoderMemory = 128L * 1024 * 1024;
    static constexpr int MostScans = 100;

    static DecodedPicture Decode(const QByteArray& data);
    static DecodedPicture DecodeFile(const QString& path);
};
