// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "face/face_renderer.h"
#include "face/icon_bar.h"
#include "settings/clock_settings.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// Composes the display dialog's preview from the dialog's working copy with the clock
// face's own renderer, at the clock window's stored client size, without placement marks
// and without the window rim. It keeps its own decoded picture, read again only when the
// copy names another picture.
class FacePreview {
public:
    explicit FacePreview(QString dataFolder = QString());

    // The copy is left untouched: a picture that fails to load shows the background colour
    // here but does not switch the copy to no-picture mode. The face is drawn at the device
    // pixel ratio of the screen the preview shows on.
    const QImage& Compose(const ClockSettings& copy, const ClockTime& time,
                          const IconBarSources& sources, qreal devicePixelRatio = 1);

    // Where the preview image lies in its square box of `boxSide` pixels: the clock's
    // aspect ratio, centred, the longer side filling the box.
    static QRect PreviewArea(QSize clientSize, int boxSide);

private:
    FaceRenderer renderer_;
    QString loadedPicture_;
};
