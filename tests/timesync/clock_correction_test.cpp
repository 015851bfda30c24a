// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "correction_fakes.h"
#include "fake_prompt.h"
#include "nist_time_server.h"
#include "timesync/clock_correction.h"

#include <gtest/gtest.h>

namespace {

struct MenuRun {
    MenuRun() {
        settings.asHostName = QStringLiteral("127.0.0.1");
        settings.iPort = server.Port();
        settings.iiTimeOut = 2000;
        settings.Attribute = AutoCorrection | CorrectAtStartup;
        host.onResultWindow = [this] { stateWhileResultShown = correction.State(); };
    }

    NistTimeServer server;
    TimeServerSettings settings;
    FakeCorrectionHost host;
    FakeDialUp dialUp;
    FakeSystemClock clock;
    FakePrompt prompt;
    ClockCorrection correction{settings, host, prompt, dialUp, clock};
    CorrectionState stateWhileResultShown;
};

TEST(TimesyncRun, CheckComparesBothClocksAndLeavesTheComputerClockAlone) {
    MenuRun run;
    const QDateTime before = run.clock.now;
    run.correction.PP_DayTimeCheckClick();

    EXPECT_TRUE(run.clock.settings.empty());
    EXPECT_EQ(run.clock.now, before);
    ASSERT_EQ(run.host.resultWindows, 1);
    EXPECT_TRUE(run.stateWhileResultShown.correctionTestMode);
    EXPECT_TRUE(run.stateWhileResultShown.manualCorrectionRunning);
    EXPECT_EQ(run.stateWhileResultShown.pcTimeText,
              QStringLiteral("パソコンの時刻:2002/12/07 06:30.04 120"));
    EXPECT_EQ(run.stateWhileResultShown.serverTimeText,
              QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 450"));
    EXPECT_FALSE(run.host.commandsEnabledWhileResultShown);

    const CorrectionState& after = run.correction.State();
    EXPECT_FALSE(after.manualCorrectionRunning);
    EXPECT_EQ(after.correctionError, CorrectionError::None);
    EXPECT_TRUE(run.settings.correctionDone) << "a menu run also counts as the day's run";
    EXPECT_TRUE(run.host.commandsEnabled);
    EXPECT_TRUE(run.prompt.messages.empty());
}

TEST(TimesyncRun, CorrectionSetsDateAndTimeInOneStepAndMayAskTheUser) {
    MenuRun run;
    run.clock.now = QDateTime(QDate(2002, 12, 6), QTime(23, 59, 58, 10));
    run.correction.State().correctionTicks = 77;
    run.correction.PP_DayTimeClick();

    ASSERT_EQ(run.clock.settings.size(), 1u);
    EXPECT_TRUE(
        CarriedOnFrom(run.clock.settings[0], QDateTime(QDate(2002, 12, 7), QTime(6, 30, 5, 450))));
    EXPECT_EQ(run.clock.authorisations, std::vector{ClockAuthorisation::MayAskUser});
    EXPECT_FALSE(run.stateWhileResultShown.correctionTestMode);
    EXPECT_EQ(run.stateWhileResultShown.correctionResultText,
              QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 450に補正しました"));
    EXPECT_EQ(run.correction.State().correctionTicks, 0u);
    EXPECT_EQ(run.host.resultWindows, 1);
}

TEST(TimesyncRun, RollOverCasesThroughTheRun) {
    struct Case {
        const char* date;
        const char* time;
        const char16_t* shown;
    };
    for (const Case& sample :
         {Case{"02-12-06", "14:00:00", u"サーバーの時刻:2002/12/06 23:00.00 450"},
          Case{"02-12-06", "15:00:00", u"サーバーの時刻:2002/12/07 00:00.00 450"},
          Case{"02-12-31", "15:10:20", u"サーバーの時刻:2003/01/01 00:10.20 450"},
          Case{"04-02-28", "20:00:00", u"サーバーの時刻:2004/02/29 05:00.00 450"}}) {
        MenuRun run;
        run.server.SetReply(NistTimeServer::NistReply(sample.date, sample.time));
        run.correction.PP_DayTimeCheckClick();
        EXPECT_EQ(run.stateWhileResultShown.serverTimeText, QString::fromUtf16(sample.shown))
            << sample.date << " " << sample.time;
    }
}

TEST(TimesyncRun, EachFailureShowsItsMessageOnMenuRuns) {
    struct Case {
        const char* what;
        std::function<void(MenuRun&)> arrange;
        const char16_t* message;
        std::size_t clockSettings;
    };
    const std::vector<Case> cases = {
        {"nothing listens", [](MenuRun& r) { r.settings.iPort = NistTimeServer::ClosedPort(); },
         u"接続できませんでした", 0},
        {"silent server",
         [](MenuRun& r) {
             r.settings.iiTimeOut = 200;
             r.server.SetBehaviour(NistTimeServer::Behaviour::StaySilent);
         },
         u"接続できませんでした", 0},
        {"no such host",
         [](MenuRun& r) { r.settings.asHostName = QStringLiteral("no-such-host.invalid"); },
         u"接続できませんでした", 0},
        {"not a reply", [](MenuRun& r) { r.server.SetReply("hello\n"); },
         u"サーバーからの受信したデータの変換に失敗しました", 0},
        {"no leap day",
         [](MenuRun& r) { r.server.SetReply(NistTimeServer::NistReply("02-02-29", "01:00:00")); },
         u"サーバーからの受信したデータの変換に失敗しました", 0},
        {"year 00",
         [](MenuRun& r) { r.server.SetReply(NistTimeServer::NistReply("00-01-01", "01:00:00")); },
         u"サーバーからの受信したデータの変換に失敗しました", 0},
        {"no right to set the clock", [](MenuRun& r) { r.clock.answer = ClockSetResult::Refused; },
         u"パソコンの日時補正に失敗しました", 0},
        {"automatic synchronisation on",
         [](MenuRun& r) { r.clock.answer = ClockSetResult::AutomaticSyncOn; },
         u"時刻の自動同期が有効なため、パソコンの日時は補正しませんでした", 0},
    };
    for (const Case& sample : cases) {
        MenuRun run;
        sample.arrange(run);
        run.correction.PP_DayTimeClick();
        ASSERT_EQ(run.prompt.messages.size(), 1u) << sample.what;
        EXPECT_EQ(run.prompt.messages[0].caption, QStringLiteral("警告")) << sample.what;
        EXPECT_EQ(run.prompt.messages[0].text, QString::fromUtf16(sample.message)) << sample.what;
        EXPECT_EQ(run.clock.settings.size(), sample.clockSettings) << sample.what;
        EXPECT_EQ(run.correction.State().correctionError, CorrectionError::Failed) << sample.what;
        EXPECT_FALSE(run.correction.State().manualCorrectionRunning) << sample.what;
        EXPECT_EQ(run.host.resultWindows, 0) << sample.what;
        EXPECT_TRUE(run.host.commandsEnabled) << sample.what;
    }
}

TEST(TimesyncRun, MenuRunsNeedTheDialUpConnectionWhenAsked) {
    for (const bool connected : {false, true}) {
        MenuRun run;
        run.settings.Attribute |= CorrectOnlyDialUp;
        run.dialUp.connected = connected;
        run.correction.PP_DayTimeCheckClick();
        if (connected) {
            EXPECT_EQ(run.server.Connections(), 1);
            EXPECT_TRUE(run.prompt.messages.empty());
        } else {
            EXPECT_EQ(run.server.Connections(), 0);
            ASSERT_EQ(run.prompt.messages.size(), 1u);
            EXPECT_EQ(run.prompt.messages[0].caption, QStringLiteral("警告"));
            EXPECT_EQ(run.prompt.messages[0].text,
                      QStringLiteral("ダイヤルアップ接続されていません"));
            EXPECT_TRUE(run.host.commands.empty()) << "the menu stays as it was";
            EXPECT_FALSE(run.settings.correctionDone);
        }
    }
}

TEST(TimesyncRun, MenuCommandsWaitForNoOneAndOverlapNoRun) {
    MenuRun run;
    run.correction.State().autoCorrectionRunning = true;
    run.correction.State().correctionError = CorrectionError::Failed;
    run.correction.PP_DayTimeClick();
    run.correction.PP_DayTimeCheckClick();
    EXPECT_EQ(run.server.Connections(), 0);
    EXPECT_EQ(run.correction.State().correctionError, CorrectionError::Failed)
        << "the running run owns the error";
    EXPECT_TRUE(run.prompt.messages.empty());
}

TEST(TimesyncRun, CheckCommandClearsAnEarlierError) {
    MenuRun run;
    run.correction.State().correctionError = CorrectionError::Failed;
    run.correction.PP_DayTimeCheckClick();
    EXPECT_EQ(run.correction.State().correctionError, CorrectionError::None);
}

} // namespace
