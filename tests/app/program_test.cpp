// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chrony_server.h"
#include "core/program_version.h"
#include "dovecot_server.h"
#include "full_disk.h"
#include "private_bus.h"
#include "private_x_server.h"
#include "scripted_udp_peer.h"
#include "temp_dir.h"
#include "timedated_stand_in.h"
#include "x_client_environment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

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
        // A clock setting must never reach the machine's own system bus.
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS",
                           "unix:path=" + folder.FilePath("no-system-bus"));
        // Nor may the passwords of a test reach the user's keyring.
        environment.insert("DBUS_SESSION_BUS_ADDRESS",
                           "unix:path=" + folder.FilePath("no-session-bus"));
        return environment;
    }

    // `changes` are set in the program's environment on top of the fixture's.
    void Start(QProcess& process, const QStringList& arguments,
               const std::map<QString, QString>& changes = {}) const {
        QProcessEnvironment environment = Environment();
        for (const auto& [name, value] : changes) {
            environment.insert(name, value);
        }
        process.setProcessEnvironment(environment);
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

TEST_F(ProgramFixture, VersionIsTheBuildsOwn) {
    QProcess version;
    Start(version, {"--version"});
    ASSERT_TRUE(version.waitForFinished(10000));
    EXPECT_EQ(version.readAllStandardOutput(), QByteArray("Zorbel ") + ProgramVersion + "\n");
}

TEST_F(ProgramFixture, RenderWritesThePictureAndSavesTheSettings) {
    struct Case {
        QStringList scale;
        QSize size;
    };
    const Case cases[] = {
        {{}, {320, 200}}, {{"--scale", "2"}, {640, 400}}, {{"--scale", "1.5"}, {480, 300}}};
    for (const Case& c : cases) {
        QProcess render;
        const QString output = folder.FilePath("face.png");
        Start(render, QStringList{"--settings", settings, "--render", output, "--at",
                                  "2002-12-06 07:05:09"} +
                          c.scale);
        ASSERT_TRUE(render.waitForFinished(20000));
        EXPECT_EQ(render.exitCode(), 0) << render.readAllStandardError().constData();
        EXPECT_EQ(QImage(output).size(), c.size);
        EXPECT_TRUE(QFile::exists(settings));
    }
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

    // A stored size no screen has is damage: refused before anything is drawn.
    folder.Write("zrbl.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                             "\"Width\"=dword:00004e20\r\n");
    QProcess oversize;
    Start(oversize, {"--settings", settings, "--render", folder.FilePath("huge.png")});
    ASSERT_TRUE(oversize.waitForFinished(20000));
    EXPECT_EQ(oversize.exitCode(), 1);
    EXPECT_TRUE(oversize.readAllStandardError().contains("over 16384 pixels"));
    EXPECT_FALSE(QFile::exists(folder.FilePath("huge.png")));

    // A size that fits only until it is scaled.
    folder.Write("zrbl.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                             "\"Width\"=dword:00001000\r\n");
    QProcess scaledOver;
    Start(scaledOver,
          {"--settings", settings, "--render", folder.FilePath("huge.png"), "--scale", "8"});
    ASSERT_TRUE(scaledOver.waitForFinished(20000));
    EXPECT_EQ(scaledOver.exitCode(), 1);
    EXPECT_TRUE(scaledOver.readAllStandardError().contains("at scale 8 is over 16384 pixels"));
    EXPECT_FALSE(QFile::exists(folder.FilePath("huge.png")));
}

// With the settings file on a full disk, the render and the clock's exit say why on stderr
// and end with exit code 1; the file is as it was and no temporary file is left beside it.
TEST_F(ProgramFixture, AFullDiskIsReportedAndLeavesTheSettingsAsTheyWere) {
    // Values are missing, so the start's defaults and the final save both have to write.
    const QByteArray stored = "Windows Registry Editor Version 5.00\r\n\r\n"
                              "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                              "\"ImageListCounter\"=dword:00000005\r\n";
    for (const bool clock : {false, true}) {
        SCOPED_TRACE(clock ? "the clock's exit" : "--render");
        FullDisk disk;
        if (!disk.Mounted()) {
            GTEST_SKIP() << "mounting a tmpfs is not permitted here";
        }
        const QString file = disk.Write("zrbl.reg", stored);
        disk.Fill();
        QProcess process;
        QByteArray errors;
        if (clock) {
            Start(process, {"--settings", file});
            // The picture count's message comes while the window is made.
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    errors += process.readAllStandardError();
                    return errors.contains("イメージリスト数");
                },
                10000));
            QTest::qWait(500);
            ::kill(pid_t(process.processId()), SIGTERM);
        } else {
            Start(process, {"--settings", file, "--render", folder.FilePath("face.png")});
        }
        ASSERT_TRUE(process.waitForFinished(20000));
        errors += process.readAllStandardError();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1) << errors.constData();
        EXPECT_TRUE(errors.contains("No space left on device")) << errors.constData();
        QFile kept(file);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), stored);
        EXPECT_EQ(disk.Files(), QStringList{"zrbl.reg"});
    }
}

