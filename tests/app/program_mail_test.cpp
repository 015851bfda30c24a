// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dovecot_server.h"
#include "full_backlog_listener.h"
#include "private_keyring.h"
#include "private_x_server.h"
#include "temp_dir.h"
#include "test_certificates.h"
#include "x_client_environment.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// `zorbel --check-mail` and the clock, the real programs, against mailboxes that take TLS
// only, with the passwords in the settings file or in a keyring.
namespace {

struct MailAccountLines {
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 0;
    // Without a value the lines leave Security and TrustedCertificate out, as older files do.
    std::optional<int> security;
    QString trusted;
    // Without a value no TrustedServer line, as in the files of the last version.
    std::optional<QString> trustedServer = std::nullopt;
    QString password = QStringLiteral("secret");
    int protocol = 0;     // 1: IMAP, written only then
    int checkMinutes = 0; // periodic checking at this interval, written only when set
};

QByteArray MailSettings(const MailAccountLines& account) {
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                  "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                                  "\"AccountListCount\"=dword:00000001\r\n\r\n"
                                  "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Account00]\r\n"
                                  "\"Attribute\"=dword:00008009\r\n"
                                  "\"Account\"=\"alice\"\r\n"
                                  "\"UserID\"=\"alice\"\r\n"
                                  "\"PassWord\"=\"%3\"\r\n"
                                  "\"POP3\"=\"%1\"\r\n"
                                  "\"Port\"=dword:%2\r\n")
                       .arg(account.host)
                       .arg(account.port, 8, 16, QLatin1Char('0'))
                       .arg(account.password);
    if (account.protocol != 0) {
        text += QStringLiteral("\"Protocol\"=dword:%1\r\n")
                    .arg(account.protocol, 8, 16, QLatin1Char('0'));
    }
    if (account.checkMinutes != 0) {
        text.replace(QStringLiteral("\"AccountListCount\"=dword:00000001\r\n"),
                     QStringLiteral("\"AccountListCount\"=dword:00000001\r\n"
                                    "\"MailCheckAttr\"=dword:00000002\r\n"
                                    "\"Checkinterval\"=dword:%1\r\n")
                         .arg(account.checkMinutes, 8, 16, QLatin1Char('0')));
    }
    if (account.security) {
        text += QStringLiteral("\"Security\"=dword:%1\r\n\"TrustedCertificate\"=\"%2\"\r\n")
                    .arg(*account.security, 8, 16, QLatin1Char('0'))
                    .arg(account.trusted);
    }
    if (account.trustedServer) {
        text += QStringLiteral("\"TrustedServer\"=\"%1\"\r\n").arg(*account.trustedServer);
    }
    return text.toUtf8();
}

MailAccountLines Imap(MailAccountLines account) {
    account.protocol = 1;
    return account;
}

struct CheckMailResult {
    int exitCode = -1;
    QString output;
};

