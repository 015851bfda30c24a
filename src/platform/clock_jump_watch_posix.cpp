// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/clock_jump_watch.h"

#include <QSocketNotifier>

#ifdef __linux__
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <limits>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

// On Linux a timer on the real-time clock that never expires, armed to be cancelled when
// that clock is set: the kernel cancels it on every clock_settime and step, and on resume
// from suspend, and the timer's descriptor becomes readable.
class ClockJumpWatch::Watcher {
public:
    explicit Watcher(ClockJumpWatch& watch) {
#ifdef __linux__
        descriptor_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (descriptor_ < 0) {
            return;
        }
        if (!Arm()) {
            close(descriptor_);
            descriptor_ = -1;
            return;
        }
        notifier_ = std::make_unique<QSocketNotifier>(descriptor_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, &watch, [this, &watch] {
            std::uint64_t expirations = 0;
            const bool cancelled =
                read(descriptor_, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
            // A cancelled timer stays cancelled until it is armed again.
            Arm();
            if (cancelled) {
                Q_EMIT watch.Jumped();
            }
        });
#else
        Q_UNUSED(watch);
#endif
    }

    ~Watcher() {
#ifdef __linux__
        notifier_.reset();
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
#endif
    }

private:
#ifdef __linux__
    bool Arm() const {
        itimerspec never = {};
        never.it_value.tv_sec = std::numeric_limits<time_t>::max();
        return timerfd_settime(descriptor_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never,
                               nullptr) == 0;
    }

    int descriptor_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
#endif
};

ClockJumpWatch::ClockJumpWatch(QObject* parent)
    : QObject(parent), watcher_(std::make_unique<Watcher>(*this)) {}

ClockJumpWatch::~ClockJumpWatch() = default;