TEST_F(ProgramFixture, AClockWhoseLockNobodyElseCanHoldCannotBeMadeSaysWhyAndEnds) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to hand a folder to another user";
    }
    // Another user's folders where this user's runtime folder, and the private folder Qt
    // falls back to, should be.
    const QString temp = folder.FilePath("temp");
    const QString squatted = folder.FilePath("runtime");
    const QString user = QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
    for (const QString& taken : {squatted, temp + "/runtime-" + user}) {
        ASSERT_TRUE(QDir().mkpath(taken));
        ASSERT_EQ(::chown(taken.toLocal8Bit().constData(), 65534, 65534), 0);
    }
    QProcess clock;
    Start(clock, {"--settings", settings}, {{"XDG_RUNTIME_DIR", squatted}, {"TMPDIR", temp}});
    ASSERT_TRUE(clock.waitForFinished(10000));
    EXPECT_EQ(clock.exitCode(), 255);
    EXPECT_TRUE(QString::fromUtf8(clock.readAllStandardError())
                    .contains(QStringLiteral("二重起動を防ぐためのロックを作成できない")));
    EXPECT_FALSE(QFile::exists(settings)) << "the clock never started";
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
    Start(check,
          {"--settings", settings, "--check-time",
           QStringLiteral("127.0.0.1:%1").arg(daytime.serverPort())},
          {{"TZ", "Asia/Tokyo"}});
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

// A settings file with one checked POP3 account on the given port; `mainValues` are more
// lines of the main key.
QByteArray MailSettings(quint16 port, const char* password, const char* mainValues = "") {
    return QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                          "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                          "%3"
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
        .arg(QLatin1String(mainValues))
        .toUtf8();
}

// A settings file whose automatic correction runs at start-up against the given port and
// waits up to a minute for the reply.
QByteArray CorrectionAtStartSettings(quint16 port, int protocol = 0) {
    return QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                          "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\TimeServer]\r\n"
                          "\"Pattern\"=dword:00000001\r\n"
                          "\"Attribute\"=dword:00000003\r\n"
                          "\"asHostName\"=\"127.0.0.1\"\r\n"
                          "\"iPort\"=dword:%1\r\n"
                          "\"iiTimeOut\"=dword:0000ea60\r\n"
                          "\"Protocol\"=dword:%2\r\n")
        .arg(port, 8, 16, QLatin1Char('0'))
        .arg(protocol, 8, 16, QLatin1Char('0'))
        .toUtf8();
}

// A settings file naming only a time server: what --check-time reads.
QByteArray StoredTimeServer(quint16 port, int protocol) {
    return QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                          "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\TimeServer]\r\n"
                          "\"asHostName\"=\"127.0.0.1\"\r\n"
                          "\"iPort\"=dword:%1\r\n"
                          "\"Protocol\"=dword:%2\r\n")
        .arg(port, 8, 16, QLatin1Char('0'))
        .arg(protocol, 8, 16, QLatin1Char('0'))
        .toUtf8();
}

// CPU time in milliseconds: of a running process, and of the reaped children of this one.
qint64 ProcessCpuMilliseconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    // The fields after the command's closing parenthesis; utime and stime are the 12th and 13th.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const qint64 ticks = fields.value(11).toLongLong() + fields.value(12).toLongLong();
    return ticks * 1000 / sysconf(_SC_CLK_TCK);
}

qint64 ChildrenCpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto milliseconds = [](const timeval& time) {
        return qint64(time.tv_sec) * 1000 + time.tv_usec / 1000;
    };
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
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

