#include "face/face_redraw_policy.h"

#include <algorithm>

namespace {

bool SameSecond(const ClockTime& a, const ClockTime& b) {
    return a.second == b.second && a.minute == b.minute && a.hour == b.hour && a.day == b.day &&
           a.month == b.month && a.year == b.year;
}

} // namespace

FaceRedrawPolicy::Frame FaceRedrawPolicy::Capture(const ClockSettings& settings,
                                                  const ClockTime& time, const FaceInputs& inputs) {
    Frame frame;
    frame.settings = settings;
    frame.time = time;
    frame.clientSize = inputs.clientSize;
    frame.placementMode = inputs.placementMode;
    const IconBarSources& bar = inputs.iconBar;
    frame.mailCheckRunning = bar.mailCheckRunning;
    frame.manualCorrectionRunning = bar.manualCorrectionRunning;
    frame.correctionError = bar.correctionError;
    frame.hasScheduleToday = bar.hasScheduleToday;
    frame.accountListCount = bar.accountListCount;
    if (bar.accounts != nullptr) {
        frame.accounts = *bar.accounts;
    }
    frame.accountImageCount =
        bar.accountImages != nullptr ? qsizetype(bar.accountImages->size()) : 0;
    return frame;
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
    const Frame& last = *last_;
    if (!SameSecond(last.time, time) || last.clientSize != inputs.clientSize ||
        last.placementMode != inputs.placementMode || last.correctionError != bar.correctionError ||
        last.hasScheduleToday != bar.hasScheduleToday ||
        last.mailCheckRunning != bar.mailCheckRunning ||
        last.manualCorrectionRunning != bar.manualCorrectionRunning ||
        last.accountListCount != bar.accountListCount) {
        return true;
    }
    const qsizetype images =
        bar.accountImages != nullptr ? qsizetype(bar.accountImages->size()) : 0;
    if (images != last.accountImageCount ||
        (bar.accounts != nullptr && !IconBar::SameAccountsShown(*bar.accounts, last.accounts))) {
        return true;
    }
    return !(settings == last.settings);
}

void FaceRedrawPolicy::Remember(const ClockSettings& settings, const ClockTime& time,
                                const FaceInputs& inputs) {
    last_ = Capture(settings, time, inputs);
    lastMailTickCount_ = inputs.iconBar.mailTickCount;
}
