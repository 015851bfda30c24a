// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and reports how long it takes until the X server maps its first
// top-level window, then ends the program with SIGTERM (as a log-off would).
//
// Usage: window_shown_timer [--timeout MS] -- PROGRAM [ARGUMENTS...]
// Prints "shown_ms VALUE" and "shown_size WIDTHxHEIGHT"; exits 1 when no window of the program
// appeared in time.
//
// The root window is watched for MapNotify before the program starts, so the time runs
// from fork to the map, with no polling in between; the map is matched to the program by
// the window's _NET_WM_PID where it has one.

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The _NET_WM_PID of a window, or -1. Qt sets it before it maps a window.
long WindowProcess(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t pidAtom) {
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) < 4) {
        return -1;
    }
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

pid_t Launch(char** arguments) {
    const pid_t child = fork();
    if (child == 0) {
        execvp(arguments[0], arguments);
        std::perror(arguments[0]);
        _exit(127);
    }
    return child;
}

// Asks the program to end and waits for it; a program that does not end in 5 s is killed.
void Stop(pid_t child) {
    kill(child, SIGTERM);
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

int Usage() {
    std::fprintf(stderr, "usage: window_shown_timer [--timeout MS] -- PROGRAM [ARGUMENTS...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int timeoutMs = 10000;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--timeout") == 0 && first + 1 < argc) {
            timeoutMs = std::atoi(argv[++first]);
        } else if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        } else {
            return Usage();
        }
    }
    if (first >= argc) {
        return Usage();
    }

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "window_shown_timer: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t pidAtom = Atom(connection, "_NET_WM_PID");
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // A checked request: the server has applied the mask before the program starts.
    xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root,
                                                                       XCB_CW_EVENT_MASK, &mask));

    const Clock::time_point start = Clock::now();
    const pid_t child = Launch(argv + first);
    const Clock::time_point deadline = start + std::chrono::milliseconds(timeoutMs);
    pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
    bool shown = false;
    Clock::time_point shownAt;
    xcb_window_t shownWindow = XCB_WINDOW_NONE;
    while (!shown && Clock::now() < deadline) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (event == nullptr) {
            if (xcb_connection_has_error(connection)) {
                break;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            poll(&display, 1, static_cast<int>(std::max<long long>(1, left.count())));
            continue;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const Clock::time_point mappedAt = Clock::now();
            // Programs without _NET_WM_PID (plain Xt ones such as xclock) are taken by
            // their first map: nothing else is started on the display meanwhile.
            const long owner = WindowProcess(connection, map->window, pidAtom);
            if (!map->override_redirect && (owner == child || owner == -1)) {
                shown = true;
                shownAt = mappedAt;
                shownWindow = map->window;
            }
        }
        std::free(event);
    }
    // The size tells a reader which window it was.
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        shown
            ? xcb_get_geometry_reply(connection, xcb_get_geometry(connection, shownWindow), nullptr)
            : nullptr);
    xcb_disconnect(connection);

    if (!shown) {
        std::fprintf(stderr, "window_shown_timer: no window within %d ms\n", timeoutMs);
        Stop(child);
        return 1;
    }
    const std::chrono::duration<double, std::milli> elapsed = shownAt - start;
    std::printf("shown_ms %.1f\n", elapsed.count());
    if (geometry) {
        std::printf("shown_size %dx%d\n", geometry->width, geometry->height);
    }
    std::fflush(stdout);
    Stop(child);
    return 0;
}
