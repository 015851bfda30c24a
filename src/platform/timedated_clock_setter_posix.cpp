#include "core/event_wait.h"
#include "platform/timedated_clock_setter.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QTimer>
#include <atomic>
#include <optional>

namespace {

const QString Service = QStringLiteral("org.freedesktop.timedate1");
const QString ObjectPath = QStringLiteral("/org/freedesktop/timedate1");
const QString Interface = QStringLiteral("org.freedesktop.timedate1");
// What timedated answers SetTime while automatic synchronisation owns the clock.
const QString SyncEnabledError =
    QStringLiteral("org.freedesktop.timedate1.AutomaticTimeSyncEnabled");

// A question needs a moment; a SetTime that may wait for the user to type a password gets
// the time a person needs for that.
constexpr int QuestionTimeOut = 10000;
constexpr int AuthorisedSetTimeOut = 120000;

// The answer to `call`, or none when none came within `timeOut` or the program began to exit.
std::optional<QDBusMessage> Ask(const QDBusConnection& bus, const QDBusMessage& call, int timeOut) {
    QDBusPendingCallWatcher watcher(bus.asyncCall(call, timeOut));
    EventWait wait;
    bool timedOut = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &watcher,
                     [&wait] { wait.Wake(); });
    QObject::connect(&timer, &QTimer::timeout, &timer, [&wait, &timedOut] {
        timedOut = true;
        wait.Wake();
    });
    timer.start(timeOut);
    const EventWait::Outcome outcome =
        wait.Until([&watcher, &timedOut] { return watcher.isFinished() || timedOut; });
    if (outcome == EventWait::Outcome::ApplicationExiting || !watcher.isFinished()) {
        return std::nullopt;
    }
    return watcher.reply();
}

} // namespace

TimedatedClockSetter::TimedatedClockSetter(const QString& busAddress) {
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
    const std::optional<QDBusMessage> ntpAnswer = Ask(bus, ntp, QuestionTimeOut);
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
    const std::optional<QDBusMessage> answer =
        Ask(bus, set, interactive ? AuthorisedSetTimeOut : QuestionTimeOut);
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
