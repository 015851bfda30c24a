// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chrony_server.h"
#include "correction_fakes.h"
#include "dialogs/day_time_form.h"
#include "fake_prompt.h"
#include "nist_time_server.h"
#include "scoped_time_zone.h"
#include "scripted_udp_peer.h"
#include "timesync/correction_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct Dialog {
    // Without server lists the dialog offers, for either protocol, the test's server on
    // 127.0.0.1 and a host that cannot be resolved.
    explicit Dialog(TimeServerSettings stored = {},
                    std::optional<TDayTimeForm::ServerLists> servers = {}, int timeOut = 2000)
        : settings(stored) {
        if (!servers) {
            const QStringList local = {QStringLiteral("127.0.0.1"),
                                       QStringLiteral("no-such-host.invalid")};
            servers = TDayTimeForm::ServerLists{local, local};
            settings.iPort = server.Port();
            settings.iiTimeOut = timeOut;
        }
        form = std::make_unique<TDayTimeForm>(settings, state, host, clock, saver, help, prompt,
                                              *servers);
    }
    template <typename T> T* Find(const char* name) const {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Click(const char* name) const {
        QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton);
    }
    QStringList MemoLines() const {
        return Find<QPlainTextEdit>("Memo1")->toPlainText().split(QLatin1Char('\n'));
    }
    void SelectPattern(int pattern) const {
        Find<QComboBox>("CBX_Pattern")->setCurrentIndex(pattern);
    }
    bool Hidden(const char* name) const { return Find<QWidget>(name)->isHidden(); }

    NistTimeServer server;
    TimeServerSettings settings;
    CorrectionState state;
    FakeCorrectionHost host;
    FakeSystemClock clock;
    CountingSaver saver;
    RecordingHelp help;
    FakePrompt prompt;
    std::unique_ptr<TDayTimeForm> form;
};

TDayTimeForm::ServerLists LocalServers() {
    const QStringList local = {QStringLiteral("127.0.0.1"), QStringLiteral("no-such-host.invalid")};
    return {local, local};
}

TimeServerSettings StoredServer(int protocol, quint16 port, int timeOut = 2000) {
    TimeServerSettings stored;
    stored.Protocol = protocol;
    stored.iPort = port;
    stored.iiTimeOut = timeOut;
    return stored;
}

TimeServerSettings StoredPattern(int pattern, int attribute) {
    TimeServerSettings stored;
    stored.Pattern = pattern;
    stored.Attribute = attribute;
    stored.Day = 12;
    stored.Week = 4;
    stored.Hour = 7;
    stored.Min = 30;
    stored.Interval_Hour = 6;
    stored.Interval_Min = 45;
    return stored;
}

TEST(TimesyncDialog, ShowsTheStoredSettingsForEachPattern) {
    struct Case {
        int pattern;
        bool listShown;
        QString listText;
        int listCount;
        bool intervalShown;
        int interval;
        QString unit;
        bool rowShown;
    };
    const std::vector<Case> cases = {
        {CorrectMonthly, true, QStringLiteral("12"), 30, false, 0, QStringLiteral("日"), true},
        {CorrectDaily, false, {}, 0, false, 0, {}, true},
        {CorrectWeekly, true, QStringLiteral("水"), 7, false, 0, QStringLiteral("曜日"), true},
        {CorrectEveryHours, false, {}, 0, true, 6, QStringLiteral("時間毎"), false},
        {CorrectEveryMinutes, false, {}, 0, true, 45, QStringLiteral("分毎"), false},
    };
    for (const Case& sample : cases) {
        Dialog dialog(StoredPattern(sample.pattern, AutoCorrection | CorrectAtTime));
        const auto* list = dialog.Find<QComboBox>("CBX_List");
        EXPECT_EQ(!list->isHidden(), sample.listShown) << sample.pattern;
        EXPECT_EQ(list->count(), sample.listCount) << sample.pattern;
        if (sample.listShown) {
            EXPECT_EQ(list->currentText(), sample.listText) << sample.pattern;
        }
        const auto* interval = dialog.Find<QSpinBox>("UPD_Interval");
        EXPECT_EQ(!interval->isHidden(), sample.intervalShown) << sample.pattern;
        if (sample.intervalShown) {
            EXPECT_EQ(interval->value(), sample.interval) << sample.pattern;
        }
        const auto* unit = dialog.Find<QLabel>("LBL_Name");
        EXPECT_EQ(unit->isHidden(), sample.pattern == CorrectDaily) << sample.pattern;
        EXPECT_EQ(unit->text(), sample.unit) << sample.pattern;
        for (const char* rowControl :
             {"RB_DayTimeRun", "RB_DayTimeTime", "UPD_DayTime_Hour", "UPD_DayTime_Min"}) {
            EXPECT_EQ(!dialog.Hidden(rowControl), sample.rowShown) << sample.pattern << rowControl;
        }
        EXPECT_TRUE(dialog.Find<QCheckBox>("CBX_AutoAdjust")->isChecked());
        EXPECT_TRUE(dialog.Find<QRadioButton>("RB_DayTimeTime")->isChecked());
        EXPECT_EQ(dialog.Find<QSpinBox>("UPD_DayTime_Hour")->value(), 7);
        EXPECT_EQ(dialog.Find<QSpinBox>("UPD_DayTime_Min")->value(), 30);
    }
}

