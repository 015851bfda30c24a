// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEventLoop>
#include <chrono>
#include <functional>
#include <vector>

// Waits without spinning: runs a nested event loop until a condition holds. The loop sleeps
// in the event dispatcher and is woken by Wake (which a socket's signals, a cancel and a
// time-out call) or by its own re-test timer; timers and input of the rest of the program
// keep running meanwhile.
//
// Once the application has been told to exit, a nested loop can no longer sleep: every
// exec() returns at once. A wait then gives up instead of looping, and says so.
class EventWait {
public:
    enum class Outcome { ConditionMet, ApplicationExiting };

    // Returns once done() is true; done is tested before every sleep.
    [[nodiscard]] Outcome Until(const std::function<bool()>& done);
    // The same for a condition that no signal announces: it is also tested every `recheck`.
    [[nodiscard]] Outcome Until(const std::function<bool()>& done,
                                std::chrono::milliseconds recheck);
    // Ends the current sleep so that Until tests its condition again.
    void Wake();

private:
    std::vector<QEventLoop*> loops_;
};