class ProgramTls : public ::testing::Test {
protected:
    void SetUp() override {
        if (DovecotServer::Executable().isEmpty()) {
            GTEST_SKIP() << "Dovecot is not installed (dovecot-pop3d)";
        }
        certificates_ = TestCertificates::Get();
        ASSERT_NE(certificates_, nullptr) << TestCertificates::Problem().toStdString();
        fingerprint_ = TestCertificates::Fingerprint(certificates_->selfSigned.certificate);
    }
    void StartDovecot(const QStringList& addresses) {
        DovecotOptions options = DovecotOptions::TlsOnTwoLoopbacks(
            certificates_->selfSigned.certificate, certificates_->selfSigned.key);
        options.addresses = addresses;
        dovecot_ = std::make_unique<DovecotServer>(options);
        const QString failure = dovecot_->Start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }
    // The program's environment: off screen, and on the keyring's session bus; without one on
    // none, so that nothing reaches the user's own keyring.
    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("ZORBEL_PROMPTS_ON_STDERR", "1");
        return keyring_.Environment(environment);
    }
    // Runs the check on the stored file, through `wrapper` (a program and its first
    // arguments) if given.
    CheckMailResult CheckMail(const QStringList& wrapper = {}) {
        QProcess check;
        check.setProcessEnvironment(Environment());
        const QStringList arguments = {QStringLiteral(ZORBEL_PROGRAM), "--settings",
                                       folder_.FilePath("zrbl.reg"), "--check-mail"};
        if (wrapper.isEmpty()) {
            check.start(arguments[0], arguments.mid(1));
        } else {
            check.start(wrapper[0], wrapper.mid(1) + arguments);
        }
        CheckMailResult result;
        if (!check.waitForFinished(60000)) {
            ADD_FAILURE() << "the check did not end";
            return result;
        }
        result.exitCode = check.exitCode();
        result.output = QString::fromUtf8(check.readAllStandardOutput());
        return result;
    }
    CheckMailResult CheckMail(const QByteArray& settings, const QStringList& wrapper = {}) {
        folder_.Write("zrbl.reg", settings);
        return CheckMail(wrapper);
    }
    // Starts the clock on the stored file and ends it as a log-off does; the stored file after.
    QString RunTheClock() {
        QProcess clock;
        clock.setProcessEnvironment(Environment());
        clock.start(QStringLiteral(ZORBEL_PROGRAM), {"--settings", folder_.FilePath("zrbl.reg")});
        // The first thing the clock does is to write the defaults the file lacks.
        EXPECT_TRUE(QTest::qWaitFor([this] { return Stored().contains("\"Version\""); }, 20000));
        QTest::qWait(500);
        ::kill(pid_t(clock.processId()), SIGTERM);
        EXPECT_TRUE(clock.waitForFinished(20000));
        EXPECT_EQ(clock.exitCode(), 0) << clock.readAllStandardError().toStdString();
        return Stored();
    }
    QString Stored() const {
        QFile file(folder_.FilePath("zrbl.reg"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    const TestCertificates* certificates_ = nullptr;
    QString fingerprint_;
    std::unique_ptr<DovecotServer> dovecot_;
    TestFolder folder_;
    PrivateKeyring keyring_;
};

} // namespace

TEST_F(ProgramTls, CheckMailHonoursEachAccountsSecurity) {
    StartDovecot({"127.0.0.1", "127.0.0.2"});
    struct Case {
        const char* what;
        MailAccountLines account;
        int exitCode;
        const char16_t* output;
    };
    // From 127.0.0.1 to 127.0.0.2, so that Dovecot does not take the connection as secure.
    const QString host = QStringLiteral("127.0.0.2");
    const QString here = QStringLiteral("127.0.0.2:%1").arg(dovecot_->TlsPort());
    const QString elsewhere = QStringLiteral("127.0.0.2:%1").arg(dovecot_->Port());
    const Case cases[] = {
        {"SSL/TLS, pinned for this server",
         {host, dovecot_->TlsPort(), 2, fingerprint_, here},
         0,
         u"alice：3通のメールがあります\n"},
        {"SSL/TLS, an older file that pinned without a server",
         {host, dovecot_->TlsPort(), 2, fingerprint_},
         0,
         u"alice：3通のメールがあります\n"},
        {"SSL/TLS, pinned for another port",
         {host, dovecot_->TlsPort(), 2, fingerprint_, elsewhere},
         1,
         u"alice：Error:サーバーの証明書を信頼できない\n"},
        {"STARTTLS",
         {host, dovecot_->Port(), 1, fingerprint_.toUpper(), elsewhere},
         0,
         u"alice：3通のメールがあります\n"},
        {"certificate not trusted",
         {host, dovecot_->TlsPort(), 2, {}},
         1,
         u"alice：Error:サーバーの証明書を信頼できない\n"},
        {"an older file, plain text",
         {host, dovecot_->Port(), std::nullopt, {}},
         1,
         u"alice：Error:サーバーに接続できない\n"},
        {"IMAPS, pinned for this server",
         Imap({host, dovecot_->ImapTlsPort(), 2, fingerprint_,
               QStringLiteral("127.0.0.2:%1").arg(dovecot_->ImapTlsPort())}),
         0, u"alice：3通のメールがあります\n"},
        {"IMAP with STARTTLS, pinned for this server",
         Imap({host, dovecot_->ImapPort(), 1, fingerprint_,
               QStringLiteral("127.0.0.2:%1").arg(dovecot_->ImapPort())}),
         0, u"alice：3通のメールがあります\n"},
        {"IMAPS, certificate not trusted", Imap({host, dovecot_->ImapTlsPort(), 2, {}}), 1,
         u"alice：Error:サーバーの証明書を信頼できない\n"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const CheckMailResult result = CheckMail(MailSettings(test.account));
        EXPECT_EQ(result.exitCode, test.exitCode);
        EXPECT_EQ(result.output.toStdString(), QString::fromUtf16(test.output).toStdString());
    }
}

// A name whose first address (IPv6) is dead: the check goes on to the next one. The name
// lives in a private /etc/hosts, bound over the real one in a mount namespace of the check's
// own.
TEST_F(ProgramTls, NameWithADeadFirstAddressReachesTheNextOne) {
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty() || QProcess::execute(unshare, {"--mount", "true"}) != 0) {
        GTEST_SKIP() << "cannot make a mount namespace here (needs root)";
    }
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHostIPv6, 0)) {
        GTEST_SKIP() << "this system has no IPv6 loopback";
    }
    probe.close();
    StartDovecot({"127.0.0.1"});
    folder_.Write("hosts", "127.0.0.1 localhost\n"
                           "::1 mail.zorbel.test\n"
                           "127.0.0.1 mail.zorbel.test\n");
    const QStringList wrapper = {unshare,
                                 "--mount",
                                 "sh",
                                 "-c",
                                 "mount --bind \"$0\" /etc/hosts && exec \"$@\"",
                                 folder_.FilePath("hosts")};
    const MailAccountLines account = {"mail.zorbel.test", dovecot_->TlsPort(), 2, fingerprint_};
    for (const bool silent : {false, true}) {
        SCOPED_TRACE(silent ? "silent" : "refusing");
        // Silent: a listener on ::1 whose backlog is full never answers the connect.
        std::unique_ptr<FullBacklogListener> deadEnd;
        if (silent) {
            deadEnd = std::make_unique<FullBacklogListener>(
                QHostAddress(QHostAddress::LocalHostIPv6), dovecot_->TlsPort());
            if (!deadEnd->IsReady()) {
                GTEST_SKIP() << "cannot make a connect that stays pending on this system";
            }
        }
        const CheckMailResult result = CheckMail(MailSettings(account), wrapper);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.output.toStdString(), "alice：3通のメールがあります\n");
    }
}

