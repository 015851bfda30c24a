#pragma once

#include "platform/canvas.h"

#include <QSize>

// The 3D rim along the ellipse (shape 1) and the rounded rectangle (shape 2): three
// outlines light the upper left, three shifted ones darken the lower right. Shape 0 and
// any other value draw nothing.
void DrawWindowEdge(Canvas& canvas, QSize clientSize, int windowType, int roundSize);
