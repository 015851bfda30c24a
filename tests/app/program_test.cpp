#include "dovecot_server.h"
#include "temp_dir.h"

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

// The real program, started as a user would start it, on the off-screen platform.
namespace {

struct ProgramFixture : ::testing::Test {
    TestFolder folder;
    QString settings = folder.FilePath("zrbl.reg");

    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", folder.Path());
        environment.insert("ZORBEL_PROMPTS_ON_STDERR", "1");
        return environment;
    }

    void Start(QProcess& process, const QStringList& arguments) const {
        process.setProcessEnvironment(Environment());
        process.start(QStringLiteral(ZORBEL_PROGRAM), arguments);
        ASSERT_TRUE(process.waitForStarted());
    }
};

} // namespace

TEST_F(ProgramFixture, SecondStartIsRefusedAndTheFirstKeepsRunning) {
    QProcess first;
    Start(first, {"--settings", settings});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(settings); }, 10000));

    QProcess second;
    Start(second, {"--settings", folder.FilePath("other.reg")});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 255);
    EXPECT_TRUE(
        QString::fromUtf8(second.readAllStandardError()).contains("すでに起動されています。"));
    EXPECT_EQ(first.state(), QProcess::Running);

    // Log-off and shutdown end the clock as its menu's exit does: saved, exit code 0.
    QFile::remove(settings);
    ::kill(pid_t(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(settings)) << "the settings were saved at the end";
}

TEST_F(ProgramFixture, RenderWritesThePictureAndSavesTheSettings) {
    QProcess render;
    const QString output = folder.FilePath("face.png");
    Start(render, {"--settings", settings, "--render", output, "--at", "2002-12-06 07:05:09"});
    ASSERT_TRUE(render.waitForFinished(20000));
    EXPECT_EQ(render.exitCode(), 0) << render.readAllStandardError().constData();
    const QImage face(output);
    EXPECT_EQ(face.size(), QSize(320, 200));
    EXPECT_TRUE(QFile::exists(settings));
}

TEST_F(ProgramFixture, BadArgumentsAndUnwritableOutput) {
    QProcess bad;
    Start(bad, {"--frobnicate"});
    ASSERT_TRUE(bad.waitForFinished(10000));
    EXPECT_EQ(bad.exitCode(), 2);
    EXPECT_TRUE(bad.readAllStandardError().contains("Usage"));

    QProcess unwritable;
    Start(unwritable,
          {"--settings", settings, "--render", folder.FilePath("no/such/dir/face.png")});
    ASSERT_TRUE(unwritable.waitForFinished(20000));
    EXPECT_EQ(unwritable.exitCode(), 1);
    EXPECT_TRUE(unwritable.readAllStandardError().contains("cannot write"));
}

TEST_F(ProgramFixture, CheckTimePrintsBothClocksAndNeverWritesTheSettings) {
    QTcpServer daytime;
    ASSERT_TRUE(daytime.listen(QHostAddress::LocalHost));
    QObject::connect(&daytime, &QTcpServer::newConnection, [&daytime] {
        QTcpSocket* peer = daytime.nextPendingConnection();
        peer->write("\n52615 02-12-06 21:30:05 00 0 0 450.0 UTC(NIST) *\n");
        peer->disconnectFromHost();
    });
    QProcess check;
    Start(check, {"--settings", settings, "--check-time",
                  QStringLiteral("127.0.0.1:%1").arg(daytime.serverPort())});
    ASSERT_TRUE(QTest::qWaitFor([&] { return check.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().constData();
    const QString output = QString::fromUtf8(check.readAllStandardOutput());
    EXPECT_TRUE(output.startsWith(QStringLiteral("パソコンの時刻:"))) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 450")))
        << output.toStdString();

    QProcess refused;
    Start(refused, {"--settings", settings, "--check-time", "127.0.0.1:1"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return refused.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(refused.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(refused.readAllStandardError()).contains("接続できませんでした"));
    EXPECT_FALSE(QFile::exists(settings)) << "a check reports and writes nothing";
}

namespace {

// A settings file with one checked POP3 account on the given port.
QByteArray MailSettings(quint16 port, const char* password) {
    return QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                          "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                          "\"AccountListCount\"=dword:00000001\r\n\r\n"
                          "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Account00]\r\n"
                          "\"Attribute\"=dword:00008009\r\n"
                          "\"Account\"=\"alice\"\r\n"
                          "\"UserID\"=\"alice\"\r\n"
                          "\"PassWord\"=\"%1\"\r\n"
                          "\"POP3\"=\"127.0.0.1\"\r\n"
                          "\"Port\"=dword:%2\r\n")
        .arg(QLatin1String(password))
        .arg(port, 8, 16, QLatin1Char('0'))
        .toUtf8();
}

} // namespace

TEST_F(ProgramFixture, CheckMailPrintsTheNotificationLinesAgainstDovecot) {
    if (DovecotServer::Executable().isEmpty()) {
        GTEST_SKIP() << "Dovecot is not installed (dovecot-pop3d)";
    }
    DovecotServer dovecot;
    const QString failure = dovecot.Start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();

    folder.Write("zrbl.reg", MailSettings(dovecot.Port(), "secret"));
    QProcess check;
    Start(check, {"--settings", settings, "--check-mail"});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().constData();
    EXPECT_EQ(QString::fromUtf8(check.readAllStandardOutput()),
              QStringLiteral("alice：3通のメールがあります\n"));

    const QByteArray wrongPassword = MailSettings(dovecot.Port(), "wrong");
    folder.Write("zrbl.reg", wrongPassword);
    QProcess refused;
    Start(refused, {"--settings", settings, "--check-mail"});
    ASSERT_TRUE(refused.waitForFinished(30000));
    EXPECT_EQ(refused.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(refused.readAllStandardOutput()),
              QStringLiteral("alice：Error:サーバーに接続できない\n"));
    QFile stored(settings);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), wrongPassword) << "a check writes nothing";
}