// With a keyring the clock moves the password out of the file at the latest when it ends, and
// the check reads it there; a keyring locked and not unlocked gives no password, and then no
// login is tried.
TEST_F(ProgramTls, KeyringKeepsThePasswordTheCheckUses) {
    if (!PrivateKeyring::Missing().isEmpty()) {
        GTEST_SKIP() << "not installed: " << PrivateKeyring::Missing().toStdString();
    }
    ASSERT_EQ(keyring_.StartBus().toStdString(), "");
    ASSERT_EQ(keyring_.StartKeyring().toStdString(), "");
    StartDovecot({"127.0.0.1", "127.0.0.2"});
    MailAccountLines account = {"127.0.0.2", dovecot_->TlsPort(), 2, fingerprint_};
    folder_.Write("zrbl.reg", MailSettings(account));
    const QString stored = RunTheClock();
    EXPECT_TRUE(stored.contains("\"PassWord\"=\"\"")) << stored.toStdString();
    EXPECT_FALSE(stored.contains("secret"));
    EXPECT_EQ(keyring_.Lookup("alice@127.0.0.2"), QStringLiteral("secret"));
    CheckMailResult result = CheckMail();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output.toStdString(), "alice：3通のメールがあります\n");

    QTcpServer listener;
    ASSERT_TRUE(listener.listen(QHostAddress(QStringLiteral("127.0.0.2"))));
    account.port = listener.serverPort();
    account.password.clear();
    ASSERT_EQ(keyring_.Lock().toStdString(), "");
    result = CheckMail(MailSettings(account));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output.toStdString(), "alice：Error:パスワードを取得できない\n");
    EXPECT_FALSE(listener.waitForNewConnection(0)) << "no login was tried";
}

