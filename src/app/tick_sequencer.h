// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The order of one tick of the clock window. The window supplies the steps; this class
// keeps the start-up phases and calls the steps in the one order the program relies on:
// the subsystems see the counters already advanced, the face always shows the time read in
// the same tick, the correction step always sees a time read in an earlier tick (the second
// tick reads one for the first running tick), and nothing but the counters and the
// background jobs runs while exiting.
class TickSteps {
public:
    virtual ~TickSteps() = default;
    virtual void FollowWindowGeometry() = 0; // first tick: clock part, position and size
    virtual void PaintButtonFace() = 0;      // second tick: blank the window
    virtual void RequestRepaint() = 0;
    // MailTickCount and correctionTicks, by the quarter seconds since the tick before.
    virtual void AdvanceTickCounters(int elapsedQuarterSeconds) = 0;
    virtual void MailCheckTick() = 0;
    virtual void CheckCorrectionDue() = 0;
    virtual bool IsExiting() const = 0; // the exit has begun
    virtual void HideUnderMouseStep(int elapsedQuarterSeconds) = 0;
    virtual void ReadClockTime() = 0;
    virtual void FollowClockGeometry() = 0; // centre and hand lengths from the client size
    virtual void DrawFace() = 0;
    virtual void CheckSchedules() = 0;
};

class TickSequencer {
public:
    enum class Phase { BeforeFirstTick = 0, AfterFirstTick = 1, Running = 2 };

    explicit TickSequencer(TickSteps& steps) : steps_(steps) {}

    // One tick, `elapsedQuarterSeconds` after the one before.
    void DrawTimerTimer(int elapsedQuarterSeconds);
    Phase StartupPhase() const { return phase_; }
    bool IsRunning() const { return phase_ == Phase::Running; }

private:
    TickSteps& steps_;
    Phase phase_ = Phase::BeforeFirstTick;
};
