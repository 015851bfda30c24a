// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/window_bits.h"
#include "settings/clock_settings.h"

#include <QPoint>
#include <QSize>
#include <functional>

// What the placement needs to know about the window at the moment of one event.
struct PlacementGeometry {
    QPoint cursor;        // the cursor on the screen
    QPoint windowTopLeft; // the window's outer top-left corner (Left, Top)
    int frame = 0;        // (outer width - client width) div 2, the same on every side
    QSize clientSize;
    QSize timeSize; // the digital time as last drawn (FaceLayout::timeSize)
    QSize dateSize; // the date as last drawn (FaceLayout::dateSize)
};

// What the window has to do after an event, in this order: change the tick, redraw the
// face, then move the cursor. The cursor target is asked for after the redraw because a
// size change alters the measured block the cursor is centred on.
struct PlacementEffects {
    enum class Tick { Keep, Stop, Restart };
    enum class Cursor { Stay, ToPartCentre };

    Tick tick = Tick::Keep;
    bool redraw = false;
    Cursor cursor = Cursor::Stay;

    bool operator==(const PlacementEffects&) const = default;
};

// Placing the analog clock, the digital time, the date and the icon bar with the mouse, the
// wheel and the Up and Down keys. A double-click on a part starts its placement with the
// tick stopped; the next double-click or the program losing activation ends it.
class PlacementController {
public:
    enum class SizeStep { Larger, Smaller };

    // `handlingEnabled` tells whether the window has finished starting up; before that every
    // event is ignored.
    PlacementController(ClockSettings& settings, std::function<bool()> handlingEnabled);

    PlacementMode Mode() const { return mode_; }

    // Starts placing the part under the cursor, or ends the placement that is on.
    PlacementEffects DoubleClick(const PlacementGeometry& geometry);
    // Ends the placement that is on exactly as a double-click does.
    PlacementEffects Deactivated(const PlacementGeometry& geometry);
    // The part follows the cursor.
    PlacementEffects MouseMove(const PlacementGeometry& geometry);
    // Wheel up and the Up key make the part larger, wheel down and the Down key smaller.
    PlacementEffects ChangeSize(SizeStep step, const PlacementGeometry& geometry);
    // Up and Down (Qt::Key values) change the size; other keys do nothing.
    PlacementEffects KeyDown(int key, const PlacementGeometry& geometry);

    // Where the cursor goes for the part being placed: the clock centre, or the centre of the
    // time, date or icon bar box, on the screen.
    QPoint PartCentreOnScreen(const PlacementGeometry& geometry) const;

private:
    PlacementMode HitTest(const PlacementGeometry& geometry) const;
    PlacementEffects Begin(PlacementMode mode);
    PlacementEffects End(const PlacementGeometry& geometry);
    // A part's box in client coordinates; both edges belong to it.
    struct Box {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };
    Box PartBox(PlacementMode mode, const PlacementGeometry& geometry) const;
    void MovePartTo(PlacementMode mode, QPoint topLeft);
    bool ChangeHandLength(SizeStep step, QSize clientSize);
    bool ChangeDigitSize(SizeStep step, int& size, AttribBit fontBit);

    ClockSettings& settings_;
    std::function<bool()> handlingEnabled_;
    PlacementMode mode_ = PlacementNone;
};
