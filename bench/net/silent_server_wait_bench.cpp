// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/eabort_error.h"
#include "net/socket_client.h"
#include "process_cpu_time.h"
#include "scripted_peer.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

// One ReadLn against a server that accepts and never sends, ended by a 2-second time-out.
void SilentServerWait(benchmark::State& state) {
    for (auto _ : state) {
        ScriptedPeer peer;
        TSocketClient client;
        client.Host = QStringLiteral("127.0.0.1");
        client.Port = peer.Port();
        client.TimeOut = 2000;
        client.Connect();

        const ProcessCpuTime before = ProcessCpuTime::Now();
        const auto start = std::chrono::steady_clock::now();
        try {
            client.ReadLn();
        } catch (const EAbortError&) {
        }
        const std::chrono::duration<double, std::milli> wall =
            std::chrono::steady_clock::now() - start;
        const ProcessCpuTime used = ProcessCpuTime::Now() - before;
        state.SetIterationTime(wall.count() / 1000.0);
        state.counters["cpu_ms"] = used.TotalMs();
        state.counters["wall_ms"] = wall.count();
        std::printf("Wait of %.0f ms for a silent server: %.3f ms CPU (user %.3f, system %.3f)\n",
                    wall.count(), used.TotalMs(), used.userMs, used.systemMs);
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
