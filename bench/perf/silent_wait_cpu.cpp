// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The CPU a read costs while the server stays silent until the time-out ends it: a wait
// must sleep in the event loop, not poll. Prints "name value" lines for scripts/bench.
//
// Usage: silent_wait_cpu [MILLISECONDS]   (10000 unless given)

#include "net/eabort_error.h"
#include "net/socket_client.h"
#include "process_cpu_time.h"
#include "scripted_peer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int timeOut = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    if (timeOut <= 0) {
        std::fprintf(stderr, "silent_wait_cpu: the wait must be a positive number of ms\n");
        return 2;
    }

    ScriptedPeer peer; // accepts and never sends
    TSocketClient client;
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = peer.Port();
    client.TimeOut = timeOut;
    client.Connect();

    const ProcessCpuTime before = ProcessCpuTime::Now();
    QElapsedTimer wall;
    wall.start();
    bool timedOut = false;
    try {
        client.ReadLn();
    } catch (const EAbortError&) {
        timedOut = client.TimedOut();
    }
    const double wallMs = wall.nsecsElapsed() / 1e6;
    const ProcessCpuTime used = ProcessCpuTime::Now() - before;
    if (!timedOut) {
        std::fprintf(stderr, "silent_wait_cpu: the read ended before its time-out\n");
        return 1;
    }
    std::printf("wait_wall_ms %.1f\n", wallMs);
    std::printf("wait_cpu_ms %.3f\n", used.TotalMs());
    std::printf("wait_user_ms %.3f\n", used.userMs);
    std::printf("wait_system_ms %.3f\n", used.systemMs);
    return 0;
}
