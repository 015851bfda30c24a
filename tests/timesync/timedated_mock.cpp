// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timedated_mock.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");
const QString Service = QStringLiteral("org.freedesktop.timedate1");
const QString ObjectPath = QStringLiteral("/org/freedesktop/timedate1");

// A connection of the test's own to the private bus, for one use.
class TestConnection {
public:
    explicit TestConnection(const QString& address)
        : name_(QStringLiteral("timedated-mock-%1").arg(++count_)),
          bus_(QDBusConnection::connectToBus(address, name_)) {}
    ~TestConnection() { QDBusConnection::disconnectFromBus(name_); }
    QDBusConnection& Bus() { return bus_; }

private:
    static inline int count_ = 0;
    QString name_;
    QDBusConnection bus_;
};

} // namespace

TimedatedMock::~TimedatedMock() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            Kill();
        }
    }
}

bool TimedatedMock::Available() {
    return QProcess::execute(Python, {QStringLiteral("-c"), QStringLiteral("import dbusmock")}) ==
           0;
}

QString TimedatedMock::Start(const QString& busAddress, bool ntp) {
    busAddress_ = busAddress;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), busAddress);
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(Python,
                   {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                    QStringLiteral("--template"), QStringLiteral("timedated"),
                    QStringLiteral("--parameters"),
                    ntp ? QStringLiteral(R"({"NTP": true})") : QStringLiteral(R"({"NTP": false})"),
                    QStringLiteral("--logfile"), folder_.filePath(QStringLiteral("calls.log"))});
    if (!process_.waitForStarted(5000)) {
        return QStringLiteral("dbusmock did not start: %1").arg(process_.errorString());
    }
    TestConnection connection(busAddress);
    QElapsedTimer waited;
    waited.start();
    while (!connection.Bus().interface()->isServiceRegistered(Service)) {
        if (process_.state() != QProcess::Running || waited.elapsed() > 20000) {
            return QStringLiteral("dbusmock does not serve: %1")
                .arg(QString::fromLocal8Bit(process_.readAll()));
        }
        QThread::msleep(20);
    }
    return {};
}

QString TimedatedMock::ReplaceSetTime(const QString& pythonCode) {
    TestConnection connection(busAddress_);
    QDBusMessage addMethod = QDBusMessage::createMethodCall(
        Service, ObjectPath, QStringLiteral("org.freedesktop.DBus.Mock"),
        QStringLiteral("AddMethod"));
    addMethod << Service << QStringLiteral("SetTime") << QStringLiteral("xbb") << QString()
              << pythonCode;
    const QDBusMessage answer = connection.Bus().call(addMethod);
    return answer.type() == QDBusMessage::ReplyMessage ? QString() : answer.errorMessage();
}

void TimedatedMock::Kill() {
    process_.kill();
    process_.waitForFinished(5000);
}

std::vector<TimedatedMock::Call> TimedatedMock::Calls() const {
    QFile log(folder_.filePath(QStringLiteral("calls.log")));
    std::vector<Call> calls;
    if (!log.open(QIODevice::ReadOnly)) {
        return calls;
    }
    // "1796754322.674 SetTime 1039210205450000 False True"
    static const QRegularExpression form(
        QStringLiteral(R"(^[\d.]+ SetTime (-?\d+) (True|False) (True|False)$)"));
    while (!log.atEnd()) {
        const QRegularExpressionMatch match =
            form.match(QString::fromUtf8(log.readLine()).trimmed());
        if (match.hasMatch()) {
            calls.push_back({match.captured(1).toLongLong(),
                             match.captured(2) == QLatin1String("True"),
                             match.captured(3) == QLatin1String("True")});
        }
    }
    return calls;
}
