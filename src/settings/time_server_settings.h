// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Bits of TimeServerSettings::Attribute.
enum TimeServerAttribute : int {
    AutoCorrection = 0x01,
    CorrectAtStartup = 0x02,
    CorrectAtTime = 0x04,
    CorrectOnlyDialUp = 0x08,
};

// Patterns of TimeServerSettings::Pattern.
enum CorrectionPattern : int {
    CorrectMonthly = 0,
    CorrectDaily = 1,
    CorrectWeekly = 2,
    CorrectEveryHours = 3,
    CorrectEveryMinutes = 4,
};

// Values of TimeServerSettings::Protocol. Anything else reads as Daytime, the protocol of
// stored settings that predate the choice.
enum TimeServerProtocol : int {
    DaytimeProtocol = 0,
    SntpProtocol = 1,
};

// The standard port of each protocol: Daytime over TCP, SNTP over UDP.
constexpr int DaytimePort = 13;
constexpr int SntpPort = 123;

struct TimeServerSettings {
    int Pattern = 0;
    int Index = 0;
    int Attribute = 0;
    int Day = 0;
    int Week = 0;
    int Hour = 0;
    int Min = 0;
    int Interval_Hour = 0;
    int Interval_Min = 0;
    QString asHostName;
    int iPort = DaytimePort; // the port of the chosen protocol
    int iiTimeOut = 5000;
    int Protocol = DaytimeProtocol;

    // Run-time only: a pattern-0..2 correction has run in this program run.
    bool correctionDone = false;
};
