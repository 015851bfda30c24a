// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/picture_loader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstdlib>

namespace {

quint32 LittleEndian(const QByteArray& bytes, int offset, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | quint8(bytes[offset + i]);
    }
    return value;
}

// Qt's bitmap reader fills a truncated file's missing rows with garbage instead of failing,
// so the pixel data of an uncompressed bitmap is checked against the file size first. The
// header is taken as the reader takes it: the info headers of 40, 64, 108 and 124 bytes carry
// 32-bit sizes and a compression; a header of any other size is read as the old core header
// with 16-bit sizes and no compression, so a few garbage bytes cannot pass for a huge picture.
bool UncompressedBitmapIsComplete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = file.read(34);
    if (header.size() < 26) {
        return true; // too short for any header: the reader refuses it
    }
    const quint32 headerSize = LittleEndian(header, 14, 4);
    const bool infoHeader =
        headerSize == 40 || headerSize == 64 || headerSize == 108 || headerSize == 124;
    if (infoHeader && header.size() < 34) {
        return true;
    }
    const qint64 width =
        infoHeader ? qint32(LittleEndian(header, 18, 4)) : qint16(LittleEndian(header, 18, 2));
    const qint64 height = std::abs(infoHeader ? qint64(qint32(LittleEndian(header, 22, 4)))
                                              : qint64(qint16(LittleEndian(header, 20, 2))));
    const qint64 bitsPerPixel = LittleEndian(header, infoHeader ? 28 : 24, 2);
    const quint32 compression = infoHeader ? LittleEndian(header, 30, 4) : 0;
    const bool uncompressed = compression == 0 || compression == 3; // BI_RGB, BI_BITFIELDS
    if (!uncompressed || width <= 0 || bitsPerPixel == 0) {
        return true;
    }
    const qint64 rowBytes = ((width * bitsPerPixel + 31) / 32) * 4;
    const qint64 dataOffset = LittleEndian(header, 10, 4);
    return file.size() >= dataOffset + rowBytes * height;
}

DecodedPicture LoadBitmap(const QString& path) {
    QImageReader reader(path, "bmp");
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid()) {
        return {QImage(), QStringLiteral("not a bitmap")};
    }
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide ||
        qint64(size.width()) * size.height() > MaxPicturePixels) {
        return {QImage(), QStringLiteral("picture too large")};
    }
    if (!UncompressedBitmapIsComplete(path)) {
        return {QImage(), QStringLiteral("truncated bitmap")};
    }
    QImage image;
    if (!reader.read(&image)) {
        return {QImage(), reader.errorString()};
    }
    return {image.convertToFormat(QImage::Format_RGB888), QString()};
}

} // namespace

DecodedPicture PictureLoader::Load(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"jpg" || extension == u"jpeg") {
        return JpegDecoder::DecodeFile(path);
    }
    if (extension == u"bmp") {
        return LoadBitmap(path);
    }
    return {QImage(), QStringLiteral("unknown picture type")};
}
