// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "correction_fakes.h"
#include "fake_prompt.h"
#include "nist_time_server.h"
#include "platform/timedated_clock_setter.h"
#include "private_bus.h"
#include "scripted_udp_peer.h"
#include "timedated_mock.h"
#include "timedated_stand_in.h"
#include "timesync/clock_correction.h"
#include "timesync/correction_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// 2002-12-06 21:30:05.450 UTC.
constexpr qint64 ServerMicroseconds = 1039210205450000;

const QDateTime ServerInstant = QDateTime::fromMSecsSinceEpoch(ServerMicroseconds / 1000, Qt::UTC);

// Answers a SetTime that may ask nobody must give within, in these tests.
constexpr std::chrono::milliseconds ShortAnswerTimeOut{300};

// SetTime bodies for the timedated mock.
QString AnswerAfter(double seconds) {
    return QStringLiteral("import time; time.sleep(%1)").arg(seconds);
}
QString RefuseWith(const char* error) {
    return QStringLiteral("raise dbus.exceptions.DBusException('refused', name='%1')")
        .arg(QLatin1String(error));
}

// Setting the clock through the real D-Bus path, against python3-dbusmock's timedated on a
// bus of the test's own.
class TimesyncTimedated : public ::testing::Test {
protected:
    void SetUp() override {
        if (PrivateBus::Executable().isEmpty() || !TimedatedMock::Available()) {
            GTEST_SKIP() << "dbus-daemon or python3-dbusmock is not installed";
        }
        const QString failure = bus_.Start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }

    // Serves timedated; SetTime runs `setTime` when given.
    void Serve(bool ntp = false, const QString& setTime = {}) {
        QString failure = timedated_.Start(bus_.Address(), ntp);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        if (!setTime.isEmpty()) {
            failure = timedated_.ReplaceSetTime(setTime);
            ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        }
    }

    std::unique_ptr<TimedatedClockSetter> Setter() const {
        return std::make_unique<TimedatedClockSetter>(bus_.Address(), ShortAnswerTimeOut);
    }

    PrivateBus bus_;
    TimedatedMock timedated_;
};

// The date part of a result line: "サーバーの時刻:2002/12/07".
QString DateOf(const QString& timeLine) {
    return timeLine.left(18);
}

// One menu or automatic run of the clock window against a Daytime or SNTP server that tells
// `serverTime`, setting the clock through timedated.
struct CorrectionRun {
    CorrectionRun(const QString& busAddress, int protocol,
                  const QDateTime& told = QDateTime::currentDateTimeUtc())
        : serverTime(told), clock(busAddress) {
        daytime.SetReply(NistTimeServer::NistReply(serverTime));
        sntp.SetServerTime(serverTime);
        settings.asHostName = QStringLiteral("127.0.0.1");
        settings.Protocol = protocol;
        settings.iPort = protocol == SntpProtocol ? sntp.Port() : daytime.Port();
        settings.iiTimeOut = 2000;
        host.onResultWindow = [this] { stateWhileResultShown = correction.State(); };
    }

    const QDateTime serverTime;
    NistTimeServer daytime;
    ScriptedUdpPeer sntp;
    TimeServerSettings settings;
    FakeCorrectionHost host;
    FakeDialUp dialUp;
    FakePrompt prompt;
    TimedatedClockSetter clock;
    ClockCorrection correction{settings, host, prompt, dialUp, clock};
    CorrectionState stateWhileResultShown;
};

} // namespace

// The message's own flag for interactive authorisation is something dbusmock cannot see;
// the hand-written stand-in records it.
TEST(TimesyncTimedatedStandIn, OneSetTimeCallWithTheWholeTime) {
    PrivateBus bus;
    if (PrivateBus::Executable().isEmpty()) {
        GTEST_SKIP() << "dbus-daemon is not installed (Debian package dbus-daemon)";
    }
    ASSERT_TRUE(bus.Start().isEmpty());
    TimedatedStandIn timedated;
    ASSERT_TRUE(timedated.Start(bus.Address()).isEmpty());
    TimedatedClockSetter setter(bus.Address());
    for (const ClockAuthorisation authorisation :
         {ClockAuthorisation::MayAskUser, ClockAuthorisation::NoQuestions}) {
        EXPECT_EQ(setter.SetTime([] { return ServerInstant; }, authorisation), ClockSetResult::Set);
    }
    const std::vector<TimedatedStandIn::Call> calls = timedated.Calls();
    ASSERT_EQ(calls.size(), 2u);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const bool interactive = i == 0;
        EXPECT_EQ(calls[i].microseconds, ServerMicroseconds) << "since the epoch, in UTC";
        EXPECT_FALSE(calls[i].relative);
        EXPECT_EQ(calls[i].interactive, interactive);
        EXPECT_EQ(calls[i].allowInteractive, interactive) << "the message's flag agrees";
    }
}

