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
// and pictures over the size limits are rejected with a reason instead of ending the process.
class JpegDecoder {
public:
    static DecodedPicture Decode(const QByteArray& data);
    static DecodedPicture DecodeFile(const QString& path);
};
