// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>

// Whether the last correction run failed; -1 is the failed run's own number.
enum class CorrectionError { None = 0, Failed = -1 };

// The run-time state of the clock correction, kept for the whole program run. The result
// window reads the texts; the icon bar shows its error mark while correctionError is Failed.
struct CorrectionState {
    // Quarter seconds of the clock window's ticks since the last interval run, successful run
    // or confirmed settings dialog; four are a second.
    std::uint32_t correctionTicks = 0;
    bool autoCorrectionRunning = false;
    bool manualCorrectionRunning = false;
    // The running run only compares the clocks and leaves the computer's clock alone.
    bool correctionTestMode = false;
    // A due automatic run waits for the mail check to finish.
    bool correctionDeferred = false;
    // None at the start of every run, Failed after a failed one.
    CorrectionError correctionError = CorrectionError::None;
    QString pcTimeText;
    QString serverTimeText;
    // The last correction's result line, or why the last run failed.
    QString correctionResultText;

    bool AnyRunInProgress() const { return autoCorrectionRunning || manualCorrectionRunning; }
};
