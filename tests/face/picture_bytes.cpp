#include "picture_bytes.h"

QByteArray WithJpegSize(QByteArray jpeg, int width, int height) {
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

QByteArray WithBitmapSize(QByteArray bitmap, qint32 width, qint32 height) {
    for (int i = 0; i < 4; ++i) {
        bitmap[18 + i] = char((width >> (8 * i)) & 0xFF);
        bitmap[22 + i] = char((height >> (8 * i)) & 0xFF);
    }
    return bitmap;
}
