// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x_client_environment.h"

void RelaxStringChecksForX(QProcessEnvironment& environment) {
    if (environment.contains("ASAN_OPTIONS")) {
        environment.insert("ASAN_OPTIONS",
                           environment.value("ASAN_OPTIONS") + ":strict_string_checks=0");
    }
}
