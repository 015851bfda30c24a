// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chrony_server.h"

#include "net/sntp_reply.h"

#include <QElapsedTimer>
#include <QFile>
#include <QNetworkDatagram>
#include <QStandardPaths>
#include <QThread>
#include <QUdpSocket>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

const QStringList SearchPath = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                QStringLiteral("/usr/local/sbin")};

constexpr int StartAttempts = 3;

quint16 FreeUdpPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

} // namespace

ChronyServer::~ChronyServer() {
    Stop();
}

QString ChronyServer::Executable() {
#ifdef _WIN32
    return {};
#else
    return QStandardPaths::findExecutable(QStringLiteral("chronyd"), SearchPath);
#endif
}

QString ChronyServer::Start() {
    QString failure;
    // The free port is only free when probed; another program may take it before chronyd.
    for (int attempt = 0; attempt < StartAttempts; ++attempt) {
        failure = StartOnce();
        if (failure.isEmpty()) {
            return {};
        }
        Stop();
    }
    return failure;
}

QString ChronyServer::StartOnce() {
#ifdef _WIN32
    return QStringLiteral("chrony runs on Linux only");
#else
    if (!folder_.isValid()) {
        return QStringLiteral("no temporary folder");
    }
    port_ = FreeUdpPort();
    const QString root = folder_.path();
    const QString configuration = folder_.filePath(QStringLiteral("chrony.conf"));
    QFile file(configuration);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return QStringLiteral("cannot write %1").arg(configuration);
    }
    // No command port and no command socket: the server needs none, and the socket's usual
    // place is shared by every chronyd on the machine.
    file.write(QStringLiteral("port %1\n"
                              "bindaddress 127.0.0.1\n"
                              "local stratum 8\n"
                              "allow 127.0.0.1\n"
                              "cmdport 0\n"
                              "bindcmdaddress /\n"
                              "pidfile %2/chronyd.pid\n"
                              "driftfile %2/chrony.drift\n")
                   .arg(port_)
                   .arg(root)
                   .toUtf8());
    file.close();

    QStringList arguments = {QStringLiteral("-f"), configuration, QStringLiteral("-d"),
                             QStringLiteral("-x")};
    // As root chronyd would drop to its own user, who cannot write the private folder.
    if (::geteuid() == 0) {
        arguments << QStringLiteral("-u") << QStringLiteral("root");
    } else {
        arguments << QStringLiteral("-U");
    }
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(Executable(), arguments);
    if (!process_.waitForStarted(5000)) {
        return QStringLiteral("chronyd did not start: %1").arg(process_.errorString());
    }
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000) {
        if (process_.state() != QProcess::Running) {
            return QStringLiteral("chronyd ended: %1")
                .arg(QString::fromLocal8Bit(process_.readAll()));
        }
        if (Answers()) {
            return {};
        }
    }
    return QStringLiteral("chronyd does not answer on port %1: %2")
        .arg(port_)
        .arg(QString::fromLocal8Bit(process_.readAll()));
#endif
}

bool ChronyServer::Answers() const {
    QUdpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port_);
    if (!probe.waitForConnected(1000)) {
        return false;
    }
    // Only a server's answer to this very request counts. Before chronyd has bound the port,
    // the probe's own ephemeral port may be the one just found free, and then the socket
    // is connected to itself and reads back its own request.
    constexpr NtpTimestamp Nonce = 0x0123456789ABCDEF;
    probe.write(SntpRequest(Nonce));
    if (!probe.waitForReadyRead(200)) {
        // Refused while chronyd starts: a short pause rather than a busy loop.
        QThread::msleep(20);
        return false;
    }
    const QNetworkDatagram answer = probe.receiveDatagram();
    return answer.senderPort() == port_ &&
           CheckSntpReply(answer.data(), Nonce).check == SntpReplyCheck::Ok;
}

void ChronyServer::Stop() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
}