TEST_F(ProgramFixture, TerminationDuringAPendingNetworkWaitEndsAtOnceWithoutSpinning) {
    QTcpServer silent; // connections complete in the backlog and never hear a word
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const struct {
        const char* what;
        QByteArray settings;
    } cases[] = {
        {"a Daytime request", CorrectionAtStartSettings(silent.serverPort())},
        {"a POP3 conversation",
         MailSettings(silent.serverPort(), "secret",
                      "\"MailCheckAttr\"=dword:00000002\r\n\"Checkinterval\"=dword:00000000\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.Write("zrbl.reg", c.settings);
        const qint64 childrenBefore = ChildrenCpuMilliseconds();
        QProcess clock;
        Start(clock, {"--settings", settings});
        ASSERT_TRUE(QTest::qWaitFor([&] { return silent.hasPendingConnections(); }, 10000));
        // Held open and silent, so the clock goes on waiting.
        const std::unique_ptr<QTcpSocket> held(silent.nextPendingConnection());
        QTest::qWait(300);

        const qint64 cpuAtSignal = ProcessCpuMilliseconds(clock.processId());
        QElapsedTimer sinceSignal;
        sinceSignal.start();
        ::kill(pid_t(clock.processId()), SIGTERM);
        ASSERT_TRUE(clock.waitForFinished(10000));
        EXPECT_LT(sinceSignal.elapsed(), 2500) << "the exit does not wait for the time-out";
        EXPECT_EQ(clock.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(clock.exitCode(), 0) << clock.readAllStandardError().constData();
        const qint64 cpuAfterSignal = ChildrenCpuMilliseconds() - childrenBefore - cpuAtSignal;
        EXPECT_LT(cpuAfterSignal, 300) << "the exit sleeps while it waits";
        QFile stored(settings);
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        EXPECT_TRUE(stored.readAll().contains("\"Width\"")) << "the settings were saved";
    }
}

TEST(ProgramLibraries, QtMultimediaWaitsForTheFirstSound) {
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {QStringLiteral(ZORBEL_PROGRAM)});
    ASSERT_TRUE(ldd.waitForFinished(10000));
    const QString libraries = QString::fromLocal8Bit(ldd.readAllStandardOutput());
    ASSERT_TRUE(libraries.contains(QStringLiteral("libQt6Widgets"))) << "ldd listed nothing";
    EXPECT_FALSE(libraries.contains(QStringLiteral("libQt6Multimedia"))) << libraries.toStdString();
}

TEST_F(ProgramFixture, WindowTitlesAreExactlyTheirCaptions) {
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
        QStandardPaths::findExecutable("xwininfo").isEmpty()) {
        GTEST_SKIP() << "needs Xvfb and xwininfo (xvfb, x11-utils)";
    }
    PrivateXServer x(QSize(800, 600));
    ASSERT_FALSE(x.Display().isEmpty());
    // A stored picture count that does not match the list is reported in a message box
    // while the clock window is created.
    folder.Write("zrbl.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
                             "\"ImageListCounter\"=dword:00000005\r\n");
    QProcess clock;
    QProcessEnvironment environment = Environment();
    environment.remove("ZORBEL_PROMPTS_ON_STDERR");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("DISPLAY", x.Display());
    RelaxStringChecksForX(environment);
    clock.setProcessEnvironment(environment);
    clock.start(QStringLiteral(ZORBEL_PROGRAM), {"--settings", settings});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return x.WindowNames().contains(QStringLiteral("警告")); }, 30000))
        << x.WindowNames().join(" | ").toStdString();
    for (const QString& name : x.WindowNames()) {
        EXPECT_FALSE(name.contains(QStringLiteral("Zorbel"))) << name.toStdString();
    }
    clock.kill();
    clock.waitForFinished(5000);
}