TEST(TimesyncDialog, CaptionsAndFixedServers) {
    Dialog dialog(StoredPattern(CorrectDaily, CorrectAtStartup), TDayTimeForm::DefaultServers());
    EXPECT_EQ(dialog.form->windowTitle(), QStringLiteral("日時補正の設定"));
    EXPECT_EQ(dialog.form->size(), QSize(371, 348)) << "one row taller for the protocol";
    const auto* servers = dialog.Find<QComboBox>("CBX_ServerList");
    ASSERT_EQ(servers->count(), 5);
    for (int i = 0; i < servers->count(); ++i) {
        EXPECT_TRUE(servers->itemText(i).endsWith(QStringLiteral(".nist.gov")));
    }
    EXPECT_TRUE(dialog.Find<QRadioButton>("RB_ProtocolDaytime")->isChecked());
    dialog.Find<QRadioButton>("RB_ProtocolSntp")->setChecked(true);
    ASSERT_EQ(servers->count(), 5);
    EXPECT_EQ(servers->itemText(0), QStringLiteral("ntp.nict.jp"))
        << "Japan's national time service first";
    const std::pair<const char*, const char16_t*> captions[] = {
        {"BTN_AdjustCheck", u"テスト実行"},
        {"BTN_Adjust", u"日時補正"},
        {"BTN_Pop3Refrect", u"設定"},
        {"BTN_Close", u"キャンセル"},
        {"BTN_Help", u"ヘルプ"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(dialog.Find<QPushButton>(name)->text(), QString::fromUtf16(caption));
    }
    EXPECT_EQ(dialog.Find<QLabel>("StaticText1")->text(), QStringLiteral("<状態>"));
    EXPECT_EQ(dialog.Find<QCheckBox>("CBX_DialUp")->text(),
              QStringLiteral("ダイヤルアップ環境で接続中のみチェック"));
    EXPECT_NE(dialog.form->findChild<QWidget*>(QStringLiteral("EDT_DayTime_Hour")), nullptr);
    EXPECT_NE(dialog.form->findChild<QWidget*>(QStringLiteral("EDT_Interval")), nullptr);
}

TEST(TimesyncDialog, OutOfRangeStoredValuesShowTheNearestEntry) {
    struct Case {
        int pattern;
        int day;
        int week;
        const char16_t* shown;
    };
    for (const Case& sample : {Case{CorrectMonthly, 31, 1, u"30"}, Case{CorrectMonthly, 0, 1, u"1"},
                               Case{CorrectMonthly, -3, 1, u"1"}, Case{CorrectWeekly, 1, 0, u"日"},
                               Case{CorrectWeekly, 1, 9, u"土"}}) {
        TimeServerSettings stored =
            StoredPattern(sample.pattern, AutoCorrection | CorrectAtStartup);
        stored.Day = sample.day;
        stored.Week = sample.week;
        Dialog dialog(stored);
        EXPECT_EQ(dialog.Find<QComboBox>("CBX_List")->currentText(),
                  QString::fromUtf16(sample.shown));
    }
}

TEST(TimesyncDialog, TheTimeRowReturnsWithTheRadiosState) {
    Dialog dialog(StoredPattern(CorrectDaily, AutoCorrection | CorrectAtStartup));
    auto* hour = dialog.Find<QSpinBox>("UPD_DayTime_Hour");
    EXPECT_FALSE(hour->isEnabled()) << "disabled at start-up";
    dialog.Find<QRadioButton>("RB_DayTimeTime")->setChecked(true);
    EXPECT_TRUE(hour->isEnabled());

    dialog.SelectPattern(CorrectEveryHours);
    EXPECT_TRUE(hour->isHidden());
    EXPECT_EQ(dialog.Find<QSpinBox>("UPD_Interval")->maximum(), 24);
    dialog.SelectPattern(CorrectEveryMinutes);
    EXPECT_EQ(dialog.Find<QSpinBox>("UPD_Interval")->maximum(), 59);
    EXPECT_FALSE(dialog.Find<QRadioButton>("RB_DayTimeRun")->isEnabled());
    dialog.SelectPattern(CorrectMonthly);
    EXPECT_FALSE(hour->isHidden());
    EXPECT_TRUE(hour->isEnabled());
    EXPECT_EQ(dialog.Find<QComboBox>("CBX_List")->currentIndex(), 0);
    dialog.Find<QRadioButton>("RB_DayTimeRun")->setChecked(true);
    EXPECT_FALSE(hour->isEnabled());

    // Without automatic correction the pattern and the time are out of reach.
    dialog.Find<QCheckBox>("CBX_AutoAdjust")->setChecked(false);
    for (const char* name : {"CBX_Pattern", "CBX_List", "RB_DayTimeRun", "RB_DayTimeTime"}) {
        EXPECT_FALSE(dialog.Find<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(dialog.Find<QWidget>("CBX_DialUp")->isEnabled());
}

TEST(TimesyncDialog, ApplyHandsTheSettingsBackAndSaves) {
    TimeServerSettings stored = StoredPattern(CorrectDaily, AutoCorrection | CorrectAtStartup);
    stored.correctionDone = true;
    Dialog dialog(stored);
    dialog.state.correctionTicks = 999;
    const int port = dialog.settings.iPort;
    dialog.SelectPattern(CorrectWeekly);
    dialog.Find<QComboBox>("CBX_List")->setCurrentIndex(2);
    dialog.Find<QRadioButton>("RB_DayTimeTime")->setChecked(true);
    dialog.Find<QSpinBox>("UPD_DayTime_Hour")->setValue(21);
    dialog.Find<QSpinBox>("UPD_DayTime_Min")->setValue(5);
    dialog.Find<QCheckBox>("CBX_DialUp")->setChecked(true);
    dialog.Find<QComboBox>("CBX_ServerList")->setCurrentIndex(1);
    dialog.Click("BTN_Pop3Refrect");

    const TimeServerSettings& applied = dialog.settings;
    EXPECT_EQ(applied.Pattern, CorrectWeekly);
    EXPECT_EQ(applied.Week, 3);
    EXPECT_EQ(applied.Hour, 21);
    EXPECT_EQ(applied.Min, 5);
    EXPECT_EQ(applied.Attribute, AutoCorrection | CorrectAtTime | CorrectOnlyDialUp);
    EXPECT_EQ(applied.Index, 1);
    EXPECT_EQ(applied.asHostName, QStringLiteral("no-such-host.invalid"));
    EXPECT_EQ(applied.iPort, port) << "passed through unchanged";
    EXPECT_EQ(applied.iiTimeOut, 2000);
    EXPECT_FALSE(applied.correctionDone);
    EXPECT_EQ(dialog.state.correctionTicks, 0u);
    EXPECT_EQ(dialog.saver.saves, 1);
    EXPECT_EQ(dialog.form->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.host.commandsEnabled);
}

TEST(TimesyncDialog, ApplyIntervalsAndAMissingServer) {
    TimeServerSettings stored =
        StoredPattern(CorrectEveryMinutes, AutoCorrection | CorrectAtStartup);
    stored.Index = 9; // no such entry
    Dialog dialog(stored);
    dialog.Find<QSpinBox>("UPD_Interval")->setValue(15);
    dialog.Click("BTN_Pop3Refrect");
    EXPECT_EQ(dialog.settings.Interval_Min, 15);
    EXPECT_EQ(dialog.settings.Interval_Hour, 6);
    EXPECT_EQ(dialog.settings.Index, 0);
    EXPECT_EQ(dialog.settings.asHostName, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(dialog.settings.Attribute, AutoCorrection | CorrectAtStartup);
}

TEST(TimesyncDialog, CancelLeavesTheSettingsButNotACorrectionMade) {
    TimeServerSettings stored = StoredPattern(CorrectDaily, AutoCorrection | CorrectAtStartup);
    stored.correctionDone = true;
    Dialog dialog(stored);
    const TimeServerSettings before = dialog.settings;
    dialog.state.correctionTicks = 40;
    dialog.SelectPattern(CorrectEveryHours);
    dialog.Find<QCheckBox>("CBX_AutoAdjust")->setChecked(false);
    dialog.Click("BTN_Adjust");
    dialog.Click("BTN_Close");
    EXPECT_EQ(dialog.form->result(), QDialog::Rejected);
    EXPECT_EQ(dialog.settings.Pattern, before.Pattern);
    EXPECT_EQ(dialog.settings.Attribute, before.Attribute);
    EXPECT_TRUE(dialog.settings.correctionDone);
    EXPECT_EQ(dialog.state.correctionTicks, 40u) << "immediate runs leave the counter alone";
    EXPECT_EQ(dialog.saver.saves, 0);
    EXPECT_EQ(dialog.clock.settings.size(), 1u) << "the correction stays made";
    EXPECT_TRUE(dialog.host.commandsEnabled);
}

TEST(TimesyncDialog, TestRunWritesBothTimesAndLeavesTheClock) {
    Dialog dialog;
    dialog.server.SetReply(NistTimeServer::NistReply("02-12-06", "21:30:05"));
    dialog.Click("BTN_AdjustCheck");
    EXPECT_EQ(dialog.MemoLines(),
              QStringList({QStringLiteral("==テスト実行します=="),
                           QStringLiteral("パソコンの時刻:2002/12/07 06:30.04 120"),
                           QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 450")}));
    EXPECT_TRUE(dialog.clock.settings.empty());
    EXPECT_EQ(dialog.state.correctionError, CorrectionError::None);
    EXPECT_EQ(dialog.host.tickRestarts, 1);
    EXPECT_TRUE(dialog.Find<QPushButton>("BTN_AdjustCheck")->isEnabled());
    EXPECT_TRUE(dialog.Find<QPushButton>("BTN_Adjust")->isEnabled());
}

// A step of more than 1000 s is made only after the user's yes; either way the memo shows
// both times.
TEST(TimesyncDialog, CorrectionRunShowsTheTimeBeforeAndSetsTheClock) {
    struct Case {
        const char* what;
        QTime computer; // on 2002-12-07; the server says 06:30:05.450
        UserPrompt::Answer answer;
        std::size_t questions;
        const char16_t* result;
    };
    const Case cases[] = {
        {"seconds apart", QTime(6, 30, 0), UserPrompt::Answer::No, 0, u"補正しました"},
        {"hours apart, yes", QTime(0, 0, 0), UserPrompt::Answer::Yes, 1, u"補正しました"},
        {"hours apart, no", QTime(0, 0, 0), UserPrompt::Answer::No, 1, u"補正しませんでした"},
    };
    for (const Case& sample : cases) {
        Dialog dialog;
        dialog.clock.now = QDateTime(QDate(2002, 12, 7), sample.computer);
        dialog.prompt.defaultAnswer = sample.answer;
        bool buttonsEnabledDuringRun = true;
        dialog.clock.onSet = [&] {
            buttonsEnabledDuringRun = dialog.Find<QPushButton>("BTN_Adjust")->isEnabled() ||
                                      dialog.Find<QPushButton>("BTN_AdjustCheck")->isEnabled();
        };
        dialog.Click("BTN_Adjust");
        EXPECT_EQ(dialog.MemoLines(),
                  QStringList({QStringLiteral("==日時を補正します=="),
                               PcTimeText(QDateTime(QDate(2002, 12, 7), sample.computer)),
                               QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 450"),
                               QString::fromUtf16(sample.result)}))
            << sample.what;
        EXPECT_EQ(dialog.prompt.questions.size(), sample.questions) << sample.what;
        EXPECT_EQ(dialog.state.correctionError, CorrectionError::None) << sample.what;
        if (sample.answer == UserPrompt::Answer::No && sample.questions > 0) {
            EXPECT_TRUE(dialog.clock.settings.empty()) << sample.what;
            continue;
        }
        ASSERT_EQ(dialog.clock.settings.size(), 1u) << sample.what;
        EXPECT_TRUE(CarriedOnFrom(dialog.clock.settings[0],
                                  QDateTime(QDate(2002, 12, 7), QTime(6, 30, 5, 450))));
        EXPECT_EQ(dialog.clock.authorisations, std::vector{ClockAuthorisation::MayAskUser});
        EXPECT_FALSE(buttonsEnabledDuringRun);
    }
}

TEST(TimesyncDialog, FailuresGoToTheMemoOnly) {
    struct Case {
        const char* what;
        const char* button;
        std::function<void(Dialog&)> arrange;
        QStringList lines;
    };
    const std::vector<Case> cases = {
        {"unreachable",
         "BTN_AdjustCheck",
         [](Dialog& d) { d.server.SetBehaviour(NistTimeServer::Behaviour::StaySilent); },
         {QStringLiteral("==テスト実行します=="), QStringLiteral("接続できませんでした")}},
        {"invalid host",
         "BTN_AdjustCheck",
         [](Dialog& d) { d.Find<QComboBox>("CBX_ServerList")->setCurrentIndex(1); },
         {QStringLiteral("==テスト実行します=="), QStringLiteral("InvalidHost"),
          QStringLiteral("接続できませんでした")}},
        {"garbage",
         "BTN_Adjust",
         [](Dialog& d) { d.server.SetReply("garbage\n"); },
         {QStringLiteral("==日時を補正します=="),
          QStringLiteral("サーバーからの受信したデータの変換に失敗しました")}},
        {"clock refused",
         "BTN_Adjust",
         [](Dialog& d) { d.clock.answer = ClockSetResult::Refused; },
         {QStringLiteral("==日時を補正します=="),
          QStringLiteral("パソコンの日時補正に失敗しました")}},
    };
    for (const Case& sample : cases) {
        Dialog dialog({}, {}, 200);
        sample.arrange(dialog);
        dialog.host.commandsEnabled = false;
        dialog.Click(sample.button);
        EXPECT_EQ(dialog.MemoLines(), sample.lines) << sample.what;
        EXPECT_EQ(dialog.state.correctionError, CorrectionError::Failed) << sample.what;
        EXPECT_TRUE(dialog.host.commandsEnabled) << sample.what;
        EXPECT_EQ(dialog.host.tickRestarts, 1) << sample.what;
        EXPECT_TRUE(dialog.Find<QPushButton>("BTN_Adjust")->isEnabled()) << sample.what;
        EXPECT_TRUE(dialog.clock.settings.empty()) << sample.what;
    }
}

TEST(TimesyncDialog, HelpOpensItsTopic) {
    Dialog dialog;
    dialog.Click("BTN_Help");
    EXPECT_EQ(dialog.help.topics, std::vector<int>{304});
    EXPECT_EQ(dialog.form->result(), 0) << "the dialog stays open";
}

TEST(TimesyncDialog, TheProtocolChoosesTheServerListAndThePort) {
    struct Case {
        const char* what;
        int stored;
        const char* click; // the protocol radio clicked, or none
        int protocol;
        int port;
        const char* firstServer;
    };
    const Case cases[] = {
        {"Daytime as stored", DaytimeProtocol, nullptr, DaytimeProtocol, 10123,
         "time-a-g.nist.gov"},
        {"to SNTP", DaytimeProtocol, "RB_ProtocolSntp", SntpProtocol, 123, "ntp.nict.jp"},
        {"SNTP as stored", SntpProtocol, nullptr, SntpProtocol, 10123, "ntp.nict.jp"},
        {"back to Daytime", SntpProtocol, "RB_ProtocolDaytime", DaytimeProtocol, 13,
         "time-a-g.nist.gov"},
        {"a protocol no version wrote", 7, nullptr, DaytimeProtocol, 10123, "time-a-g.nist.gov"},
    };
    for (const Case& sample : cases) {
        TimeServerSettings stored = StoredServer(sample.stored, 10123);
        stored.Index = 2;
        Dialog dialog(stored, TDayTimeForm::DefaultServers());
        if (sample.click != nullptr) {
            QTest::mouseClick(dialog.Find<QRadioButton>(sample.click), Qt::LeftButton);
        }
        const auto* servers = dialog.Find<QComboBox>("CBX_ServerList");
        EXPECT_EQ(servers->itemText(0), QString::fromLatin1(sample.firstServer)) << sample.what;
        EXPECT_EQ(servers->currentIndex(), sample.click != nullptr ? 0 : 2) << sample.what;
        EXPECT_EQ(dialog.Find<QRadioButton>("RB_ProtocolSntp")->isChecked(),
                  sample.protocol == SntpProtocol)
            << sample.what;
        dialog.Click("BTN_Pop3Refrect");
        EXPECT_EQ(dialog.settings.Protocol, sample.protocol) << sample.what;
        EXPECT_EQ(dialog.settings.iPort, sample.port) << sample.what;
        EXPECT_EQ(dialog.settings.asHostName, servers->currentText()) << sample.what;
    }
}

TEST(TimesyncDialog, TestRunInTheComputersZoneForBothProtocols) {
    NistTimeServer daytime; // 2002-12-06 21:30:05.450 UTC
    ScriptedUdpPeer sntp;   // 2002-12-06 21:30:05.000 UTC
    struct Case {
        const char* zone;
        int protocol;
        const char16_t* serverLine; // up to the seconds: SNTP adds half the round trip
    };
    const Case cases[] = {
        {"UTC", DaytimeProtocol, u"サーバーの時刻:2002/12/06 21:30.05 450"},
        {"Asia/Tokyo", DaytimeProtocol, u"サーバーの時刻:2002/12/07 06:30.05 450"},
        {"UTC", SntpProtocol, u"サーバーの時刻:2002/12/06 21:30.05"},
        {"Asia/Tokyo", SntpProtocol, u"サーバーの時刻:2002/12/07 06:30.05"},
    };
    for (const Case& sample : cases) {
        const ScopedTimeZone zone(sample.zone);
        const quint16 port = sample.protocol == SntpProtocol ? sntp.Port() : daytime.Port();
        Dialog dialog(StoredServer(sample.protocol, port), LocalServers());
        dialog.Click("BTN_AdjustCheck");
        const QStringList lines = dialog.MemoLines();
        ASSERT_EQ(lines.size(), 3) << sample.zone << ' ' << lines.join(' ').toStdString();
        EXPECT_TRUE(lines[2].startsWith(QString::fromUtf16(sample.serverLine)))
            << sample.zone << ' ' << lines[2].toStdString();
    }
}

TEST(TimesyncDialog, ACorrectionOverSntpSetsTheServersTimeWithHalfTheRoundTrip) {
    ScriptedUdpPeer late;
    late.SetDelay(400);
    Dialog dialog(StoredServer(SntpProtocol, late.Port(), 5000), LocalServers());
    dialog.Click("BTN_Adjust");
    const QStringList lines = dialog.MemoLines();
    ASSERT_EQ(lines.size(), 4) << lines.join(' ').toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 ")));
    EXPECT_GE(lines[2].right(3).toInt(), 200) << lines[2].toStdString();
    EXPECT_EQ(lines[3], QStringLiteral("補正しました"));
    ASSERT_EQ(dialog.clock.settings.size(), 1u);
    EXPECT_TRUE(CarriedOnFrom(dialog.clock.settings[0],
                              QDateTime(QDate(2002, 12, 7), QTime(6, 30, 5, 200))));
}

TEST(TimesyncDialog, SntpFailuresGoToTheMemo) {
    using Reply = ScriptedUdpPeer::Reply;
    const std::pair<Reply, const char16_t*> cases[] = {
        {Reply::Kiss, u"サーバーからの受信したデータの変換に失敗しました"},
        {Reply::LeapUnsynchronised, u"サーバーからの受信したデータの変換に失敗しました"},
        {Reply::Silence, u"接続できませんでした"},
    };
    for (const auto& [reply, message] : cases) {
        ScriptedUdpPeer peer;
        peer.SetReply(reply);
        Dialog dialog(StoredServer(SntpProtocol, peer.Port(), 200), LocalServers());
        dialog.Click("BTN_Adjust");
        EXPECT_EQ(dialog.MemoLines(), QStringList({QStringLiteral("==日時を補正します=="),
                                                   QString::fromUtf16(message)}))
            << int(reply);
        EXPECT_TRUE(dialog.clock.settings.empty()) << int(reply);
        EXPECT_TRUE(dialog.prompt.messages.empty()) << int(reply);
    }
    // The host that cannot be resolved is reported as for Daytime.
    Dialog unknown(StoredServer(SntpProtocol, 123, 200), LocalServers());
    unknown.Find<QComboBox>("CBX_ServerList")->setCurrentIndex(1);
    unknown.Click("BTN_AdjustCheck");
    EXPECT_EQ(unknown.MemoLines(),
              QStringList({QStringLiteral("==テスト実行します=="), QStringLiteral("InvalidHost"),
                           QStringLiteral("接続できませんでした")}));
}

TEST(TimesyncDialog, AutomaticSynchronisationOnIsSaidInABox) {
    Dialog dialog;
    dialog.clock.answer = ClockSetResult::AutomaticSyncOn;
    dialog.Click("BTN_Adjust");
    const QString message =
        QStringLiteral("時刻の自動同期が有効なため、パソコンの日時は補正しませんでした");
    EXPECT_EQ(dialog.MemoLines(), QStringList({QStringLiteral("==日時を補正します=="), message}));
    ASSERT_EQ(dialog.prompt.messages.size(), 1u);
    EXPECT_EQ(dialog.prompt.messages[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(dialog.prompt.messages[0].text, message);
    EXPECT_EQ(dialog.state.correctionError, CorrectionError::Failed);
    EXPECT_TRUE(dialog.Find<QPushButton>("BTN_Adjust")->isEnabled());

    // The check does not set the clock and so works as ever.
    dialog.Click("BTN_AdjustCheck");
    EXPECT_EQ(dialog.MemoLines().size(), 5);
    EXPECT_EQ(dialog.prompt.messages.size(), 1u);
}

TEST(TimesyncDialog, TestRunOverSntpAgainstChrony) {
    if (ChronyServer::Executable().isEmpty()) {
        GTEST_SKIP() << "chrony is not installed (Debian package chrony)";
    }
    ChronyServer chrony;
    const QString failure = chrony.Start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    Dialog dialog(StoredServer(SntpProtocol, chrony.Port(), 5000), LocalServers());
    dialog.Click("BTN_AdjustCheck");
    const QStringList lines = dialog.MemoLines();
    ASSERT_EQ(lines.size(), 3) << lines.join(' ').toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("パソコンの時刻:")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("サーバーの時刻:")));
    const QDateTime server =
        QDateTime::fromString(lines[2].mid(8, 16), QStringLiteral("yyyy/MM/dd HH:mm"));
    EXPECT_LE(std::abs(server.secsTo(QDateTime::currentDateTime())), 120)
        << "chronyd serves this machine's clock";
    EXPECT_EQ(dialog.state.correctionError, CorrectionError::None);
}

} // namespace
