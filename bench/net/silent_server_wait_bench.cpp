// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/eabort_error.h"
#include "net/socket_client.h"
#include "scripted_peer.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#endif

namespace {

struct ProcessTimes {
    double userMs = 0;
    double systemMs = 0;
};

ProcessTimes Now() {
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

// One ReadLn against a server that accepts and never sends, ended by a 2-second time-out.
void SilentServerWait(benchmark::State& state) {
    for (auto _ : state) {
        ScriptedPeer peer;
        TSocketClient client;
        client.Host = QStringLiteral("127.0.0.1");
        client.Port = peer.Port();
        client.TimeOut = 2000;
        client.Connect();

        const ProcessTimes before = Now();
        const auto start = std::chrono::steady_clock::now();
        try {
            client.ReadLn();
        } catch (const EAbortError&) {
        }
        const std::chrono::duration<double, std::milli> wall =
            std::chrono::steady_clock::now() - start;
        const ProcessTimes after = Now();

        const double user = after.userMs - before.userMs;
        const double system = after.systemMs - before.systemMs;
        state.SetIterationTime(wall.count() / 1000.0);
        state.counters["cpu_ms"] = user + system;
        state.counters["wall_ms"] = wall.count();
        std::printf("Wait of %.0f ms for a silent server: %.3f ms CPU (user %.3f, system %.3f)\n",
                    wall.count(), user + system, user, system);
    }
}

} // namespace

BENCHMARK(SilentServerWait)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
