// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "face/face_renderer.h"
#include "settings/clock_settings.h"

#include <QImage>

// One picture of the face for `--render`: the size rules applied to the client size, the
// first draw (background colour only) done and discarded, then the face as the following
// tick shows it, with the picture. Settings change as a real draw changes them (NoImage on a
// picture that fails to load, the icon bar measures).
QImage RenderFaceSnapshot(ClockSettings& settings, const ClockTime& time, const FaceInputs& in,
                          const QString& dataFolder);
