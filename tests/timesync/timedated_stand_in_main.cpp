// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for systemd-timedated on a private bus, for the tests of setting the clock: it
// owns org.freedesktop.timedate1, shows the NTP property off and answers every SetTime with
// success, without touching any clock.
//
//   timedated_stand_in ADDRESS
//
// Prints "ready" once it owns the name, then one line per SetTime call:
//     SetTime <microseconds> relative=<0|1> interactive=<0|1> allowInteractive=<0|1>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <cstdio>

class TimeDate : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.timedate1")
    Q_PROPERTY(bool NTP READ Ntp)

public:
    bool Ntp() const { return false; }

public slots:
    void SetTime(qlonglong microseconds, bool relative, bool interactive,
                 const QDBusMessage& message) {
        std::printf("SetTime %lld relative=%d interactive=%d allowInteractive=%d\n",
                    static_cast<long long>(microseconds), relative ? 1 : 0, interactive ? 1 : 0,
                    message.isInteractiveAuthorizationAllowed() ? 1 : 0);
        std::fflush(stdout);
    }
};

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: timedated_stand_in ADDRESS\n");
        return 2;
    }
    QDBusConnection bus =
        QDBusConnection::connectToBus(arguments.at(1), QStringLiteral("stand-in"));
    TimeDate timeDate;
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
