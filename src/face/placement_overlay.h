#pragma once

#include "core/window_bits.h"
#include "platform/canvas.h"
#include "settings/clock_settings.h"

#include <QSize>

// The marks and coordinates shown while a face part is placed with the mouse: a leader
// line with the clock centre, or a dashed frame with the position (and size) of the time,
// the date or the icon bar.
void DrawPlacementOverlay(Canvas& canvas, PlacementMode mode, const ClockSettings& settings,
                          QSize clientSize, QSize timeSize, QSize dateSize);
