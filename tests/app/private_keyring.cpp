// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "private_keyring.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

PrivateKeyring::PrivateKeyring() {
    QDir(home_.Path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(home_.FilePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

PrivateKeyring::~PrivateKeyring() {
    if (daemon_.state() != QProcess::NotRunning) {
        daemon_.terminate();
        if (!daemon_.waitForFinished(5000)) {
            daemon_.kill();
            daemon_.waitForFinished(5000);
        }
    }
}

QString PrivateKeyring::Missing() {
    QStringList missing;
    for (const char* program :
         {"dbus-daemon", "dbus-send", "gnome-keyring-daemon", "secret-tool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) {
            missing << QString::fromLatin1(program);
        }
    }
    return missing.join(QStringLiteral(", "));
}

QString PrivateKeyring::StartBus() {
    return bus_.Start();
}

QProcessEnvironment PrivateKeyring::Environment(QProcessEnvironment base) const {
    base.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                bus_.Address().isEmpty()
                    ? QStringLiteral("unix:path=") + home_.FilePath(QStringLiteral("no-bus"))
                    : bus_.Address());
    base.insert(QStringLiteral("HOME"), home_.Path());
    base.insert(QStringLiteral("XDG_DATA_HOME"), home_.FilePath(QStringLiteral("data")));
    base.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.FilePath(QStringLiteral("config")));
    base.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.FilePath(QStringLiteral("run")));
    base.remove(QStringLiteral("DISPLAY"));
    return base;
}

QString PrivateKeyring::StartKeyring() {
    daemon_.setProcessEnvironment(Environment(QProcessEnvironment::systemEnvironment()));
    daemon_.start(QStringLiteral("gnome-keyring-daemon"),
                  {"--foreground", "--unlock", "--components=secrets"});
    if (!daemon_.waitForStarted(5000)) {
        return QStringLiteral("gnome-keyring-daemon did not start: ") + daemon_.errorString();
    }
    daemon_.write("keyring password");
    daemon_.closeWriteChannel();
    const auto ready = [this] {
        const std::optional<QString> owned = Run(
            QStringLiteral("dbus-send"),
            {"--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
             "org.freedesktop.DBus.NameHasOwner", "string:org.freedesktop.secrets"});
        return owned && owned->contains(QStringLiteral("boolean true"));
    };
    if (!QTest::qWaitFor(ready, 10000)) {
        return QStringLiteral("the keyring did not come up: ") +
               QString::fromLocal8Bit(daemon_.readAllStandardError());
    }
    return {};
}

QString PrivateKeyring::Lock() {
    const std::optional<QString> locked =
        Run(QStringLiteral("dbus-send"),
            {"--session", "--print-reply", "--dest=org.freedesktop.secrets",
             "/org/freedesktop/secrets", "org.freedesktop.Secret.Service.Lock",
             "array:objpath:/org/freedesktop/secrets/collection/login"});
    return locked ? QString() : QStringLiteral("the keyring could not be locked");
}

std::optional<QString> PrivateKeyring::Lookup(const QString& entry) const {
    return Run(QStringLiteral("secret-tool"), {"lookup", "server", "Zorbel", "user", entry});
}

std::optional<QString> PrivateKeyring::Run(const QString& program,
                                           const QStringList& arguments) const {
    QProcess tool;
    tool.setProcessEnvironment(Environment(QProcessEnvironment::systemEnvironment()));
    tool.start(program, arguments);
    if (!tool.waitForFinished(10000) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}
