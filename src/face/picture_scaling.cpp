// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/picture_scaling.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The first source index of each target index, and one past the last at the end.
std::vector<int> SourceStarts(int sourceLength, int targetLength) {
    std::vector<int> starts(std::size_t(targetLength) + 1);
    for (int i = 0; i <= targetLength; ++i) {
        starts[std::size_t(i)] = int(std::int64_t(i) * sourceLength / targetLength);
    }
    return starts;
}

QImage ShrinkByAreaAverage(const QImage& picture, QSize target) {
    const int width = target.width();
    const std::vector<int> columns = SourceStarts(picture.width(), width);
    const std::vector<int> rows = SourceStarts(picture.height(), target.height());
    QImage shrunk(target, QImage::Format_RGB32);
    // 64-bit sums: one target pixel may cover up to 268 million source pixels.
    std::vector<std::uint64_t> sums(std::size_t(width) * 3);
    for (int y = 0; y < target.height(); ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        const int firstRow = rows[std::size_t(y)];
        const int endRow = std::max(firstRow + 1, rows[std::size_t(y) + 1]);
        for (int sourceY = firstRow; sourceY < endRow; ++sourceY) {
            const uchar* row = picture.constScanLine(sourceY);
            for (int x = 0; x < width; ++x) {
                const int first = columns[std::size_t(x)];
                const int end = std::max(first + 1, columns[std::size_t(x) + 1]);
                std::uint64_t red = 0;
                std::uint64_t green = 0;
                std::uint64_t blue = 0;
                for (const uchar* pixel = row + 3 * first; pixel < row + 3 * end; pixel += 3) {
                    red += pixel[0];
                    green += pixel[1];
                    blue += pixel[2];
                }
                sums[3 * std::size_t(x)] += red;
                sums[3 * std::size_t(x) + 1] += green;
                sums[3 * std::size_t(x) + 2] += blue;
            }
        }
        auto* out = reinterpret_cast<QRgb*>(shrunk.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int first = columns[std::size_t(x)];
            const std::uint64_t count =
                std::uint64_t(endRow - firstRow) *
                std::uint64_t(std::max(first + 1, columns[std::size_t(x) + 1]) - first);
            out[x] = qRgb(int(sums[3 * std::size_t(x)] / count),
                          int(sums[3 * std::size_t(x) + 1] / count),
                          int(sums[3 * std::size_t(x) + 2] / count));
        }
    }
    return shrunk;
}

} // namespace

QImage StretchPicture(const QImage& picture, QSize target) {
    if (picture.isNull() || target.isEmpty()) {
        return QImage();
    }
    const bool shrinks = target.width() <= picture.width() && target.height() <= picture.height();
    if (shrinks && picture.format() == QImage::Format_RGB888) {
        return ShrinkByAreaAverage(picture, target);
    }
    return picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}
