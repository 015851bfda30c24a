// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timesync/clock_adjustment.h"

#include "timesync/correction_texts.h"

namespace {

ClockAuthorisation AuthorisationFor(CorrectionStarter starter) {
    return starter == CorrectionStarter::User ? ClockAuthorisation::MayAskUser
                                              : ClockAuthorisation::NoQuestions;
}

CorrectionFailure FailureOf(ClockSetResult result) {
    switch (result) {
    case ClockSetResult::Set:
        return CorrectionFailure::None;
    case ClockSetResult::AutomaticSyncOn:
        return CorrectionFailure::AutomaticSyncOn;
    case ClockSetResult::Refused:
        break;
    }
    return CorrectionFailure::ClockNotSet;
}

// The server's time carried on to now, against the computer's clock now.
ClockDifference MeasureClockDifference(const SystemClockSetter& clock, const ServerTime& server) {
    return {server.UtcNow().toLocalTime(), clock.LocalTime()};
}

} // namespace

qint64 ClockDifference::Seconds() const {
    const qint64 milliseconds = qAbs(computer.msecsTo(server));
    return (milliseconds + 999) / 1000;
}

QString ClockAdjustment::FailureMessage() const {
    return CorrectionFailureMessage(failure, difference.Seconds());
}

ClockAdjustment SetComputerClock(SystemClockSetter& clock, const ServerTime& server,
                                 CorrectionStarter starter, UserPrompt& prompt) {
    ClockAdjustment adjustment;
    adjustment.difference = MeasureClockDifference(clock, server);
    if (adjustment.difference.IsLarge()) {
        if (starter == CorrectionStarter::Automatic) {
            adjustment.failure = CorrectionFailure::StepTooLarge;
            return adjustment;
        }
        const ClockDifference& difference = adjustment.difference;
        const QString question =
            LargeStepQuestion(difference.server, difference.computer, difference.Seconds());
        if (prompt.Ask(WarningCaption(), question, UserPrompt::Answer::No) !=
            UserPrompt::Answer::Yes) {
            adjustment.outcome = ClockAdjustment::Outcome::Declined;
            return adjustment;
        }
    }
    adjustment.failure =
        FailureOf(clock.SetTime([&server] { return server.UtcNow(); }, AuthorisationFor(starter)));
    adjustment.outcome = adjustment.failure == CorrectionFailure::None
                             ? ClockAdjustment::Outcome::Set
                             : ClockAdjustment::Outcome::Failed;
    return adjustment;
}
