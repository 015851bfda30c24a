// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/face_redraw_policy.h"

#include <algorithm>

FaceRedrawPolicy::Moment FaceRedrawPolicy::MomentOf(const ClockTime& time,
                                                    const FaceInputs& inputs) {
    ClockTime second = time;
    second.millisecond = 0;
    return Moment{second, inputs.clientSize, inputs.devicePixelRatio, inputs.placementMode,
                  IconBarSnapshot::Of(inputs.iconBar)};
}

bool FaceRedrawPolicy::HasBlinkingCount(const FaceInputs& inputs) {
    const IconBarSources& bar = inputs.iconBar;
    if (bar.accounts == nullptr) {
        return false;
    }
    const int count = std::clamp(bar.accountListCount, 0, AccountTable::Capacity);
    return std::any_of(bar.accounts->entries.begin(), bar.accounts->entries.begin() + count,
                       [](const MailAccount& account) {
                           return account.MessageCount > 0 && account.Has(BlinkCount);
                       });
}

bool FaceRedrawPolicy::NeedsCompose(const ClockSettings& settings, const ClockTime& time,
                                    const FaceInputs& inputs) const {
    if (!last_) {
        return true;
    }
    const IconBarSources& bar = inputs.iconBar;
    // The activity mark advances on every draw while a job runs.
    if (bar.mailCheckRunning || bar.manualCorrectionRunning) {
        return true;
    }
    if (IconBar::BlinkTurns(lastMailTickCount_, bar.mailTickCount) && HasBlinkingCount(inputs)) {
        return true;
    }
    return !(MomentOf(time, inputs) == last_->moment) || !(settings == last_->settings);
}

void FaceRedrawPolicy::Remember(const ClockSettings& settings, const ClockTime& time,
                                const FaceInputs& inputs) {
    last_ = Frame{MomentOf(time, inputs), settings};
    lastMailTickCount_ = inputs.iconBar.mailTickCount;
}
