// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The nine built-in 32 × 32 images of the icon bar, from the program's resources, each also
// drawn at 64 × 64 for dense screens.
enum DefaultIconIndex : int {
    ActivityFrame0 = 0,
    ActivityFrame1 = 1,
    ActivityFrame2 = 2,
    StatusIcon = 3,
    ScheduleIcon = 4,
    DefaultMailIcon = 5,
    CorrectionMark = 6,
    MailCheckMark = 7,
    ErrorMark = 8,
};

constexpr int DefaultIconCount = 9;

// Image 0..8 of the DefaultIconList; a null image for any other index.
const QImage& BuiltInIcon(int index);
// The same image with the most detail a face of this device pixel ratio can show.
const QImage& BuiltInIcon(int index, qreal devicePixelRatio);

// Registers the images under :/images/; the functions below call it themselves.
void InitFaceResources();

// Resource paths of the program icon and the about-box logo (242 × 193, and twice that at
// density 2).
QString ProgramIconPath();
QString AboutLogoPath(int density = 1);
