// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timeout_timer.h"

#include "net/net_error.h"

#include <QAbstractEventDispatcher>
#include <QDebug>
#include <exception>

TTimeoutTimer::TTimeoutTimer() {
    timer_.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; a time-out must not end a wait before its time.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Fire(); });
}

void TTimeoutTimer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    Restart();
}

void TTimeoutTimer::Enable() {
    enabled_ = true;
    Restart();
}

void TTimeoutTimer::Disable() {
    enabled_ = false;
    Restart();
}

void TTimeoutTimer::SetOnTimer(std::function<void()> handler) {
    onTimer_ = std::move(handler);
    Restart();
}

void TTimeoutTimer::Restart() {
    timer_.stop();
    if (interval_ == 0 || !enabled_ || !onTimer_) {
        return;
    }
    // Without an event dispatcher the timer could never fire and the wait it bounds
    // would never end.
    if (QAbstractEventDispatcher::instance() == nullptr) {
        throw ENetError(QStringLiteral("No Timer"));
    }
    timer_.start(interval_);
}

void TTimeoutTimer::Fire() {
    if (!onTimer_) {
        return;
    }
    // An exception must not unwind through Qt's event loop.
    try {
        onTimer_();
    } catch (const std::exception& error) {
        qWarning() << "time-out handler failed:" << error.what();
    } catch (...) {
        qWarning() << "time-out handler failed";
    }
}
