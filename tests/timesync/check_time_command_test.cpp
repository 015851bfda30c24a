// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chrony_server.h"
#include "correction_fakes.h"
#include "nist_time_server.h"
#include "platform/clock_source.h"
#include "scripted_udp_peer.h"
#include "timesync/check_time_command.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

TimeServerSettings Stored(quint16 port, int protocol = DaytimeProtocol) {
    TimeServerSettings settings;
    settings.asHostName = QStringLiteral("127.0.0.1");
    settings.iPort = port;
    settings.iiTimeOut = 300;
    settings.Protocol = protocol;
    return settings;
}

const FixedClockSource Computer(QDateTime(QDate(2002, 12, 7), QTime(6, 30, 4, 120)));

TEST(TimesyncCheckTime, PrintsBothTimesFromTheStoredServer) {
    NistTimeServer server;
    const CheckTimeOutcome outcome = CheckServerTime(Stored(server.Port()), {}, Computer);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.lines,
              QStringList({QStringLiteral("パソコンの時刻:2002/12/07 06:30.04 120"),
                           QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 450")}));
}

TEST(TimesyncCheckTime, HostAndPortOnTheCommandLine) {
    NistTimeServer server;
    struct Case {
        QString argument;
        TimeServerSettings stored;
        int exitCode;
    };
    TimeServerSettings elsewhere = Stored(NistTimeServer::ClosedPort());
    elsewhere.asHostName = QStringLiteral("no-such-host.invalid");
    TimeServerSettings storedPort = Stored(server.Port());
    storedPort.asHostName = QStringLiteral("no-such-host.invalid");
    const std::vector<Case> cases = {
        {QStringLiteral("127.0.0.1:%1").arg(server.Port()), elsewhere, 0},
        {QStringLiteral("127.0.0.1"), storedPort, 0}, // the stored port
        {QStringLiteral("127.0.0.1:0"), storedPort, 1},
        {QStringLiteral("127.0.0.1:70000"), storedPort, 1},
        {QStringLiteral("127.0.0.1:abc"), storedPort, 1},
        {QStringLiteral(":13"), storedPort, 1},
    };
    for (const Case& sample : cases) {
        const CheckTimeOutcome outcome = CheckServerTime(sample.stored, sample.argument, Computer);
        EXPECT_EQ(outcome.exitCode, sample.exitCode) << sample.argument.toStdString();
        EXPECT_EQ(outcome.lines.size(), sample.exitCode == 0 ? 2 : 1)
            << sample.argument.toStdString();
    }
}

TEST(TimesyncCheckTime, FailuresPrintTheirMessage) {
    NistTimeServer silent;
    silent.SetBehaviour(NistTimeServer::Behaviour::StaySilent);
    NistTimeServer garbage;
    garbage.SetReply("garbage\n");
    struct Case {
        quint16 port;
        const char16_t* message;
    };
    for (const Case& sample :
         {Case{silent.Port(), u"接続できませんでした"},
          Case{NistTimeServer::ClosedPort(), u"接続できませんでした"},
          Case{garbage.Port(), u"サーバーからの受信したデータの変換に失敗しました"}}) {
        const CheckTimeOutcome outcome = CheckServerTime(Stored(sample.port), {}, Computer);
        EXPECT_EQ(outcome.exitCode, 1);
        EXPECT_EQ(outcome.lines, QStringList(QString::fromUtf16(sample.message)));
    }
    EXPECT_EQ(silent.Connections(), 1) << "the silent server was reached and the check ended";
}

TEST(TimesyncCheckTime, SntpRepliesThatAreNoTimeGiveTheirMessage) {
    using Reply = ScriptedUdpPeer::Reply;
    const std::pair<Reply, const char16_t*> cases[] = {
        {Reply::Kiss, u"サーバーからの受信したデータの変換に失敗しました"},
        {Reply::LeapUnsynchronised, u"サーバーからの受信したデータの変換に失敗しました"},
        {Reply::WrongOriginate, u"サーバーからの受信したデータの変換に失敗しました"},
        {Reply::ShortPacket, u"サーバーからの受信したデータの変換に失敗しました"},
        {Reply::FromAnotherPort, u"接続できませんでした"},
        {Reply::Silence, u"接続できませんでした"},
    };
    for (const auto& [reply, message] : cases) {
        ScriptedUdpPeer peer;
        peer.SetReply(reply);
        const CheckTimeOutcome outcome =
            CheckServerTime(Stored(peer.Port(), SntpProtocol), {}, Computer);
        EXPECT_EQ(outcome.exitCode, 1) << int(reply);
        EXPECT_EQ(outcome.lines, QStringList(QString::fromUtf16(message))) << int(reply);
    }
}

TEST(TimesyncCheckTime, SntpAgainstChronyWithTheStoredProtocol) {
    if (ChronyServer::Executable().isEmpty()) {
        GTEST_SKIP() << "chrony is not installed (Debian package chrony)";
    }
    ChronyServer chrony;
    const QString failure = chrony.Start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    TimeServerSettings stored = Stored(NistTimeServer::ClosedPort(), SntpProtocol);
    stored.iiTimeOut = 5000;
    const SystemClockSource computer;
    const CheckTimeOutcome outcome =
        CheckServerTime(stored, QStringLiteral("127.0.0.1:%1").arg(chrony.Port()), computer);
    ASSERT_EQ(outcome.exitCode, 0) << outcome.lines.join(' ').toStdString();
    // chronyd serves this machine's clock: both lines tell the same minute, give or take one.
    const QDateTime pc =
        QDateTime::fromString(outcome.lines[0].mid(8, 16), QStringLiteral("yyyy/MM/dd HH:mm"));
    const QDateTime server =
        QDateTime::fromString(outcome.lines[1].mid(8, 16), QStringLiteral("yyyy/MM/dd HH:mm"));
    ASSERT_TRUE(pc.isValid() && server.isValid()) << outcome.lines.join(' ').toStdString();
    EXPECT_LE(std::abs(pc.secsTo(server)), 60);
}

} // namespace

TEST(TimesyncCheckTime, StoredValuesOutOfRangeNeitherHangNorReachAnotherPort) {
    NistTimeServer silent;
    silent.SetBehaviour(NistTimeServer::Behaviour::StaySilent);
    TimeServerSettings noTimeOut = Stored(silent.Port());
    noTimeOut.iiTimeOut = -1;
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(CheckServerTime(noTimeOut, {}, Computer).exitCode, 1);
    EXPECT_LT(waited.elapsed(), 15000) << "the default time-out ends the wait";

    NistTimeServer answering;
    TimeServerSettings wrapping = Stored(answering.Port());
    wrapping.iPort = answering.Port() + 65536; // would wrap round to the answering server
    EXPECT_EQ(CheckServerTime(wrapping, {}, Computer).exitCode, 1);
    EXPECT_EQ(answering.Connections(), 0);
}
