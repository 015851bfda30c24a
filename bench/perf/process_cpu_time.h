// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// CPU time this process has used so far, user and system apart, in milliseconds.
struct ProcessCpuTime {
    double userMs = 0;
    double systemMs = 0;

    double TotalMs() const { return userMs + systemMs; }
    ProcessCpuTime operator-(const ProcessCpuTime& earlier) const {
        return {userMs - earlier.userMs, systemMs - earlier.systemMs};
    }

    static ProcessCpuTime Now();
};
