// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/clock_jump_watch.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <windows.h>

// Windows tells every top-level window when the time was changed (WM_TIMECHANGE) and when
// the computer resumed (WM_POWERBROADCAST); the messages of the program's windows pass
// through this filter.
class ClockJumpWatch::Watcher : public QAbstractNativeEventFilter {
public:
    explicit Watcher(ClockJumpWatch& watch) : watch_(watch) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~Watcher() override {
        if (QCoreApplication* application = QCoreApplication::instance()) {
            application->removeNativeEventFilter(this);
        }
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "windows_generic_MSG") {
            return false;
        }
        const MSG* msg = static_cast<const MSG*>(message);
        const bool resumed =
            msg->message == WM_POWERBROADCAST &&
            (msg->wParam == PBT_APMRESUMEAUTOMATIC || msg->wParam == PBT_APMRESUMESUSPEND);
        if (msg->message == WM_TIMECHANGE || resumed) {
            Q_EMIT watch_.Jumped();
        }
        return false;
    }

private:
    ClockJumpWatch& watch_;
};

ClockJumpWatch::ClockJumpWatch(QObject* parent)
    : QObject(parent), watcher_(std::make_unique<Watcher>(*this)) {}

ClockJumpWatch::~ClockJumpWatch() = default;