TEST_F(TimesyncTimedated, EachAnswerOfTimedated) {
    struct Case {
        const char* what;
        bool ntp;
        QString setTime;
        ClockAuthorisation authorisation;
        ClockSetResult result;
        std::size_t calls;
    };
    const Case cases[] = {
        {"automatic synchronisation on",
         true,
         {},
         ClockAuthorisation::MayAskUser,
         ClockSetResult::AutomaticSyncOn,
         0},
        {"polkit refuses", false, RefuseWith("org.freedesktop.DBus.Error.AccessDenied"),
         ClockAuthorisation::MayAskUser, ClockSetResult::Refused, 1},
        {"polkit would ask, but may not", false,
         QStringLiteral("if not args[2]: ") +
             RefuseWith("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"),
         ClockAuthorisation::NoQuestions, ClockSetResult::Refused, 1},
        {"polkit asks and the user agrees", false,
         QStringLiteral("if not args[2]: ") +
             RefuseWith("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"),
         ClockAuthorisation::MayAskUser, ClockSetResult::Set, 1},
        // Far longer than the calls that ask no one may take: the user typing a password.
        {"the user takes their time", false, AnswerAfter(1.5), ClockAuthorisation::MayAskUser,
         ClockSetResult::Set, 1},
        {"no answer in time when nobody is asked", false, AnswerAfter(1.5),
         ClockAuthorisation::NoQuestions, ClockSetResult::Refused, 1},
    };
    for (const Case& sample : cases) {
        PrivateBus bus;
        ASSERT_TRUE(bus.Start().isEmpty());
        TimedatedMock timedated;
        ASSERT_TRUE(timedated.Start(bus.Address(), sample.ntp).isEmpty()) << sample.what;
        if (!sample.setTime.isEmpty()) {
            ASSERT_TRUE(timedated.ReplaceSetTime(sample.setTime).isEmpty()) << sample.what;
        }
        TimedatedClockSetter setter(bus.Address(), ShortAnswerTimeOut);
        int targetsRead = 0;
        const ClockSetResult result = setter.SetTime(
            [&] {
                ++targetsRead;
                return ServerInstant;
            },
            sample.authorisation);
        EXPECT_EQ(result, sample.result) << sample.what;
        EXPECT_EQ(timedated.Calls().size(), sample.calls) << sample.what;
        EXPECT_EQ(targetsRead, int(sample.calls)) << sample.what;
    }
}

TEST_F(TimesyncTimedated, NoTimedatedOrNoBusIsARefusal) {
    EXPECT_EQ(Setter()->SetTime([] { return ServerInstant; }, ClockAuthorisation::NoQuestions),
              ClockSetResult::Refused);
    TimedatedClockSetter nowhere(QStringLiteral("unix:path=/nonexistent/zorbel-test-bus"));
    EXPECT_EQ(nowhere.SetTime([] { return ServerInstant; }, ClockAuthorisation::NoQuestions),
              ClockSetResult::Refused);
}

// A SetTime that may ask the user has no time-out of its own: only a lost service ends it
// without an answer.
TEST_F(TimesyncTimedated, ALostServiceEndsTheUnlimitedWait) {
    struct Case {
        const char* what;
        QString setTime;
        std::function<void(PrivateBus&, TimedatedMock&)> lose;
    };
    const auto nothing = [](PrivateBus&, TimedatedMock&) {};
    const Case cases[] = {
        {"timedated ends", AnswerAfter(600),
         [](PrivateBus&, TimedatedMock& timedated) { timedated.Kill(); }},
        {"the bus ends", AnswerAfter(600), [](PrivateBus& bus, TimedatedMock&) { bus.Stop(); }},
        // Still connected, so the bus owes the caller no error answer.
        {"timedated gives up its name",
         QStringLiteral("self.connection.release_name('org.freedesktop.timedate1'); ") +
             AnswerAfter(600),
         nothing},
    };
    for (const Case& sample : cases) {
        PrivateBus bus;
        ASSERT_TRUE(bus.Start().isEmpty());
        TimedatedMock timedated;
        ASSERT_TRUE(timedated.Start(bus.Address()).isEmpty()) << sample.what;
        ASSERT_TRUE(timedated.ReplaceSetTime(sample.setTime).isEmpty()) << sample.what;
        TimedatedClockSetter setter(bus.Address(), ShortAnswerTimeOut);
        QObject timers; // takes the timers along when the case ends
        QTimer::singleShot(500, &timers, [&] { sample.lose(bus, timedated); });
        // Should the loss go unseen, the wait would never end; ending the bus ends it.
        bool unseen = false;
        QTimer::singleShot(30000, &timers, [&] {
            unseen = true;
            bus.Stop();
        });
        EXPECT_EQ(setter.SetTime([] { return ServerInstant; }, ClockAuthorisation::MayAskUser),
                  ClockSetResult::Refused)
            << sample.what;
        EXPECT_FALSE(unseen) << sample.what;
        EXPECT_EQ(timedated.Calls().size(), 1u) << sample.what;
    }
}

