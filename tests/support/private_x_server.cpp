// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "private_x_server.h"

#include "x_client_environment.h"

#include <QRegularExpression>
#include <QTest>

PrivateXServer::PrivateXServer(QSize screen) {
    // The server takes the first free number itself and writes it out once clients can
    // connect: tests running at the same time never pick the same display, as they could by
    // looking for a free lock file first and starting a server on it after.
    const QString geometry = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start(QStringLiteral("Xvfb"),
                  {"-displayfd", "1", "-screen", "0", geometry, "-nolisten", "tcp", "-noreset"});
    const bool answered = QTest::qWaitFor(
        [this] { return server_.canReadLine() || server_.state() == QProcess::NotRunning; }, 10000);
    bool isNumber = false;
    const int number = answered ? server_.readLine().trimmed().toInt(&isNumber) : 0;
    if (isNumber && server_.state() == QProcess::Running) {
        display_ = QStringLiteral(":%1").arg(number);
    }
}

PrivateXServer::~PrivateXServer() {
    server_.terminate();
    if (!server_.waitForFinished(5000)) {
        server_.kill();
        server_.waitForFinished(5000);
    }
}

QProcessEnvironment PrivateXServer::ClientEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    // No session bus: nothing may reach the user's keyring, and none may be started for the
    // display (as D-Bus does for an X client without one).
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorbel-test-bus");
    RelaxStringChecksForX(environment);
    return environment;
}

std::optional<QString> PrivateXServer::Run(const char* tool, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(ClientEnvironment());
    process.start(QString::fromLatin1(tool), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList PrivateXServer::WindowNames() const {
    QStringList names;
    const QRegularExpression named(QStringLiteral("^\\s*0x[0-9a-f]+ \"(.*)\": \\("));
    const QString tree = Run("xwininfo", {"-root", "-children"}).value_or(QString());
    for (const QString& line : tree.split('\n')) {
        if (const QRegularExpressionMatch match = named.match(line); match.hasMatch()) {
            names.append(match.captured(1));
        }
    }
    return names;
}
