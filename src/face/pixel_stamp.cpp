// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/pixel_stamp.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr QRgb Black = 0xFF000000u;
constexpr QRgb White = 0xFFFFFFFFu;
// Unchanged pixels shorter than this between two changed ones join the run around them,
// which costs less than starting a new run.
constexpr int JoinedGap = 8;

constexpr quint64 TwoBlack = 0xFF000000FF000000ull;
constexpr quint64 TwoWhite = 0xFFFFFFFFFFFFFFFFull;

// The first pixel from x on (up to `last`) that the run changed, or last + 1: two pixels a
// step, since most of a run's box is untouched.
int SkipUnchanged(const QRgb* black, const QRgb* white, int x, int last) {
    quint64 blackPair = 0;
    quint64 whitePair = TwoWhite;
    while (x + 1 <= last) {
        std::memcpy(&blackPair, black + x, sizeof blackPair);
        if (white != nullptr) {
            std::memcpy(&whitePair, white + x, sizeof whitePair);
        }
        if (blackPair != TwoBlack || whitePair != TwoWhite) {
            break;
        }
        x += 2;
    }
    while (x <= last && black[x] == Black && (white == nullptr || white[x] == White)) {
        ++x;
    }
    return x;
}

} // namespace

PixelStamp PixelStamp::ReadRuns(const QImage& overBlack, const QImage* overWhite,
                                const QRect& area) {
    PixelStamp stamp;
    const QRect rows = area & overBlack.rect();
    int left = rows.right() + 1;
    int right = rows.left() - 1;
    int top = -1;
    int bottom = -1;
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        const auto* black = reinterpret_cast<const QRgb*>(overBlack.constScanLine(y));
        const auto* white = overWhite != nullptr
                                ? reinterpret_cast<const QRgb*>(overWhite->constScanLine(y))
                                : nullptr;
        const auto changed = [black, white](int x) {
            return black[x] != Black || (white != nullptr && white[x] != White);
        };
        int x = rows.left();
        while (x <= rows.right()) {
            x = SkipUnchanged(black, white, x, rows.right());
            if (x > rows.right()) {
                break;
            }
            const int start = x;
            int end = x; // last changed pixel of the run
            for (int next = x + 1; next <= rows.right() && next <= end + JoinedGap; ++next) {
                if (changed(next)) {
                    end = next;
                }
            }
            stamp.runs_.push_back(Run{y, start, end - start + 1, int(stamp.set_.size())});
            for (int i = start; i <= end; ++i) {
                // An unchanged pixel inside the run keeps all of its bits, alpha included.
                const bool pixelChanged = changed(i);
                if (white != nullptr) {
                    stamp.keep_.push_back(pixelChanged ? white[i] : White);
                }
                stamp.set_.push_back(pixelChanged ? black[i] : 0);
            }
            left = std::min(left, start);
            right = std::max(right, end);
            if (top < 0) {
                top = y;
            }
            bottom = y;
            x = end + 1;
        }
    }
    if (top >= 0) {
        stamp.area_ = QRect(QPoint(left, top), QPoint(right, bottom));
    }
    return stamp;
}

PixelStamp PixelStamp::Read(const QImage& overBlack, const QImage& overWhite, const QRect& area) {
    return ReadRuns(overBlack, &overWhite, area & overWhite.rect());
}

PixelStamp PixelStamp::ReadOred(const QImage& overBlack, const QRect& area) {
    return ReadRuns(overBlack, nullptr, area);
}

void PixelStamp::ApplyTo(QImage& image, const QRect& clip) const {
    const QRect within = clip & area_ & image.rect();
    if (within.isEmpty()) {
        return;
    }
    uchar* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const auto first = std::lower_bound(runs_.begin(), runs_.end(), within.top(),
                                        [](const Run& run, int y) { return run.y < y; });
    for (auto run = first; run != runs_.end() && run->y <= within.bottom(); ++run) {
        const int from = std::max(run->x, within.left());
        const int to = std::min(run->x + run->length - 1, within.right());
        if (from > to) {
            continue;
        }
        auto* row = reinterpret_cast<QRgb*>(bits + run->y * bytesPerLine);
        const QRgb* set = set_.data() + run->offset + (from - run->x);
        if (keep_.empty()) {
            for (int x = from; x <= to; ++x) {
                row[x] |= *set++;
            }
            continue;
        }
        const QRgb* keep = keep_.data() + run->offset + (from - run->x);
        for (int x = from; x <= to; ++x) {
            row[x] = (row[x] & *keep++) | *set++;
        }
    }
}
