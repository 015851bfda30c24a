// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times what a clock window shows, from outside its process, through the X server.
//
// Usage:
//   window_timing seconds SECONDS WINDOW...
//       Watches each window's damage for SECONDS and prints, per window,
//       "second_latency WINDOW MEDIAN_MS WORST_MS SECONDS_SEEN": how long after each second of
//       the system clock the window's first drawing in that second reached the server.
//   window_timing hide TRIALS PARK_X PARK_Y WINDOW
//       The window hides under the mouse. Moves the pointer onto its centre TRIALS times, each
//       time at a different point of the second, and prints "hide_reaction MEDIAN_MS WORST_MS
//       TRIALS_SEEN": the time until the window dropped. Between the trials the pointer
//       rests at PARK_X, PARK_Y until the window has come back. Without a window manager
//       the window drops to the bottom of the stacking, and comes back above another window.
// WINDOW is an X window id, decimal or 0x-hex (xdotool search prints decimal).
//
// A window that draws once a second on the second shows latencies of a few milliseconds; one
// whose tick is not aligned to the seconds shows latencies spread over the tick's interval.

#include "sample_median.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <poll.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;
using Event = std::unique_ptr<xcb_generic_event_t, FreeDeleter>;
using Steady = std::chrono::steady_clock;

// The system clock in milliseconds, with the fraction.
double WallMilliseconds() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

double Milliseconds(Steady::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// The next event, or none once `deadline` has passed.
Event NextEvent(xcb_connection_t* connection, Steady::time_point deadline) {
    pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            return Event(event);
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Steady::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection)) {
            return nullptr;
        }
        poll(&display, 1, int(left.count()));
    }
}

struct Summary {
    double median = 0;
    double worst = 0;
    std::size_t count = 0;
};

Summary Summarise(const std::vector<double>& samples) {
    Summary summary;
    summary.count = samples.size();
    summary.median = SampleMedian(samples);
    if (!samples.empty()) {
        summary.worst = *std::max_element(samples.begin(), samples.end());
    }
    return summary;
}

int SecondLatency(xcb_connection_t* connection, int seconds,
                  const std::vector<xcb_window_t>& windows) {
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (damage == nullptr || !damage->present) {
        std::fprintf(stderr, "window_timing: the X server has no DAMAGE extension\n");
        return 2;
    }
    XcbReply<xcb_damage_query_version_reply_t>(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, 1, 1), nullptr));
    for (const xcb_window_t window : windows) {
        // Raw rectangles need no acknowledgement: every drawing reports itself.
        xcb_damage_create(connection, xcb_generate_id(connection), window,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    }
    xcb_flush(connection);

    // The second of the system clock in which each window last drew; only the first drawing
    // in a second counts, and the second the watch began in does not.
    const long long firstSecond = static_cast<long long>(WallMilliseconds() / 1000) + 1;
    std::map<xcb_window_t, long long> lastSecond;
    std::map<xcb_window_t, std::vector<double>> latencies;
    const Steady::time_point deadline = Steady::now() + std::chrono::seconds(seconds);
    while (Event event = NextEvent(connection, deadline)) {
        if ((event->response_type & 0x7F) != damage->first_event + XCB_DAMAGE_NOTIFY) {
            continue;
        }
        const double now = WallMilliseconds();
        const auto* notify = reinterpret_cast<const xcb_damage_notify_event_t*>(event.get());
        const long long second = static_cast<long long>(now / 1000);
        auto [last, first] = lastSecond.try_emplace(notify->drawable, second);
        if ((!first && last->second == second) || second < firstSecond) {
            continue;
        }
        last->second = second;
        latencies[notify->drawable].push_back(now - double(second) * 1000);
    }
    for (const xcb_window_t window : windows) {
        const Summary summary = Summarise(latencies[window]);
        std::printf("second_latency %u %.1f %.1f %zu\n", window, summary.median, summary.worst,
                    summary.count);
    }
    return 0;
}

