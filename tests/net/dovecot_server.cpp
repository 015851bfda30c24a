// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dovecot_server.h"

#include "scripted_peer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QThread>
#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

const QStringList kSearchPath = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                 QStringLiteral("/usr/local/sbin")};

QString Fixture(const QString& name) {
    return QStringLiteral(ZORBEL_NET_FIXTURES "/") + name;
}

} // namespace

DovecotServer::DovecotServer(DovecotOptions options) : options_(std::move(options)) {}

DovecotServer::~DovecotServer() {
    if (running_) {
        QProcess::execute(QStandardPaths::findExecutable(QStringLiteral("doveadm"), kSearchPath),
                          {QStringLiteral("-c"), configuration_, QStringLiteral("stop")});
    }
}

QString DovecotServer::Executable() {
#ifdef _WIN32
    return {}; // the fixture prepares a Linux installation only
#else
    return QStandardPaths::findExecutable(QStringLiteral("dovecot"), kSearchPath);
#endif
}

QString DovecotServer::Prepare() {
#ifdef _WIN32
    return QStringLiteral("Dovecot runs on Linux only");
#else
    const passwd* mailUser = getpwnam("dovecot");
    if (mailUser == nullptr) {
        return QStringLiteral("there is no dovecot user to own the mail");
    }
    const QString root = folder_.path();
    // The mail and auth processes run as the dovecot user and must reach their files.
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::ExeOther);
    const QString maildir = root + QStringLiteral("/home/alice/Maildir");
    for (const char* part : {"cur", "new", "tmp"}) {
        QDir().mkpath(maildir + QLatin1Char('/') + QLatin1String(part));
    }
    for (int number = 1; number <= 3; ++number) {
        const QString source = Fixture(QStringLiteral("message%1.eml").arg(number));
        const QString target =
            maildir + QStringLiteral("/new/100000000%1.M%1P1.zorbel").arg(number);
        if (!QFile::copy(source, target)) {
            return QStringLiteral("cannot copy %1").arg(source);
        }
    }
    QDirIterator entries(root + QStringLiteral("/home"), QDir::AllEntries | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    // Dovecot reads the mail as its own user: a file left to root fails only later, at login.
    QStringList mailFiles = {root + QStringLiteral("/home")};
    while (entries.hasNext()) {
        mailFiles << entries.next();
    }
    for (const QString& path : mailFiles) {
        if (::chown(QFile::encodeName(path).constData(), mailUser->pw_uid, mailUser->pw_gid) != 0) {
            return QStringLiteral("cannot give %1 to the mail user").arg(path);
        }
    }

    QFile passwordFile(root + QStringLiteral("/passwd"));
    if (!passwordFile.open(QIODevice::WriteOnly) ||
        passwordFile.write("alice:{PLAIN}secret::::\n") < 0) {
        return QStringLiteral("cannot write the password file");
    }
    passwordFile.close();

    QFile templateFile(Fixture(QStringLiteral("dovecot.conf.in")));
    if (!templateFile.open(QIODevice::ReadOnly)) {
        return QStringLiteral("cannot read %1").arg(templateFile.fileName());
    }
    QList<quint16> taken;
    const auto freePort = [&taken] {
        quint16 port = 0;
        do {
            port = ScriptedPeer::ClosedPort();
        } while (taken.contains(port));
        taken << port;
        return port;
    };
    port_ = freePort();
    QString security = QStringLiteral("ssl = no\ndisable_plaintext_auth = no\n");
    QString tlsListener;
    if (!options_.certificate.isEmpty()) {
        tlsPort_ = freePort();
        const QString certificate = root + QStringLiteral("/server.pem");
        const QString key = root + QStringLiteral("/server.key");
        if (!QFile::copy(options_.certificate, certificate) || !QFile::copy(options_.key, key)) {
            return QStringLiteral("cannot copy the certificate and key");
        }
        security = QStringLiteral("ssl = required\n"
                                  "ssl_cert = <%1\n"
                                  "ssl_key = <%2\n"
                                  "ssl_min_protocol = TLSv1.2\n"
                                  "disable_plaintext_auth = yes\n")
                       .arg(certificate, key);
        tlsListener = QStringLiteral("inet_listener pop3s {\n    port = %1\n    ssl = yes\n  }")
                          .arg(tlsPort_);
    }
    QString imapService;
    if (options_.imap) {
        imapPort_ = freePort();
        QString imapsListener;
        if (!options_.certificate.isEmpty()) {
            imapTlsPort_ = freePort();
            imapsListener =
                QStringLiteral("inet_listener imaps {\n    port = %1\n    ssl = yes\n  }")
                    .arg(imapTlsPort_);
        }
        imapService = QStringLiteral("service imap-login {\n  chroot =\n"
                                     "  inet_listener imap {\n    port = %1\n  }\n  %2\n}")
                          .arg(imapPort_)
                          .arg(imapsListener);
    }
    QString text = QString::fromUtf8(templateFile.readAll());
    text.replace(QStringLiteral("@DIR@"), root)
        .replace(QStringLiteral("@LISTEN@"), options_.addresses.join(QStringLiteral(", ")))
        .replace(QStringLiteral("@SECURITY@"), security)
        .replace(QStringLiteral("@PROTOCOLS@"),
                 options_.imap ? QStringLiteral("pop3 imap") : QStringLiteral("pop3"))
        .replace(QStringLiteral("@TLS_LISTENER@"), tlsListener)
        .replace(QStringLiteral("@IMAP_SERVICE@"), imapService)
        .replace(QStringLiteral("@PORT@"), QString::number(port_))
        .replace(QStringLiteral("@UID@"), QString::number(mailUser->pw_uid))
        .replace(QStringLiteral("@GID@"), QString::number(mailUser->pw_gid));
    configuration_ = root + QStringLiteral("/dovecot.conf");
    QFile configurationFile(configuration_);
    if (!configurationFile.open(QIODevice::WriteOnly) ||
        configurationFile.write(text.toUtf8()) < 0) {
        return QStringLiteral("cannot write %1").arg(configuration_);
    }
    return {};
#endif
}