TEST_F(ProgramTls, WithoutAKeyringThePasswordStaysInTheFile) {
    StartDovecot({"127.0.0.1", "127.0.0.2"});
    const MailAccountLines account = {"127.0.0.2", dovecot_->TlsPort(), 2, fingerprint_};
    for (const bool bus : {false, true}) {
        SCOPED_TRACE(bus ? "a session bus without a keyring" : "no session bus");
        if (bus) {
            ASSERT_EQ(keyring_.StartBus().toStdString(), "");
        }
        folder_.Write("zrbl.reg", MailSettings(account));
        EXPECT_TRUE(RunTheClock().contains("\"PassWord\"=\"secret\""));
        const CheckMailResult result = CheckMail();
        EXPECT_EQ(result.output.toStdString(), "alice：3通のメールがあります\n");
    }
}

// The clock as a user runs it, with one IMAP account checked every 60 minutes: a message that
// arrives shows the notification window within seconds, through IDLE; and the clock ends at
// once while its watch idles.
TEST_F(ProgramTls, ClockShowsNewImapMailWithinSecondsAndEndsAtOnceWhileIdling) {
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
        QStandardPaths::findExecutable("xwininfo").isEmpty()) {
        GTEST_SKIP() << "needs Xvfb and xwininfo (xvfb, x11-utils)";
    }
    StartDovecot({"127.0.0.1", "127.0.0.2"});
    PrivateXServer x(QSize(800, 600));
    ASSERT_FALSE(x.Display().isEmpty());
    const quint16 port = dovecot_->ImapTlsPort();
    folder_.Write("zrbl.reg",
                  MailSettings({.host = QStringLiteral("127.0.0.2"),
                                .port = port,
                                .security = 2,
                                .trusted = fingerprint_,
                                .trustedServer = QStringLiteral("127.0.0.2:%1").arg(port),
                                .protocol = 1,
                                .checkMinutes = 60}));
    QProcessEnvironment environment = Environment();
    environment.remove("ZORBEL_PROMPTS_ON_STDERR");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("DISPLAY", x.Display());
    RelaxStringChecksForX(environment);
    QProcess clock;
    clock.setProcessEnvironment(environment);
    clock.start(QStringLiteral(ZORBEL_PROGRAM), {"--settings", folder_.FilePath("zrbl.reg")});
    // The watch logs in, opens the inbox and idles; nothing is checked before mail comes.
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return dovecot_->Log().contains(
                QStringLiteral("imap-login: Info: Login: user=<alice>"));
        },
        30000))
        << dovecot_->Log().toStdString();
    QTest::qWait(1000);
    const QString notice = QStringLiteral("お知らせ By Zorbel");
    EXPECT_FALSE(x.WindowNames().contains(notice)) << "no check before the interval";

    ASSERT_EQ(dovecot_->Deliver("From: bob@example.com\r\nSubject: hi\r\n\r\nhello\r\n"),
              QString());
    QElapsedTimer sinceDelivery;
    sinceDelivery.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return x.WindowNames().contains(notice); }, 10000))
        << x.WindowNames().join(" | ").toStdString();
    std::fprintf(stderr, "notification %lld ms after the delivery\n",
                 static_cast<long long>(sinceDelivery.elapsed()));

    QElapsedTimer sinceSignal;
    sinceSignal.start();
    ::kill(pid_t(clock.processId()), SIGTERM);
    ASSERT_TRUE(clock.waitForFinished(10000));
    // Far below the watch's 30-second time-outs: the exit does not wait for them.
    EXPECT_LT(sinceSignal.elapsed(), 2500);
    std::fprintf(stderr, "ended %lld ms after the signal\n",
                 static_cast<long long>(sinceSignal.elapsed()));
    EXPECT_EQ(clock.exitCode(), 0) << clock.readAllStandardError().toStdString();
}
