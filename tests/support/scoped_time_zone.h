// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// Sets the process's time zone (TZ) for as long as it lives, and puts the previous one back.
// Qt reads the zone rules of the C library afresh for every local-time conversion.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone);
    ~ScopedTimeZone();
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

    // Moves the process to another zone, as a user changing the zone while it runs would;
    // the destructor still puts the zone from before the scope back.
    static void Switch(const char* zone);

private:
    QByteArray previous_;
    bool hadZone_ = false;
};
