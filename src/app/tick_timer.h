// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/elapsed_quarter_seconds.h"
#include "app/tick_cadence.h"

#include <QTimer>
#include <cstdint>
#include <functional>

// The clock window's timer. One precise single-shot timer, armed at every tick for the next
// boundary of its rate (the next second or quarter second of the system clock) plus a small
// margin, so that the face shows a new second a few milliseconds after it begins. The tick
// is handed the quarter seconds that passed since the one before.
//
// The tick runs from a queued call rather than inside the timer's own handler, and the timer
// is armed again before the tick runs: a tick step may open a modal window or wait for the
// network, and the ticks after it must go on inside that wait.
class TickTimer {
public:
    using Handler = std::function<void(int elapsedQuarterSeconds)>;
    // The system clock, in milliseconds since the epoch.
    using WallClock = std::function<std::int64_t()>;

    TickTimer(WallClock wallClock, Handler handler);
    TickTimer(const TickTimer&) = delete;
    TickTimer& operator=(const TickTimer&) = delete;

    // The first tick comes at the next boundary of the rate; the quarter seconds before it
    // count from now. Starting a running timer changes nothing.
    void Start();
    // No tick comes until the next Start, not even one already queued.
    void Stop();
    bool IsRunning() const { return running_; }

    TickCadence::Rate Rate() const { return rate_; }
    // A faster rate asked for between two ticks brings the next tick at once, so whatever
    // needs it reacts without waiting for the rest of the second.
    void SetRate(TickCadence::Rate rate);
    // The system clock jumped: the next tick comes at once and the ones after it fall on the
    // new clock's seconds.
    void Realign();

private:
    void TimedOut();
    void Fire();
    void ArmForNextBoundary();
    void Arm(int milliseconds);
    static std::int64_t SteadyMilliseconds();

    WallClock wallClock_;
    Handler handler_;
    QTimer timer_;
    ElapsedQuarterSeconds elapsed_;
    TickCadence::Rate rate_ = TickCadence::Rate::EveryQuarterSecond;
    bool running_ = false;
    // The timer has fired and its tick is queued.
    bool firePending_ = false;
    // Ticks whose handler has not returned yet: the nested ones run inside the waits of
    // the outer ones.
    int ticksInProgress_ = 0;
};
