#include "correction_fakes.h"
#include "fake_prompt.h"
#include "nist_time_server.h"
#include "platform/timedated_clock_setter.h"
#include "private_bus.h"
#include "scripted_udp_peer.h"
#include "timedated_stand_in.h"
#include "timesync/clock_correction.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// 2002-12-06 21:30:05.450 UTC, the NIST reply of the test's Daytime server.
constexpr qint64 ServerMicroseconds = 1039210205450000;

const QDateTime ServerInstant = QDateTime::fromMSecsSinceEpoch(ServerMicroseconds / 1000, Qt::UTC);

// Setting the clock through the real D-Bus path, against the timedated stand-in on a bus of
// the test's own.
class TimesyncTimedated : public ::testing::Test {
protected:
    void SetUp() override {
        if (PrivateBus::Executable().isEmpty()) {
            GTEST_SKIP() << "dbus-daemon is not installed (Debian package dbus-daemon)";
        }
        const QString failure = bus_.Start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }

    void Serve(const TimedatedStandIn::Behaviour& behaviour) {
        const QString failure = timedated_.Start(bus_.Address(), behaviour);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }

    std::unique_ptr<TimedatedClockSetter> Setter() const {
        return std::make_unique<TimedatedClockSetter>(bus_.Address());
    }

    PrivateBus bus_;
    TimedatedStandIn timedated_;
};

// One menu or automatic run of the clock window against a Daytime or SNTP server, setting
// the clock through timedated.
struct CorrectionRun {
    CorrectionRun(const QString& busAddress, int protocol) : clock(busAddress) {
        settings.asHostName = QStringLiteral("127.0.0.1");
        settings.Protocol = protocol;
        settings.iPort = protocol == SntpProtocol ? sntp.Port() : daytime.Port();
        settings.iiTimeOut = 2000;
        host.onResultWindow = [this] { stateWhileResultShown = correction.State(); };
    }

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

TEST_F(TimesyncTimedated, OneSetTimeCallWithTheWholeTime) {
    Serve({});
    for (const ClockAuthorisation authorisation :
         {ClockAuthorisation::MayAskUser, ClockAuthorisation::NoQuestions}) {
        EXPECT_EQ(Setter()->SetTime([] { return ServerInstant; }, authorisation),
                  ClockSetResult::Set);
    }
    const std::vector<TimedatedStandIn::Call> calls = timedated_.Calls();
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
        TimedatedStandIn::Behaviour behaviour;
        ClockAuthorisation authorisation;
        ClockSetResult result;
        std::size_t calls;
    };
    const Case cases[] = {
        {"automatic synchronisation on",
         {.ntp = true},
         ClockAuthorisation::MayAskUser,
         ClockSetResult::AutomaticSyncOn,
         0},
        {"polkit refuses",
         {.refuse = true},
         ClockAuthorisation::MayAskUser,
         ClockSetResult::Refused,
         1},
        {"polkit would ask, but may not",
         {.interactiveOnly = true},
         ClockAuthorisation::NoQuestions,
         ClockSetResult::Refused,
         1},
        {"polkit asks and the user agrees",
         {.interactiveOnly = true},
         ClockAuthorisation::MayAskUser,
         ClockSetResult::Set,
         1},
    };
    for (const Case& sample : cases) {
        PrivateBus bus;
        ASSERT_TRUE(bus.Start().isEmpty());
        TimedatedStandIn timedated;
        ASSERT_TRUE(timedated.Start(bus.Address(), sample.behaviour).isEmpty()) << sample.what;
        TimedatedClockSetter setter(bus.Address());
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

TEST_F(TimesyncTimedated, TheClockKeepsTickingWhileTimedatedTakesItsTime) {
    Serve({.delay = 300});
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(20);
    EXPECT_EQ(Setter()->SetTime([] { return ServerInstant; }, ClockAuthorisation::MayAskUser),
              ClockSetResult::Set);
    EXPECT_GT(ticks, 0);
}

TEST_F(TimesyncTimedated, ACorrectionRunReachesTimedatedWithTheServersTime) {
    Serve({});
    struct Case {
        const char* what;
        int protocol;
        bool menu;
        qint64 server;
    };
    // The SNTP peer's clock shows 21:30:05.000; the Daytime server's reply says .450.
    const Case cases[] = {
        {"Daytime from the menu", DaytimeProtocol, true, ServerMicroseconds},
        {"Daytime, automatic", DaytimeProtocol, false, ServerMicroseconds},
        {"SNTP from the menu", SntpProtocol, true, ServerMicroseconds - 450000},
        {"SNTP, automatic", SntpProtocol, false, ServerMicroseconds - 450000},
    };
    std::size_t callsBefore = 0;
    for (const Case& sample : cases) {
        CorrectionRun run(bus_.Address(), sample.protocol);
        if (sample.menu) {
            run.correction.PP_DayTimeClick();
        } else {
            run.correction.StartAutomaticRun();
        }
        EXPECT_TRUE(run.prompt.messages.empty()) << sample.what;
        EXPECT_EQ(run.correction.State().correctionError, CorrectionError::None) << sample.what;
        const std::vector<TimedatedStandIn::Call> calls = timedated_.Calls();
        ASSERT_EQ(calls.size(), callsBefore + 1) << sample.what;
        const TimedatedStandIn::Call& call = calls.back();
        callsBefore = calls.size();
        // The server's time, carried on from its reply to the call by a moment.
        EXPECT_GE(call.microseconds, sample.server) << sample.what;
        EXPECT_LT(call.microseconds, sample.server + 60000000) << sample.what;
        EXPECT_FALSE(call.relative) << sample.what;
        EXPECT_EQ(call.interactive, sample.menu) << sample.what;
    }
}

TEST_F(TimesyncTimedated, WithAutomaticSynchronisationOnOnlyTheMenuSaysSoAndTheCheckWorks) {
    Serve({.ntp = true});
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
    EXPECT_TRUE(check.stateWhileResultShown.serverTimeText.startsWith(
        QStringLiteral("サーバーの時刻:2002/12/07 06:30.05")));
    EXPECT_TRUE(timedated_.Calls().empty()) << "SetTime is never called while NTP is on";
}

TEST_F(TimesyncTimedated, ARefusalByPolkitIsTheClockNotSet) {
    Serve({.refuse = true});
    CorrectionRun run(bus_.Address(), DaytimeProtocol);
    run.correction.PP_DayTimeClick();
    ASSERT_EQ(run.prompt.messages.size(), 1u);
    EXPECT_EQ(run.prompt.messages[0].text, QStringLiteral("パソコンの日時補正に失敗しました"));
    EXPECT_EQ(timedated_.Calls().size(), 1u);
}

// Last: after the exit request no event loop of this process runs again.
TEST_F(TimesyncTimedated, TheProgramsExitEndsTheWait) {
    Serve({.delay = 60000});
    QTimer::singleShot(100, [] { QCoreApplication::exit(0); });
    EXPECT_EQ(Setter()->SetTime([] { return ServerInstant; }, ClockAuthorisation::MayAskUser),
              ClockSetResult::Refused);
}
