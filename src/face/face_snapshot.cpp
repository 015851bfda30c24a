// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/face_snapshot.h"

#include "face/clock_size_rules.h"

QImage RenderFaceSnapshot(ClockSettings& settings, const ClockTime& time, const FaceInputs& in,
                          const QString& dataFolder) {
    FaceRenderer renderer(dataFolder);
    ApplyClockSizeRules(settings, in.clientSize.width(), in.clientSize.height());
    renderer.Compose(settings, time, in);
    renderer.Layout().StoreIn(settings);
    QImage image = renderer.Compose(settings, time, in);
    renderer.Layout().StoreIn(settings);
    image.detach();
    return image;
}