TEST_F(TimesyncTimedated, TheClockKeepsTickingWhileTimedatedTakesItsTime) {
    Serve(false, AnswerAfter(0.3));
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(20);
    EXPECT_EQ(Setter()->SetTime([] { return ServerInstant; }, ClockAuthorisation::MayAskUser),
              ClockSetResult::Set);
    EXPECT_GT(ticks, 0);
}

TEST_F(TimesyncTimedated, ACorrectionRunReachesTimedatedWithTheServersTime) {
    Serve();
    struct Case {
        const char* what;
        int protocol;
        bool menu;
    };
    const Case cases[] = {
        {"Daytime from the menu", DaytimeProtocol, true},
        {"Daytime, automatic", DaytimeProtocol, false},
        {"SNTP from the menu", SntpProtocol, true},
        {"SNTP, automatic", SntpProtocol, false},
    };
    std::size_t callsBefore = 0;
    for (const Case& sample : cases) {
        CorrectionRun run(bus_.Address(), sample.protocol,
                          QDateTime::currentDateTimeUtc().addSecs(5));
        if (sample.menu) {
            run.correction.PP_DayTimeClick();
        } else {
            run.correction.StartAutomaticRun();
        }
        EXPECT_TRUE(run.prompt.messages.empty()) << sample.what;
        EXPECT_EQ(run.correction.State().correctionError, CorrectionError::None) << sample.what;
        const std::vector<TimedatedMock::Call> calls = timedated_.Calls();
        ASSERT_EQ(calls.size(), callsBefore + 1) << sample.what;
        const TimedatedMock::Call& call = calls.back();
        callsBefore = calls.size();
        // The server's time, carried on from its reply to the call by a moment. The Daytime
        // reply gives whole seconds and .450.
        const qint64 server = run.serverTime.toMSecsSinceEpoch() * 1000;
        EXPECT_GE(call.microseconds, server - 1000000) << sample.what;
        EXPECT_LT(call.microseconds, server + 60000000) << sample.what;
        EXPECT_FALSE(call.relative) << sample.what;
        EXPECT_EQ(call.interactive, sample.menu) << sample.what;
    }
}

