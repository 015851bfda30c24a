// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tick_timer.h"

#include <QMetaObject>
#include <chrono>

TickTimer::TickTimer(WallClock wallClock, Handler handler)
    : wallClock_(std::move(wallClock)), handler_(std::move(handler)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { TimedOut(); });
}

std::int64_t TickTimer::SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void TickTimer::Start() {
    if (running_) {
        return;
    }
    running_ = true;
    elapsed_.Restart(SteadyMilliseconds());
    ArmForNextBoundary();
}

void TickTimer::Stop() {
    running_ = false;
    firePending_ = false;
    timer_.stop();
}

void TickTimer::SetRate(TickCadence::Rate rate) {
    if (rate == rate_) {
        return;
    }
    rate_ = rate;
    if (!running_) {
        return;
    }
    // At the end of a tick the next one keeps to the boundaries; between ticks, something
    // came up that needs the quick ticks now.
    if (rate == TickCadence::Rate::EveryQuarterSecond && ticksInProgress_ == 0) {
        Arm(0);
    } else {
        ArmForNextBoundary();
    }
}

void TickTimer::Realign() {
    if (running_) {
        Arm(0);
    }
}

void TickTimer::TimedOut() {
    // Several timeouts before the queued tick has run make one tick.
    if (firePending_) {
        return;
    }
    firePending_ = true;
    QMetaObject::invokeMethod(
        &timer_, [this] { Fire(); }, Qt::QueuedConnection);
}

void TickTimer::Fire() {
    if (!running_ || !firePending_) {
        return;
    }
    firePending_ = false;
    const int quarters = elapsed_.Take(SteadyMilliseconds());
    ArmForNextBoundary();
    ++ticksInProgress_;
    handler_(quarters);
    --ticksInProgress_;
}

void TickTimer::ArmForNextBoundary() {
    Arm(TickCadence::MillisecondsToNextTick(rate_, wallClock_()));
}

void TickTimer::Arm(int milliseconds) {
    timer_.start(milliseconds);
}
