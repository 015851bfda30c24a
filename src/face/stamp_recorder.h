// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "face/pixel_stamp.h"
#include "platform/canvas.h"

#include <QImage>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>

class QImageCanvas;

// Records a run of face drawing as a PixelStamp: the run is drawn on a black and on a white
// picture of the face's size and density, kept between recordings, and the device pixels it
// may have touched are read and then cleared again.
class StampRecorder {
public:
    StampRecorder();
    ~StampRecorder();
    StampRecorder(const StampRecorder&) = delete;
    StampRecorder& operator=(const StampRecorder&) = delete;

    // The device size and pixel ratio of the face the runs are drawn on.
    void Resize(QSize deviceSize, qreal devicePixelRatio = 1);
    QSize Size() const { return overBlack_.size(); }

    // Draws the run and returns its stamp, or nothing when the run blends (text, pictures
    // with transparency), which a stamp cannot replay. The run starts with the pen, brush
    // and mix mode of a new canvas and must set whatever else it relies on.
    std::optional<PixelStamp> Record(const std::function<void(Canvas&)>& run);

private:
    enum class Pictures { BlackOnly, Both };
    void Clear(const QRect& area, Pictures pictures);

    QImage overBlack_;
    QImage overWhite_;
    std::unique_ptr<QImageCanvas> blackCanvas_;
    std::unique_ptr<QImageCanvas> whiteCanvas_;
};