// An automatic run steps the clock by at most 1000 s; a run from the menu asks before a
// larger step, with No as the default; a check compares whatever the difference.
TEST_F(TimesyncTimedated, LargeStepsNeedTheUsersYes) {
    Serve();
    enum class Run { Automatic, MenuYes, MenuNo, Check };
    struct Case {
        const char* what;
        int yearsBack;
        qint64 secondsOn;
        Run run;
        std::size_t calls;
        std::size_t questions;
        CorrectionError error;
        int resultWindows;
        int protocol = DaytimeProtocol;
    };
    const Case cases[] = {
        {"30 s on, automatic", 0, 30, Run::Automatic, 1, 0, CorrectionError::None, 0},
        {"24 years back, automatic", 24, 0, Run::Automatic, 0, 0, CorrectionError::Failed, 0},
        {"30 s on, menu", 0, 30, Run::MenuYes, 1, 0, CorrectionError::None, 1},
        {"24 years back, menu, no", 24, 0, Run::MenuNo, 0, 1, CorrectionError::None, 0},
        {"24 years back, menu, yes", 24, 0, Run::MenuYes, 1, 1, CorrectionError::None, 1},
        {"24 years back, check", 24, 0, Run::Check, 0, 0, CorrectionError::None, 1},
        {"24 years back over SNTP, automatic", 24, 0, Run::Automatic, 0, 0, CorrectionError::Failed,
         0, SntpProtocol},
    };
    std::size_t callsBefore = 0;
    for (const Case& sample : cases) {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        CorrectionRun run(bus_.Address(), sample.protocol,
                          now.addYears(-sample.yearsBack).addSecs(sample.secondsOn));
        run.prompt.defaultAnswer =
            sample.run == Run::MenuNo ? UserPrompt::Answer::No : UserPrompt::Answer::Yes;
        switch (sample.run) {
        case Run::Automatic:
            run.correction.StartAutomaticRun();
            break;
        case Run::MenuYes:
        case Run::MenuNo:
            run.correction.PP_DayTimeClick();
            break;
        case Run::Check:
            run.correction.PP_DayTimeCheckClick();
            break;
        }
        const std::size_t calls = timedated_.Calls().size();
        EXPECT_EQ(calls - callsBefore, sample.calls) << sample.what;
        callsBefore = calls;
        EXPECT_TRUE(run.prompt.messages.empty()) << sample.what;
        EXPECT_EQ(run.correction.State().correctionError, sample.error) << sample.what;
        EXPECT_EQ(run.host.resultWindows, sample.resultWindows) << sample.what;
        EXPECT_TRUE(run.host.commandsEnabled) << sample.what;
        ASSERT_EQ(run.prompt.questions.size(), sample.questions) << sample.what;
        if (sample.questions > 0) {
            const FakePrompt::Shown& question = run.prompt.questions[0];
            EXPECT_EQ(question.caption, QStringLiteral("警告"));
            EXPECT_EQ(question.defaultButton, UserPrompt::Answer::No);
            EXPECT_TRUE(
                question.text.contains(DateOf(ServerTimeText(run.serverTime.toLocalTime()))))
                << question.text.toStdString();
            EXPECT_TRUE(question.text.contains(DateOf(PcTimeText(now.toLocalTime()))))
                << question.text.toStdString();
        }
        if (sample.error == CorrectionError::Failed) {
            static const QRegularExpression tooLarge(QStringLiteral(
                "^サーバーとの時刻の差が大きすぎるため補正しませんでした（(\\d+)秒）$"));
            const QRegularExpressionMatch match =
                tooLarge.match(run.correction.State().correctionResultText);
            ASSERT_TRUE(match.hasMatch()) << sample.what;
            EXPECT_NEAR(match.captured(1).toLongLong(), run.serverTime.secsTo(now), 2)
                << sample.what;
        }
    }
}

TEST_F(TimesyncTimedated, WithAutomaticSynchronisationOnOnlyTheMenuSaysSoAndTheCheckWorks) {
    Serve(true);
    CorrectionRun menu(bus_.Address(), SntpProtocol);
    menu.correction.PP_DayTimeClick();
    ASSERT_EQ(menu.prompt.messages.size(), 1u);
    EXPECT_EQ(menu.prompt.messages[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(menu.prompt.messages[0].text,
              QStringLiteral("時刻の自動同期が有効なため、パソコンの日時は補正しませんでした"));
    EXPECT_EQ(menu.correction.State().correctionError, CorrectionError::Failed);
    EXPECT_EQ(menu.host.resultWindows, 0);

    CorrectionRun automatic(bus_.Address(), SntpProtocol);
    automatic.correction.StartAutomaticRun();
    EXPECT_TRUE(automatic.prompt.messages.empty()) << "an automatic run fails silently";
    EXPECT_EQ(automatic.correction.State().correctionError, CorrectionError::Failed);

    CorrectionRun check(bus_.Address(), SntpProtocol);
    check.correction.PP_DayTimeCheckClick();
    EXPECT_TRUE(check.prompt.messages.empty());
    ASSERT_EQ(check.host.resultWindows, 1);
    EXPECT_EQ(DateOf(check.stateWhileResultShown.serverTimeText),
              DateOf(ServerTimeText(check.serverTime.toLocalTime())));
    EXPECT_TRUE(timedated_.Calls().empty()) << "SetTime is never called while NTP is on";
}

TEST_F(TimesyncTimedated, ARefusalByPolkitIsTheClockNotSet) {
    Serve(false, RefuseWith("org.freedesktop.DBus.Error.AccessDenied"));
    CorrectionRun run(bus_.Address(), DaytimeProtocol);
    run.correction.PP_DayTimeClick();
    ASSERT_EQ(run.prompt.messages.size(), 1u);
    EXPECT_EQ(run.prompt.messages[0].text, QStringLiteral("パソコンの日時補正に失敗しました"));
    EXPECT_EQ(timedated_.Calls().size(), 1u);
}

// Last: after the exit request no event loop of this process runs again.
TEST_F(TimesyncTimedated, TheProgramsExitEndsTheWait) {
    Serve(false, AnswerAfter(60));
    QTimer::singleShot(100, [] { QCoreApplication::exit(0); });
    EXPECT_EQ(Setter()->SetTime([] { return ServerInstant; }, ClockAuthorisation::MayAskUser),
              ClockSetResult::Refused);
}
