// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "face/face_renderer.h"
#include "face/icon_bar.h"
#include "settings/clock_settings.h"

#include <QSize>
#include <cstdint>
#include <optional>

// Decides whether the tick's face would differ from the last one composed, so a clock left
// running does not compose and copy the same picture four times a second. Everything the
// picture depends on is compared: the second shown, every setting, the client size and
// pixel density, the placement state and what the icon bar shows; while a mail check or a
// correction runs the activity mark moves on every tick, and blinking counts change once a
// second.
class FaceRedrawPolicy {
public:
    bool NeedsCompose(const ClockSettings& settings, const ClockTime& time,
                      const FaceInputs& inputs) const;
    // What the face was composed from, after Compose has run (it writes some settings back).
    void Remember(const ClockSettings& settings, const ClockTime& time, const FaceInputs& inputs);
    // The next tick composes whatever happened in between (a draw outside the tick).
    void Forget() { last_.reset(); }

private:
    // What changes from draw to draw, the second first: it is what usually differs.
    struct Moment {
        ClockTime time; // without the milliseconds
        QSize clientSize;
        qreal devicePixelRatio = 1;
        PlacementMode placementMode = PlacementNone;
        IconBarSnapshot iconBar;

        bool operator==(const Moment&) const = default;
    };
    // Everything one face is drawn from, to the second. The settings are compared where they
    // lie, not copied on every tick only to be compared.
    struct Frame {
        Moment moment;
        ClockSettings settings;
    };
    static Moment MomentOf(const ClockTime& time, const FaceInputs& inputs);
    static bool HasBlinkingCount(const FaceInputs& inputs);

    std::optional<Frame> last_;
    std::uint32_t lastMailTickCount_ = 0;
};
