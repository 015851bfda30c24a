// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoped_time_zone.h"

#include <QtGlobal>
#include <ctime>

ScopedTimeZone::ScopedTimeZone(const char* zone)
    : previous_(qgetenv("TZ")), hadZone_(qEnvironmentVariableIsSet("TZ")) {
    Switch(zone);
}

void ScopedTimeZone::Switch(const char* zone) {
    qputenv("TZ", zone);
    tzset();
}

ScopedTimeZone::~ScopedTimeZone() {
    if (hadZone_) {
        qputenv("TZ", previous_);
    } else {
        qunsetenv("TZ");
    }
    tzset();
}
