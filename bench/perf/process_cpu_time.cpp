// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "process_cpu_time.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#endif

ProcessCpuTime ProcessCpuTime::Now() {
#ifdef _WIN32
    FILETIME creation, exit, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
    const auto ms = [](const FILETIME& time) {
        return ((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
               10000.0;
    };
    return {ms(user), ms(kernel)};
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& time) {
        return time.tv_sec * 1000.0 + time.tv_usec / 1000.0;
    };
    return {ms(usage.ru_utime), ms(usage.ru_stime)};
#endif
}
