// A stand-in for systemd-timedated on a private bus, for the tests of setting the clock: it
// owns org.freedesktop.timedate1, shows the NTP property and answers SetTime as timedated
// would, without touching any clock.
//
//   timedated_stand_in ADDRESS [--ntp] [--refuse] [--interactive-only] [--delay MS]
//
// --ntp: automatic synchronisation is on; SetTime is refused as timedated refuses it.
// --refuse: polkit says no (access denied).
// --interactive-only: polkit would have to ask, which a call without interactive
//     authorisation does not allow.
// --delay: SetTime answers this late.
// Prints "ready" once it owns the name, then one line per SetTime call:
//     SetTime <microseconds> relative=<0|1> interactive=<0|1> allowInteractive=<0|1>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QTimer>
#include <cstdio>

namespace {

struct Behaviour {
    bool ntp = false;
    bool refuse = false;
    bool interactiveOnly = false;
    int delay = 0;
};

} // namespace

class TimeDate : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.timedate1")
    Q_PROPERTY(bool NTP READ Ntp)

public:
    TimeDate(const Behaviour& behaviour, const QDBusConnection& bus)
        : behaviour_(behaviour), bus_(bus) {}

    bool Ntp() const { return behaviour_.ntp; }

public slots:
    void SetTime(qlonglong microseconds, bool relative, bool interactive,
                 const QDBusMessage& message) {
        std::printf("SetTime %lld relative=%d interactive=%d allowInteractive=%d\n",
                    static_cast<long long>(microseconds), relative ? 1 : 0, interactive ? 1 : 0,
                    message.isInteractiveAuthorizationAllowed() ? 1 : 0);
        std::fflush(stdout);
        QDBusMessage answer = message.createReply();
        if (behaviour_.ntp) {
            answer = message.createErrorReply(
                QStringLiteral("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"),
                QStringLiteral("Automatic time synchronization is enabled"));
        } else if (behaviour_.refuse) {
            answer =
                message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
                                         QStringLiteral("Permission denied"));
        } else if (behaviour_.interactiveOnly && !interactive) {
            answer = message.createErrorReply(
                QStringLiteral("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"),
                QStringLiteral("Interactive authentication required."));
        }
        message.setDelayedReply(true);
        QTimer::singleShot(behaviour_.delay, this, [this, answer] { bus_.send(answer); });
    }

private:
    Behaviour behaviour_;
    QDBusConnection bus_;
};

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("address"), QStringLiteral("the bus address"));
    parser.addOption({QStringLiteral("ntp"), QStringLiteral("automatic synchronisation on")});
    parser.addOption({QStringLiteral("refuse"), QStringLiteral("polkit refuses")});
    parser.addOption({QStringLiteral("interactive-only"),
                      QStringLiteral("only an interactive call may be authorised")});
    parser.addOption({QStringLiteral("delay"), QStringLiteral("milliseconds before answering"),
                      QStringLiteral("milliseconds"), QStringLiteral("0")});
    parser.process(application);
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "usage: timedated_stand_in ADDRESS [options]\n");
        return 2;
    }
    Behaviour behaviour;
    behaviour.ntp = parser.isSet(QStringLiteral("ntp"));
    behaviour.refuse = parser.isSet(QStringLiteral("refuse"));
    behaviour.interactiveOnly = parser.isSet(QStringLiteral("interactive-only"));
    behaviour.delay = parser.value(QStringLiteral("delay")).toInt();

    QDBusConnection bus = QDBusConnection::connectToBus(parser.positionalArguments().at(0),
                                                        QStringLiteral("stand-in"));
    TimeDate timeDate(behaviour, bus);
    if (!bus.isConnected() ||
        !bus.registerObject(QStringLiteral("/org/freedesktop/timedate1"), &timeDate,
                            QDBusConnection::ExportAllSlots |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.freedesktop.timedate1"))) {
        std::fprintf(stderr, "cannot serve on the bus: %s\n",
                     qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return application.exec();
}

#include "timedated_stand_in_main.moc"
