// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_bytes.h"

QByteArray WithJpegSize(QByteArray jpeg, int width, int height) {
    qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0) {
        sof = jpeg.indexOf(QByteArray("\xFF\xC2", 2));
    }
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

namespace {

void AppendSegment(QByteArray& jpeg, quint8 marker, const QByteArray& body) {
    const int length = int(body.size()) + 2;
    jpeg.append(char(0xFF)).append(char(marker));
    jpeg.append(char(length >> 8)).append(char(length & 0xFF)).append(body);
}

// A scan of the one block: the code "0" (a zero DC difference, or an end of band), padded
// with ones.
void AppendScan(QByteArray& jpeg, int first, int last, int high, int low) {
    AppendSegment(jpeg, 0xDA,
                  QByteArray::fromRawData("\x01\x01\x00", 3) + char(first) + char(last) +
                      char((high << 4) | low));
    jpeg.append(char(0x7F));
}

} // namespace

QByteArray ProgressiveJpegInScans(int scans) {
    QByteArray jpeg("\xFF\xD8", 2);
    AppendSegment(jpeg, 0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));
    AppendSegment(jpeg, 0xC2, QByteArray::fromRawData("\x08\x00\x08\x00\x08\x01\x01\x11\x00", 9));
    // One Huffman code of one bit, "0", for symbol 0, in the DC and the AC table.
    QByteArray table(17, '\0');
    table[1] = 1;
    table.append('\0');
    AppendSegment(jpeg, 0xC4, table);
    table[0] = 0x10;
    AppendSegment(jpeg, 0xC4, table);

    AppendScan(jpeg, 0, 0, 0, 0);
    int written = 1;
    constexpr int FirstBit = 13; // the deepest successive approximation of an AC coefficient
    for (int k = 1; k < 64 && written < scans; ++k) {
        AppendScan(jpeg, k, k, 0, FirstBit);
        ++written;
        for (int bit = FirstBit - 1; bit >= 0 && written < scans; --bit) {
            AppendScan(jpeg, k, k, bit + 1, bit);
            ++written;
        }
    }
    jpeg.append("\xFF\xD9", 2);
    return jpeg;
}