TEST_F(ProgramFixture, CheckTimeReadsChronyOverSntpWhenTheSettingsSaySo) {
    if (ChronyServer::Executable().isEmpty()) {
        GTEST_SKIP() << "chrony is not installed (Debian package chrony)";
    }
    ChronyServer chrony;
    const QString failure = chrony.Start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    folder.Write("zrbl.reg", StoredTimeServer(chrony.Port(), 1));
    QProcess check;
    Start(check, {"--settings", settings, "--check-time"});
    ASSERT_TRUE(check.waitForFinished(20000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().constData();
    const QStringList lines =
        QString::fromUtf8(check.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << lines.join(' ').toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("パソコンの時刻:")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("サーバーの時刻:")));
    // chronyd serves this machine's clock: the server's line tells the computer's minute.
    const QDateTime server =
        QDateTime::fromString(lines[1].mid(8, 16), QStringLiteral("yyyy/MM/dd HH:mm"));
    EXPECT_LE(std::abs(server.secsTo(QDateTime::currentDateTime())), 120) << lines[1].toStdString();
}

TEST_F(ProgramFixture, CheckTimeShowsTheServersTimeInTheComputersZone) {
    QTcpServer daytime; // 2002-12-06 21:30:05.450 UTC
    ASSERT_TRUE(daytime.listen(QHostAddress::LocalHost));
    QObject::connect(&daytime, &QTcpServer::newConnection, [&daytime] {
        QTcpSocket* peer = daytime.nextPendingConnection();
        peer->write("\n52615 02-12-06 21:30:05 00 0 0 450.0 UTC(NIST) *\n");
        peer->disconnectFromHost();
    });
    ScriptedUdpPeer sntp; // 2002-12-06 21:30:05.000 UTC
    ScriptedUdpPeer late;
    late.SetDelay(400);
    struct Case {
        const char* zone;
        int protocol;
        quint16 port;
        const char16_t* serverLine; // up to the seconds: SNTP adds half the round trip
        int leastMilliseconds;
    };
    const Case cases[] = {
        {"UTC", 0, daytime.serverPort(), u"サーバーの時刻:2002/12/06 21:30.05 450", 450},
        {"Asia/Tokyo", 0, daytime.serverPort(), u"サーバーの時刻:2002/12/07 06:30.05 450", 450},
        {"UTC", 1, sntp.Port(), u"サーバーの時刻:2002/12/06 21:30.05", 0},
        {"Asia/Tokyo", 1, sntp.Port(), u"サーバーの時刻:2002/12/07 06:30.05", 0},
        // Half of the 400 ms the reply was held up is added.
        {"Asia/Tokyo", 1, late.Port(), u"サーバーの時刻:2002/12/07 06:30.05", 200},
    };
    for (const Case& sample : cases) {
        folder.Write("zrbl.reg", StoredTimeServer(sample.port, sample.protocol));
        QProcess check;
        Start(check, {"--settings", settings, "--check-time"}, {{"TZ", sample.zone}});
        ASSERT_TRUE(QTest::qWaitFor([&] { return check.state() == QProcess::NotRunning; }, 20000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().constData();
        const QString output = QString::fromUtf8(check.readAllStandardOutput());
        const QString server = output.split('\n').value(1);
        EXPECT_TRUE(server.startsWith(QString::fromUtf16(sample.serverLine)))
            << sample.zone << ' ' << output.toStdString();
        EXPECT_GE(server.right(3).toInt(), sample.leastMilliseconds) << server.toStdString();
    }
}

TEST_F(ProgramFixture, AnAutomaticCorrectionOverSntpReachesTimedatedWithoutAsking) {
    if (ChronyServer::Executable().isEmpty() || PrivateBus::Executable().isEmpty()) {
        GTEST_SKIP() << "chrony or dbus-daemon is not installed";
    }
    ChronyServer chrony;
    QString failure = chrony.Start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    PrivateBus bus;
    failure = bus.Start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    TimedatedStandIn timedated;
    failure = timedated.Start(bus.Address());
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();

    folder.Write("zrbl.reg", CorrectionAtStartSettings(chrony.Port(), 1));
    QProcess clock;
    Start(clock, {"--settings", settings}, {{"DBUS_SYSTEM_BUS_ADDRESS", bus.Address()}});
    std::vector<TimedatedStandIn::Call> calls;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            calls = timedated.Calls();
            return !calls.empty();
        },
        20000))
        << clock.readAllStandardError().constData();
    ::kill(pid_t(clock.processId()), SIGTERM);
    ASSERT_TRUE(clock.waitForFinished(10000));
    EXPECT_EQ(clock.exitCode(), 0);

    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(calls[0].relative);
    EXPECT_FALSE(calls[0].interactive) << "an automatic run never asks the user";
    // chronyd serves this machine's clock, so that is what the clock is set to.
    const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1000;
    EXPECT_LT(std::abs(calls[0].microseconds - now), qint64(60000000));
}
