// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>
#include <Qt>

// The sizing frame the clock window draws around its client area. With the rectangle shape
// it is visible and resizes the window when dragged; the other shapes cut it off.
constexpr int FrameThickness = 4;
// How far from a corner a press on the frame still takes both edges of that corner.
constexpr int FrameCornerReach = 12;

// The edges a press at `local` (window coordinates) drags; none inside the client area.
Qt::Edges FrameEdgesAt(QPoint local, QSize outer);

// The outer geometry after dragging `edges` by `delta` from `start`, kept within the limits;
// the opposite edges stay where they were.
QRect ResizedFrameGeometry(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum,
                           QSize maximum);
