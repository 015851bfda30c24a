// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/clock_services.h"
#include "dialogs/choosers.h"
#include "fake_login_start.h"
#include "fake_persistence.h"
#include "fake_prompt.h"
#include "platform/clock_source.h"
#include "platform/system_clock.h"
#include "service_fakes.h"

#include <QDateTime>
#include <functional>
#include <optional>
#include <vector>

// A computer clock that only records what it was set to.
class RecordingClock : public SystemClockSetter {
public:
    QDateTime LocalTime() const override { return QDateTime(QDate(2002, 12, 6), QTime(7, 5, 9)); }
    ClockSetResult SetTime(const std::function<QDateTime()>& target, ClockAuthorisation) override {
        set.push_back(target());
        return ClockSetResult::Set;
    }
    std::vector<QDateTime> set;
};

// Every chooser is cancelled.
class CancellingChoosers : public Choosers {
public:
    std::optional<QString> ChooseFile(QWidget*, const FileChoice&) override { return std::nullopt; }
    std::optional<QString> ChooseFolder(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<Colour> ChooseColour(QWidget*, Colour) override { return std::nullopt; }
    std::optional<CanvasFont> ChooseFont(QWidget*, const CanvasFont&) override {
        return std::nullopt;
    }
};

// The clock window's services, every one a fake, at 7:05:09 on 6 December 2002.
struct FakeClockServices {
    FakePrompt prompt;
    RecordingHelp help;
    FixedClockSource clock{QDateTime(QDate(2002, 12, 6), QTime(7, 5, 9))};
    FakePersistence persistence;
    RecordingSound sound;
    RecordingLauncher launcher;
    FakeDialUp dialUp;
    RecordingClock clockSetter;
    CancellingChoosers choosers;
    FakeLoginStart loginStart;
    FakeKeyring keyring;

    ClockServices Services() {
        return ClockServices{prompt, help,        clock,    persistence, sound,   launcher,
                             dialUp, clockSetter, choosers, loginStart,  keyring, QString()};
    }
};
