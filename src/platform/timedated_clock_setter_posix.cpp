// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/event_wait.h"
#include "platform/timedated_clock_setter.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QTimer>
#include <atomic>
#include <limits>
#include <optional>

namespace {

const QString Service = QStringLiteral("org.freedesktop.timedate1");
const QString ObjectPath = QStringLiteral("/org/freedesktop/timedate1");
const QString Interface = QStringLiteral("org.freedesktop.timedate1");
// What timedated answers SetTime while automatic synchronisation owns the clock.
const QString SyncEnabledError =
    QStringLiteral("org.freedesktop.timedate1.AutomaticTimeSyncEnabled");

// What libdbus takes for "no time-out" (DBUS_TIMEOUT_INFINITE).
constexpr int NoDBusTimeOut = std::numeric_limits<int>::max();

// The answer to `call`, or none when none came within `timeOut` (none: no limit), timedated
// went away meanwhile, or the program began to exit. A bus that breaks ends the call with an
// error answer.
std::optional<QDBusMessage> Ask(const QDBusConnection& bus, const QDBusMessage& call,
                                std::optional<std::chrono::milliseconds> timeOut) {
    EventWait wait;
    // Watched before the call goes out, so that timedated cannot leave unseen in between.
    // A new owner of the name never received the call either.
    bool serviceLost = false;
    QDBusServiceWatcher owner(Service, bus, QDBusServiceWatcher::WatchForOwnerChange);
    QObject::connect(&owner, &QDBusServiceWatcher::serviceOwnerChanged, &owner,
                     [&wait, &serviceLost] {
                         serviceLost = true;
                         wait.Wake();
                     });
    QDBusPendingCallWatcher watcher(
        bus.asyncCall(call, timeOut ? int(timeOut->count()) : NoDBusTimeOut));
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &watcher,
                     [&wait] { wait.Wake(); });
    bool timedOut = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&wait, &timedOut] {
        timedOut = true;
        wait.Wake();
    });
    if (timeOut) {
        timer.start(*timeOut);
    }
    const EventWait::Outcome outcome =
        wait.Until([&] { return watcher.isFinished() || timedOut || serviceLost; });
    if (outcome == EventWait::Outcome::ApplicationExiting || !watcher.isFinished()) {
        return std::nullopt;
    }
    return watcher.reply();
}

} // namespace

TimedatedClockSetter::TimedatedClockSetter(const QString& busAddress,
                                           std::chrono::milliseconds answerTimeOut)
    : answerTimeOut_(answerTimeOut) {
    if (!busAddress.isEmpty()) {
        static std::atomic<int> connections{0};
        connectionName_ = QStringLiteral("zorbel-timedated-%1").arg(++connections);
        QDBusConnection::connectToBus(busAddress, connectionName_);
    }
}

TimedatedClockSetter::~TimedatedClockSetter() {
    if (!connectionName_.isEmpty()) {
        QDBusConnection::disconnectFromBus(connectionName_);
    }
}

QDateTime TimedatedClockSetter::LocalTime() const {
    return QDateTime::currentDateTime();
}

ClockSetResult TimedatedClockSetter::SetTime(const std::function<QDateTime()>& target,
                                             ClockAuthorisation authorisation) {
    const QDBusConnection bus =
        connectionName_.isEmpty() ? QDBusConnection::systemBus() : QDBusConnection(connectionName_);
    if (!bus.isConnected()) {
        return ClockSetResult::Refused;
    }
    // While automatic synchronisation owns the clock timedated refuses any setting; asking
    // first spares the user a password prompt that could only end in that refusal.
    QDBusMessage ntp = QDBusMessage::createMethodCall(
        Service, ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    ntp << Interface << QStringLiteral("NTP");
    const std::optional<QDBusMessage> ntpAnswer = Ask(bus, ntp, answerTimeOut_);
    if (!ntpAnswer || ntpAnswer->type() != QDBusMessage::ReplyMessage) {
        return ClockSetResult::Refused;
    }
    if (ntpAnswer->arguments().value(0).value<QDBusVariant>().variant().toBool()) {
        return ClockSetResult::AutomaticSyncOn;
    }

    const QDateTime instant = target();
    if (!instant.isValid()) {
        return ClockSetResult::Refused;
    }
    const bool interactive = authorisation == ClockAuthorisation::MayAskUser;
    QDBusMessage set =
        QDBusMessage::createMethodCall(Service, ObjectPath, Interface, QStringLiteral("SetTime"));
    set.setInteractiveAuthorizationAllowed(interactive);
    // Microseconds since the epoch in UTC, absolute (not relative to the current time).
    set << QVariant::fromValue(qlonglong(instant.toMSecsSinceEpoch()) * 1000) << false
        << interactive;
    // While polkit asks for a password only the user decides how long that takes; a reply
    // taken for a refusal before then could be followed by the clock being set after all.
    const std::optional<QDBusMessage> answer =
        Ask(bus, set,
            interactive ? std::nullopt : std::optional<std::chrono::milliseconds>(answerTimeOut_));
    if (!answer) {
        return ClockSetResult::Refused;
    }
    if (answer->type() == QDBusMessage::ReplyMessage) {
        return ClockSetResult::Set;
    }
    // Switched on between the two calls.
    if (answer->errorName() == SyncEnabledError) {
        return ClockSetResult::AutomaticSyncOn;
    }
    return ClockSetResult::Refused;
}
