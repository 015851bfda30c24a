#pragma once

#include "core/clock_time.h"
#include "face/face_renderer.h"
#include "settings/clock_settings.h"
#include "settings/mail_account.h"

#include <QSize>
#include <cstdint>
#include <optional>

// Decides whether the tick's face would differ from the last one composed, so a clock left
// running does not compose and copy the same picture four times a second. Everything the
// picture depends on is compared: the second shown, every setting, the client size, the
// placement state and what the icon bar shows; while a mail check or a correction runs the
// activity mark moves on every tick, and blinking counts change once a second.
class FaceRedrawPolicy {
public:
    bool NeedsCompose(const ClockSettings& settings, const ClockTime& time,
                      const FaceInputs& inputs) const;
    // What the face was composed from, after Compose has run (it writes some settings back).
    void Remember(const ClockSettings& settings, const ClockTime& time, const FaceInputs& inputs);
    // The next tick composes whatever happened in between (a draw outside the tick).
    void Forget() { last_.reset(); }

private:
    struct Frame {
        ClockSettings settings;
        ClockTime time;
        QSize clientSize;
        PlacementMode placementMode = PlacementNone;
        bool mailCheckRunning = false;
        bool manualCorrectionRunning = false;
        bool correctionError = false;
        bool hasScheduleToday = false;
        int accountListCount = 0;
        AccountTable accounts;
        qsizetype accountImageCount = 0;
    };
    static Frame Capture(const ClockSettings& settings, const ClockTime& time,
                         const FaceInputs& inputs);
    static bool HasBlinkingCount(const FaceInputs& inputs);

    std::optional<Frame> last_;
    std::uint32_t lastMailTickCount_ = 0;
};
