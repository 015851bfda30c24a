// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <functional>

// The time-out timer of a socket component: it runs only while it is enabled, has a non-zero
// interval and a handler, and every change of the three starts it afresh. It fires once per
// start, which is all its owner needs (the owner switches it off when it fires).
class TTimeoutTimer {
public:
    TTimeoutTimer();

    int Interval() const { return interval_; }
    bool IsEnabled() const { return enabled_; }
    bool IsRunning() const { return timer_.isActive(); }

    void SetInterval(int milliseconds);
    void Enable();
    void Disable();
    void SetOnTimer(std::function<void()> handler);

private:
    void Restart();
    void Fire();

    QTimer timer_;
    int interval_ = 1000;
    bool enabled_ = true;
    std::function<void()> onTimer_;
};
