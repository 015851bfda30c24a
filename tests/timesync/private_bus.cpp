// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "private_bus.h"

#include <QFile>
#include <QStandardPaths>

PrivateBus::~PrivateBus() {
    Stop();
}

void PrivateBus::Stop() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
}

QString PrivateBus::Executable() {
    return QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
}

QString PrivateBus::Start() {
    if (!folder_.isValid()) {
        return QStringLiteral("no temporary folder");
    }
    const QString configuration = folder_.filePath(QStringLiteral("bus.conf"));
    QFile file(configuration);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("cannot write %1").arg(configuration);
    }
    // Anyone connected may own any name and call anything: the bus holds only the test's
    // own programs.
    file.write(QStringLiteral(
                   "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
                   "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                   "<busconfig>\n"
                   "  <listen>unix:path=%1</listen>\n"
                   "  <auth>EXTERNAL</auth>\n"
                   "  <policy context=\"default\">\n"
                   "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                   "    <allow eavesdrop=\"true\"/>\n"
                   "    <allow own=\"*\"/>\n"
                   "  </policy>\n"
                   "</busconfig>\n")
                   .arg(folder_.filePath(QStringLiteral("bus")))
                   .toUtf8());
    file.close();
    process_.start(Executable(), {QStringLiteral("--config-file=") + configuration,
                                  QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    if (!process_.waitForStarted(5000)) {
        return QStringLiteral("dbus-daemon did not start: %1").arg(process_.errorString());
    }
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(10000)) {
            return QStringLiteral("dbus-daemon gave no address: %1")
                .arg(QString::fromLocal8Bit(process_.readAllStandardError()));
        }
    }
    address_ = QString::fromUtf8(process_.readLine()).trimmed();
    return {};
}
