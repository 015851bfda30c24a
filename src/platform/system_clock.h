// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <functional>
#include <memory>

// Whether setting the clock may ask the user to authorise it, as the desktop's own date
// settings do (a password prompt of the system): runs the user started may, automatic runs
// may not.
enum class ClockAuthorisation { MayAskUser, NoQuestions };

enum class ClockSetResult {
    Set,
    Refused,         // the system or its policy refused, or no answer came
    AutomaticSyncOn, // automatic time synchronisation owns the clock; nothing was tried
};

// The computer's clock: read it as local time, and set it. Tests use a fake, so they never
// change the machine's clock.
class SystemClockSetter {
public:
    virtual ~SystemClockSetter() = default;
    // The local date and time now, to the millisecond.
    virtual QDateTime LocalTime() const = 0;
    // Sets the clock in one step to the instant `target` gives. It is called right before
    // the system is asked, so that the way there (a question to the system first) does not
    // put the clock behind. May wait in a nested event loop, with the program's timers
    // running; a wait ends when the program exits.
    virtual ClockSetResult SetTime(const std::function<QDateTime()>& target,
                                   ClockAuthorisation authorisation) = 0;
};

// The platform's clock.
std::unique_ptr<SystemClockSetter> CreateSystemClockSetter();
