// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/placement_controller.h"

#include <QtCore/qnamespace.h>
#include <algorithm>
#include <cmath>

namespace {

constexpr int AnalogHitHalfSide = 30;
constexpr int HandStep = 5;
constexpr int LargestDigitSize = 100;
constexpr int SmallestDigitSize = -10;

bool Between(int low, int value, int high) {
    return low <= value && value <= high;
}

// The cursor relative to the window's outer top-left corner; the hit test measures from
// there, not from the client area.
QPoint OuterOffset(const PlacementGeometry& geometry) {
    return geometry.cursor - geometry.windowTopLeft;
}

// The cursor in client coordinates.
QPoint ClientPoint(const PlacementGeometry& geometry) {
    return OuterOffset(geometry) - QPoint(geometry.frame, geometry.frame);
}

void FollowLongHand(ClockSettings& settings) {
    settings.ShortLength = int(std::trunc(settings.LongLength * 0.8));
    settings.SecondLength = int(std::trunc(settings.LongLength * 0.95));
}

} // namespace

PlacementController::PlacementController(ClockSettings& settings,
                                         std::function<bool()> handlingEnabled)
    : settings_(settings), handlingEnabled_(std::move(handlingEnabled)) {}

PlacementController::Box PlacementController::PartBox(PlacementMode mode,
                                                      const PlacementGeometry& geometry) const {
    switch (mode) {
    case PlacementTime:
        return {settings_.Digi_x, settings_.Digi_y, geometry.timeSize.width(),
                geometry.timeSize.height()};
    case PlacementDate:
        return {settings_.Date_x, settings_.Date_y, geometry.dateSize.width(),
                geometry.dateSize.height()};
    case PlacementIconBar:
        return {settings_.IconBarX, settings_.IconBarY, settings_.IconBarWidth,
                settings_.IconHeight};
    case PlacementAnalog:
    case PlacementNone:
        break;
    }
    return {};
}

PlacementMode PlacementController::HitTest(const PlacementGeometry& geometry) const {
    const QPoint offset = OuterOffset(geometry);
    // A clock that both fills the window and sits in its centre has nothing to place.
    const bool analogFollowsWindow = settings_.Has(AnalogFixWin) && settings_.Has(AnalogCenter);
    if (!analogFollowsWindow &&
        Between(settings_.HandCenterX - AnalogHitHalfSide, offset.x(),
                settings_.HandCenterX + AnalogHitHalfSide) &&
        Between(settings_.HandCenterY - AnalogHitHalfSide, offset.y(),
                settings_.HandCenterY + AnalogHitHalfSide)) {
        return PlacementAnalog;
    }
    for (const PlacementMode mode : {PlacementTime, PlacementDate, PlacementIconBar}) {
        const Box box = PartBox(mode, geometry);
        // A block that has never been drawn has no size and cannot be hit.
        if (box.width < 0 || box.height < 0) {
            continue;
        }
        if (Between(box.x, offset.x(), box.x + box.width) &&
            Between(box.y, offset.y(), box.y + box.height)) {
            return mode;
        }
    }
    return PlacementNone;
}

QPoint PlacementController::PartCentreOnScreen(const PlacementGeometry& geometry) const {
    const QPoint clientOrigin = geometry.windowTopLeft + QPoint(geometry.frame, geometry.frame);
    if (mode_ == PlacementAnalog) {
        return clientOrigin + QPoint(settings_.HandCenterX, settings_.HandCenterY);
    }
    const Box box = PartBox(mode_, geometry);
    return clientOrigin + QPoint(box.x + box.width / 2, box.y + box.height / 2);
}

void PlacementController::MovePartTo(PlacementMode mode, QPoint topLeft) {
    switch (mode) {
    case PlacementTime:
        settings_.Digi_x = topLeft.x();
        settings_.Digi_y = topLeft.y();
        break;
    case PlacementDate:
        settings_.Date_x = topLeft.x();
        settings_.Date_y = topLeft.y();
        break;
    case PlacementIconBar:
        settings_.IconBarX = topLeft.x();
        settings_.IconBarY = topLeft.y();
        break;
    case PlacementAnalog:
    case PlacementNone:
        break;
    }
}

PlacementEffects PlacementController::Begin(PlacementMode mode) {
    mode_ = mode;
    return {PlacementEffects::Tick::Stop, true, PlacementEffects::Cursor::ToPartCentre};
}

