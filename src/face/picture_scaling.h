// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>

// Stretches the decoded picture (24-bit RGB) to the client size as a 32-bit image. A picture
// larger than the window in both directions is shrunk by averaging the source pixels under
// each target pixel, read straight from the 24-bit rows: no full-size copy is made, so a
// 4000 x 3000 picture costs no more memory while it is stretched than while it is held.
// Anything else goes through Qt's smooth scaling, which copies the (then small) picture.
QImage StretchPicture(const QImage& picture, QSize target);
