// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QtGlobal>

// Pictures whose headers lie about their size, made from good encodings.

// Rewrites the frame size of the first SOF0 marker, or else of the first SOF2 marker.
QByteArray WithJpegSize(QByteArray jpeg, int width, int height);
// Rewrites the width and height of a BMP's information header.
QByteArray WithBitmapSize(QByteArray bitmap, qint32 width, qint32 height);

// A valid progressive 8 × 8 grey JPEG in `scans` scans (at most 883): the first carries the
// DC coefficient, each of the others one bit of one AC coefficient, all of them zero.
QByteArray ProgressiveJpegInScans(int scans);
