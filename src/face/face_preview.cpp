// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/face_preview.h"

#include "core/window_modes.h"
#include "face/clock_size_rules.h"

FacePreview::FacePreview(QString dataFolder) : renderer_(std::move(dataFolder)) {}

const QImage& FacePreview::Compose(const ClockSettings& copy, const ClockTime& time,
                                   const IconBarSources& sources, qreal devicePixelRatio) {
    // The preview shows the copy as a rectangle, which has no rim, with the clock sized to
    // the window; PlacementNone draws no marks. The draw's layout is not stored: the copy
    // stays as the user left it.
    ClockSettings scratch = copy;
    scratch.Form_Window_Type = StoredNumber(WindowShape::Rectangle);
    ApplyClockSizeRules(scratch, scratch.Width, scratch.Height);

    if (scratch.Image_File != loadedPicture_) {
        renderer_.InvalidatePicture();
        loadedPicture_ = scratch.Image_File;
    }
    FaceInputs inputs;
    inputs.clientSize = QSize(scratch.Width, scratch.Height);
    inputs.iconBar = sources;
    inputs.devicePixelRatio = devicePixelRatio;
    if (renderer_.IsFirstDraw()) {
        // The window's first draw shows only the background colour; the preview shows the
        // face at once.
        renderer_.Compose(scratch, time, inputs);
    }
    return renderer_.Compose(scratch, time, inputs);
}

QRect FacePreview::PreviewArea(QSize clientSize, int boxSide) {
    const int width = clientSize.width();
    const int height = clientSize.height();
    if (width <= 0 || height <= 0) {
        return QRect(0, 0, boxSide, boxSide);
    }
    const int half = boxSide / 2;
    if (height < width) {
        const int previewHeight = int(qint64(boxSide) * height / width);
        return QRect(0, half - previewHeight / 2, boxSide, previewHeight);
    }
    const int previewWidth = int(qint64(boxSide) * width / height);
    return QRect(half - previewWidth / 2, 0, previewWidth, boxSide);
}