bool DovecotServer::Greets() const {
    QTcpSocket probe;
    probe.connectToHost(options_.addresses.value(0), port_);
    return probe.waitForConnected(500) && probe.waitForReadyRead(2000) &&
           probe.readLine().startsWith("+OK");
}

QString DovecotServer::Start() {
    if (!folder_.isValid()) {
        return QStringLiteral("no temporary folder");
    }
    if (const QString problem = Prepare(); !problem.isEmpty()) {
        return problem;
    }
    QProcess dovecot;
    dovecot.setProcessChannelMode(QProcess::MergedChannels);
    dovecot.start(Executable(), {QStringLiteral("-c"), configuration_});
    dovecot.waitForFinished(10000);
    if (dovecot.exitStatus() != QProcess::NormalExit || dovecot.exitCode() != 0) {
        return QStringLiteral("dovecot did not start: ") +
               QString::fromLocal8Bit(dovecot.readAll());
    }
    running_ = true;
    // The master forks its listeners after returning; give them a few seconds at most.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (Greets()) {
            return {};
        }
        QThread::msleep(100);
    }
    return QStringLiteral("dovecot does not answer on port %1: %2").arg(port_).arg(Log());
}

QString DovecotServer::Log() const {
    QFile log(folder_.path() + QStringLiteral("/dovecot.log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

QString DovecotServer::Deliver(const QByteArray& message) {
#ifdef _WIN32
    Q_UNUSED(message);
    return QStringLiteral("Dovecot runs on Linux only");
#else
    const passwd* mailUser = getpwnam("dovecot");
    if (mailUser == nullptr) {
        return QStringLiteral("there is no dovecot user to own the mail");
    }
    const QString maildir = folder_.path() + QStringLiteral("/home/alice/Maildir");
    const QString name = QStringLiteral("200000000%1.M%1P2.zorbel").arg(++deliveries_);
    const QString draft = maildir + QStringLiteral("/tmp/") + name;
    QFile file(draft);
    if (!file.open(QIODevice::WriteOnly) || file.write(message) != message.size()) {
        return QStringLiteral("cannot write %1").arg(draft);
    }
    file.close();
    if (::chown(QFile::encodeName(draft).constData(), mailUser->pw_uid, mailUser->pw_gid) != 0 ||
        !QFile::rename(draft, maildir + QStringLiteral("/new/") + name)) {
        return QStringLiteral("cannot move %1 into new/").arg(draft);
    }
    return {};
#endif
}

QString DovecotServer::MarkSeen(int uid) {
    QProcess doveadm;
    doveadm.setProcessChannelMode(QProcess::MergedChannels);
    doveadm.start(QStandardPaths::findExecutable(QStringLiteral("doveadm"), kSearchPath),
                  {QStringLiteral("-c"), configuration_, QStringLiteral("flags"),
                   QStringLiteral("add"), QStringLiteral("-u"), QStringLiteral("alice"),
                   QStringLiteral("\\Seen"), QStringLiteral("mailbox"), QStringLiteral("INBOX"),
                   QStringLiteral("uid"), QString::number(uid)});
    if (!doveadm.waitForFinished(10000) || doveadm.exitStatus() != QProcess::NormalExit ||
        doveadm.exitCode() != 0) {
        return QStringLiteral("doveadm flags add failed: ") +
               QString::fromLocal8Bit(doveadm.readAll());
    }
    return {};
}
