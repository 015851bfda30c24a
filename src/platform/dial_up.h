// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

// Whether the first dial-up (point-to-point) connection is up. Used by the mail check for
// accounts limited to dial-up, and by the clock correction. Any error answers not connected.
class DialUpMonitor {
public:
    virtual ~DialUpMonitor() = default;
    virtual bool CheckDialUpConnected() = 0;
};

// The platform's monitor.
std::unique_ptr<DialUpMonitor> CreateSystemDialUpMonitor();

#ifndef _WIN32
#include <QString>
// The point-to-point interfaces under a folder laid out as /sys/class/net; tests give it a
// fake tree.
std::unique_ptr<DialUpMonitor> CreateSysfsDialUpMonitor(const QString& netClassFolder);
#endif
