// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <vector>

// What a run of drawing did to each pixel, kept so that the run can be replayed over any
// picture without drawing it again. It holds for runs that only replace pixels with opaque
// colours or OR colours into them (no blending): such a run takes every pixel x to
// (x & keep) | set, where set is what it leaves on black and keep what it leaves on white.
// Replaying is then a few operations for each pixel the run changed.
class PixelStamp {
public:
    // Reads the stamp of a run drawn once over black and once over white, both Format_RGB32,
    // that changed nothing outside `area`.
    static PixelStamp Read(const QImage& overBlack, const QImage& overWhite, const QRect& area);
    // The same for a run that only ORed colours in: then keep is all ones, and the black
    // copy tells everything.
    static PixelStamp ReadOred(const QImage& overBlack, const QRect& area);

    // The smallest rectangle holding every pixel the run changes; empty when it changes none.
    QRect Area() const { return area_; }
    // Replays the run on the pixels of a Format_RGB32 image that lie in `clip`.
    void ApplyTo(QImage& image, const QRect& clip) const;

private:
    // Pixels x .. x + length - 1 of row y; their values start at `offset` in keep_ and set_.
    struct Run {
        int y = 0;
        int x = 0;
        int length = 0;
        int offset = 0;
    };

    // Without a white copy the stamp is ORed.
    static PixelStamp ReadRuns(const QImage& overBlack, const QImage* overWhite, const QRect& area);

    std::vector<Run> runs_;
    std::vector<QRgb> keep_; // empty for an ORed stamp
    std::vector<QRgb> set_;
    QRect area_;
};
