// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The background picture loader on JPEG and Windows bitmap bytes: a picture is either
// decoded within the size limits or rejected with a reason, never a crash or a huge
// allocation.
#include "face/jpeg_decoder.h"
#include "face/picture_loader.h"
#include "fuzz_application.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

void Check(const DecodedPicture& picture) {
    if (!picture.Ok()) {
        if (picture.reason.isEmpty()) {
            std::fprintf(stderr, "rejected without a reason\n");
            std::abort();
        }
        return;
    }
    const QSize size = picture.image.size();
    if (picture.image.format() != QImage::Format_RGB888 || size.width() > MaxPictureSide ||
        size.height() > MaxPictureSide || qint64(size.width()) * size.height() > MaxPicturePixels) {
        std::fprintf(stderr, "decoded picture outside the limits\n");
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApplication::Ensure();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (bytes.startsWith("BM")) {
        // Bitmaps are read from a file, as the clock reads them.
        static const QString path =
            QDir::tempPath() + QStringLiteral("/zorbel-fuzz-%1.bmp").arg(getpid());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        file.write(bytes);
        file.close();
        Check(PictureLoader::Load(path));
    } else {
        Check(JpegDecoder::Decode(bytes));
    }
    return 0;
}
