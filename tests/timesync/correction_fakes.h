// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/dial_up.h"
#include "platform/help_viewer.h"
#include "platform/system_clock.h"
#include "service_fakes.h"
#include "settings/settings_saver.h"
#include "timesync/correction_host.h"

#include <QDateTime>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// The clock is set to the server's time carried on from its reply to the moment of setting,
// which in a test is a moment later; never earlier.
inline ::testing::AssertionResult CarriedOnFrom(const QDateTime& set, const QDateTime& server) {
    const qint64 carried = server.msecsTo(set);
    if (carried >= 0 && carried < 60000) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "set to " << set.toString(Qt::ISODateWithMs).toStdString() << ", the server said "
           << server.toString(Qt::ISODateWithMs).toStdString();
}

// The clock window as the correction sees it; records what the correction asked of it.
class FakeCorrectionHost : public CorrectionHost {
public:
    std::uint32_t OpenWindowMask() const override { return mask; }
    bool IsExiting() const override { return exiting; }
    bool MailCheckRunning() const override { return mailRunning; }
    void SetRunCommandsEnabled(CommandState state) override {
        commands.push_back(state);
        commandsEnabled = state == CommandState::Enabled;
    }
    void ResetHideDelay() override { ++hideDelayResets; }
    void OpenCorrectionResultWindow() override {
        ++resultWindows;
        commandsEnabledWhileResultShown = commandsEnabled;
        if (onResultWindow) {
            onResultWindow();
        }
    }
    void RestartTick() override { ++tickRestarts; }

    std::uint32_t mask = 0;
    bool exiting = false;
    bool mailRunning = false;
    bool commandsEnabled = true;
    bool commandsEnabledWhileResultShown = true;
    std::vector<CommandState> commands;
    int hideDelayResets = 0;
    int resultWindows = 0;
    int tickRestarts = 0;
    std::function<void()> onResultWindow;
};

// The computer's clock: a settable local instant that records every setting with its
// authorisation, and answers as told (a system without the right to change the time
// refuses; one whose automatic synchronisation is on refuses before trying).
class FakeSystemClock : public SystemClockSetter {
public:
    explicit FakeSystemClock(QDateTime start = QDateTime(QDate(2002, 12, 7), QTime(6, 30, 4, 120)))
        : now(std::move(start)) {}

    QDateTime LocalTime() const override { return now; }
    ClockSetResult SetTime(const std::function<QDateTime()>& target,
                           ClockAuthorisation authorisation) override {
        ++attempts;
        if (onSet) {
            onSet();
        }
        if (answer != ClockSetResult::Set) {
            return answer;
        }
        now = target().toLocalTime();
        settings.push_back(now);
        authorisations.push_back(authorisation);
        return answer;
    }

    QDateTime now;
    std::vector<QDateTime> settings; // local time
    std::vector<ClockAuthorisation> authorisations;
    int attempts = 0;
    ClockSetResult answer = ClockSetResult::Set;
    std::function<void()> onSet;
};
