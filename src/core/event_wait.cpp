// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/event_wait.h"

#include <QTimer>
#include <algorithm>

namespace {

// What QEventLoop::exec returns when the application's exit has already been requested.
constexpr int ExitAlreadyRequested = -1;

} // namespace

EventWait::Outcome EventWait::Until(const std::function<bool()>& done) {
    return Until(done, std::chrono::milliseconds(0));
}

EventWait::Outcome EventWait::Until(const std::function<bool()>& done,
                                    std::chrono::milliseconds recheck) {
    while (!done()) {
        QEventLoop loop;
        QTimer retest;
        if (recheck.count() > 0) {
            QObject::connect(&retest, &QTimer::timeout, &loop, &QEventLoop::quit);
            retest.start(recheck);
        }
        loops_.push_back(&loop);
        const int result = loop.exec();
        loops_.erase(std::find(loops_.begin(), loops_.end(), &loop));
        if (result == ExitAlreadyRequested) {
            return Outcome::ApplicationExiting;
        }
    }
    return Outcome::ConditionMet;
}

void EventWait::Wake() {
    // Every loop re-tests its own condition, so waking them all is harmless.
    for (QEventLoop* loop : loops_) {
        loop->quit();
    }
}