// Whether the event restacks `window`: to the bottom, or above another window.
bool Restacked(const xcb_generic_event_t& event, xcb_window_t window, bool toBottom) {
    if ((event.response_type & 0x7F) != XCB_CONFIGURE_NOTIFY) {
        return false;
    }
    const auto& configure = reinterpret_cast<const xcb_configure_notify_event_t&>(event);
    return configure.window == window && (configure.above_sibling == XCB_WINDOW_NONE) == toBottom;
}

// Waits until `window` is restacked as asked; the milliseconds it took, or -1.
double WaitForRestack(xcb_connection_t* connection, xcb_window_t window, bool toBottom,
                      std::chrono::seconds limit) {
    const Steady::time_point start = Steady::now();
    while (Event event = NextEvent(connection, start + limit)) {
        if (Restacked(*event, window, toBottom)) {
            return Milliseconds(Steady::now() - start);
        }
    }
    return -1;
}

int HideReaction(xcb_connection_t* connection, int trials, int parkX, int parkY,
                 xcb_window_t window) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root,
                                                                       XCB_CW_EVENT_MASK, &mask));
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry) {
        std::fprintf(stderr, "window_timing: no window %u\n", window);
        return 2;
    }
    const auto centreX = std::int16_t(geometry->x + geometry->width / 2);
    const auto centreY = std::int16_t(geometry->y + geometry->height / 2);

    std::vector<double> reactions;
    bool dropped = false;
    for (int trial = 0; trial < trials; ++trial) {
        xcb_warp_pointer(connection, XCB_WINDOW_NONE, root, 0, 0, 0, 0, std::int16_t(parkX),
                         std::int16_t(parkY));
        xcb_flush(connection);
        if (dropped) {
            WaitForRestack(connection, window, false, std::chrono::seconds(30));
        }
        // Spread the arrivals over the clock's second, after a rest on top.
        const double phase = std::fmod(double(trial) * 1000.0 / trials + 137.0, 1000.0);
        const double wait =
            1500.0 + std::fmod(phase - std::fmod(WallMilliseconds(), 1000.0) + 2000.0, 1000.0);
        const Steady::time_point arrival =
            Steady::now() + std::chrono::microseconds(static_cast<long long>(wait * 1000));
        while (NextEvent(connection, arrival)) {
        }
        xcb_warp_pointer(connection, XCB_WINDOW_NONE, root, 0, 0, 0, 0, centreX, centreY);
        xcb_flush(connection);
        const double reaction = WaitForRestack(connection, window, true, std::chrono::seconds(3));
        dropped = reaction >= 0;
        if (dropped) {
            reactions.push_back(reaction);
        }
    }
    xcb_warp_pointer(connection, XCB_WINDOW_NONE, root, 0, 0, 0, 0, std::int16_t(parkX),
                     std::int16_t(parkY));
    xcb_flush(connection);
    const Summary summary = Summarise(reactions);
    std::printf("hide_reaction %.1f %.1f %zu\n", summary.median, summary.worst, summary.count);
    return 0;
}

int Usage() {
    std::fprintf(stderr, "usage: window_timing seconds SECONDS WINDOW...\n"
                         "       window_timing hide TRIALS PARK_X PARK_Y WINDOW\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        return Usage();
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "window_timing: cannot open the display\n");
        return 2;
    }
    int result = 0;
    if (std::strcmp(argv[1], "seconds") == 0) {
        std::vector<xcb_window_t> windows;
        for (int i = 3; i < argc; ++i) {
            windows.push_back(xcb_window_t(std::strtoul(argv[i], nullptr, 0)));
        }
        result = SecondLatency(connection, std::atoi(argv[2]), windows);
    } else if (std::strcmp(argv[1], "hide") == 0 && argc == 6) {
        result = HideReaction(connection, std::atoi(argv[2]), std::atoi(argv[3]),
                              std::atoi(argv[4]), xcb_window_t(std::strtoul(argv[5], nullptr, 0)));
    } else {
        result = Usage();
    }
    std::fflush(stdout);
    xcb_disconnect(connection);
    return result;
}
