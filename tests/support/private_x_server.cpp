// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "private_x_server.h"

#include "x_client_environment.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

// A lock file that a killed server left behind keeps its number taken, so the search goes on
// well past the first few.
constexpr int NumbersTried = 100;

} // namespace

PrivateXServer::PrivateXServer(int firstNumber, QSize screen) {
    const QString geometry = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    for (int number = firstNumber; number < firstNumber + NumbersTried && display_.isEmpty();
         ++number) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))) {
            continue;
        }
        server_.start(QStringLiteral("Xvfb"), {QStringLiteral(":%1").arg(number), "-screen", "0",
                                               geometry, "-nolisten", "tcp", "-noreset"});
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        if (server_.waitForStarted() &&
            QTest::qWaitFor([&] { return QFile::exists(socket); }, 5000) &&
            server_.state() == QProcess::Running) {
            display_ = QStringLiteral(":%1").arg(number);
        } else {
            server_.kill();
            server_.waitForFinished(5000);
        }
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
