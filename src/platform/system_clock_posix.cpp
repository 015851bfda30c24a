#include "platform/system_clock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantList>

namespace {

// Sets the time through systemd-timedated on the system bus rather than with clock_settime:
// a desktop program runs as an ordinary user, who never holds CAP_SYS_TIME, so clock_settime
// would always fail; timedated lets the system's policy (polkit) decide, as the time settings
// of the desktop do. The call is not interactive: the program asks for no privilege of its
// own, it only uses one the system already grants. Timedated also refuses while automatic
// time synchronisation owns the clock, which is reported as a failure like any other refusal.
class TimedatedClockSetter : public SystemClockSetter {
public:
    QDateTime LocalTime() const override { return QDateTime::currentDateTime(); }

    bool SetLocalTime(const QDateTime& local) override {
        if (!local.isValid()) {
            return false;
        }
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected()) {
            return false;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.timedate1"),
            QStringLiteral("/org/freedesktop/timedate1"),
            QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
        // Microseconds since the epoch in UTC, absolute, without an authentication dialog.
        const qint64 microseconds = local.toMSecsSinceEpoch() * 1000;
        call << QVariant::fromValue(microseconds) << false << false;
        const QDBusMessage answer = bus.call(call, QDBus::Block, CallTimeOutMilliseconds);
        return answer.type() == QDBusMessage::ReplyMessage;
    }

private:
    static constexpr int CallTimeOutMilliseconds = 5000;
};

} // namespace

std::unique_ptr<SystemClockSetter> CreateSystemClockSetter() {
    return std::make_unique<TimedatedClockSetter>();
}
