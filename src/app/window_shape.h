#pragma once

#include <QRegion>
#include <QSize>
#include <optional>

// The area of the clock window that is visible and takes the mouse, in window coordinates:
// 0 the whole window with its frame, 1 an ellipse inside the frame, 2 a rectangle with
// rounded corners (corner ellipse roundSize × 10) inside the frame. No region for any other
// type, which leaves the window as it is.
std::optional<QRegion> WindowShapeRegion(int type, QSize outerSize, int frame, int roundSize);