PlacementEffects PlacementController::End(const PlacementGeometry& geometry) {
    // The clock centre stays where the mouse moves put it; a box is centred on the cursor.
    if (mode_ != PlacementAnalog) {
        const Box box = PartBox(mode_, geometry);
        MovePartTo(mode_, ClientPoint(geometry) - QPoint(box.width / 2, box.height / 2));
    }
    mode_ = PlacementNone;
    return {PlacementEffects::Tick::Restart, true, PlacementEffects::Cursor::Stay};
}

PlacementEffects PlacementController::DoubleClick(const PlacementGeometry& geometry) {
    if (!handlingEnabled_()) {
        return {};
    }
    if (mode_ != PlacementNone) {
        return End(geometry);
    }
    const PlacementMode hit = HitTest(geometry);
    return hit == PlacementNone ? PlacementEffects{} : Begin(hit);
}

PlacementEffects PlacementController::Deactivated(const PlacementGeometry& geometry) {
    if (mode_ == PlacementNone) {
        return {};
    }
    return End(geometry);
}

PlacementEffects PlacementController::MouseMove(const PlacementGeometry& geometry) {
    if (!handlingEnabled_() || mode_ == PlacementNone) {
        return {};
    }
    const QPoint client = ClientPoint(geometry);
    bool changed = false;
    if (mode_ == PlacementAnalog) {
        // A centred clock stays in the centre whatever the mouse does.
        if (!settings_.Has(AnalogCenter)) {
            changed = settings_.HandCenterX != client.x() || settings_.HandCenterY != client.y();
            settings_.HandCenterX = client.x();
            settings_.HandCenterY = client.y();
        }
    } else {
        const Box box = PartBox(mode_, geometry);
        const QPoint topLeft = client - QPoint(box.width / 2, box.height / 2);
        changed = topLeft != QPoint(box.x, box.y);
        MovePartTo(mode_, topLeft);
    }
    PlacementEffects effects;
    effects.redraw = changed;
    return effects;
}

bool PlacementController::ChangeHandLength(SizeStep step, QSize clientSize) {
    const int radius = std::min(clientSize.width() / 2, clientSize.height() / 2);
    if (step == SizeStep::Larger) {
        if (settings_.LongLength >= radius) {
            return false;
        }
        settings_.LongLength += HandStep;
    } else {
        // The lower limit is a tenth of the radius; in a very small window a step past it
        // would give the hands no length or a negative one, so it is not taken.
        if (settings_.LongLength <= 0.1 * radius || settings_.LongLength <= HandStep) {
            return false;
        }
        settings_.LongLength -= HandStep;
    }
    FollowLongHand(settings_);
    return true;
}

bool PlacementController::ChangeDigitSize(SizeStep step, int& size, AttribBit fontBit) {
    // Only segment digits scale; a block drawn with a font keeps the font's size.
    if (settings_.Has(fontBit)) {
        return false;
    }
    if (step == SizeStep::Larger && size < LargestDigitSize) {
        ++size;
        return true;
    }
    if (step == SizeStep::Smaller && size > SmallestDigitSize) {
        --size;
        return true;
    }
    return false;
}

PlacementEffects PlacementController::ChangeSize(SizeStep step, const PlacementGeometry& geometry) {
    if (!handlingEnabled_()) {
        return {};
    }
    PlacementEffects effects;
    switch (mode_) {
    case PlacementAnalog:
        if (!settings_.Has(AnalogFixWin)) {
            effects.redraw = ChangeHandLength(step, geometry.clientSize);
        }
        break;
    case PlacementTime:
    case PlacementDate: {
        const bool time = mode_ == PlacementTime;
        if (ChangeDigitSize(step, time ? settings_.Digi_Size : settings_.Date_Size,
                            time ? TimeFont : DateFont)) {
            effects.redraw = true;
            effects.cursor = PlacementEffects::Cursor::ToPartCentre;
        }
        break;
    }
    case PlacementIconBar:
    case PlacementNone:
        break;
    }
    return effects;
}

PlacementEffects PlacementController::KeyDown(int key, const PlacementGeometry& geometry) {
    switch (key) {
    case Qt::Key_Up:
        return ChangeSize(SizeStep::Larger, geometry);
    case Qt::Key_Down:
        return ChangeSize(SizeStep::Smaller, geometry);
    default:
        return {};
    }
}
