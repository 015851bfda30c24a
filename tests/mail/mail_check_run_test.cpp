// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/window_bits.h"
#include "mail/mail_check_run.h"
#include "mail_fakes.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Outcome = FakePop3::Outcome;

MailAccount Account(const QString& name, int attribute = CheckOn) {
    MailAccount account;
    account.Account = name;
    account.Attribute = InUse | attribute;
    account.POP3 = QStringLiteral("pop.example");
    account.UserID = name;
    account.PassWord = QStringLiteral("secret");
    return account;
}

class MailCheckRunTest : public ::testing::Test {
protected:
    void AddAccount(const MailAccount& account) {
        accounts_.entries[settings_.AccountListCount++] = account;
    }
    // One clock tick as the clock window runs it.
    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            run_.AdvanceTickCounter(1);
            run_.MailCheckTick();
        }
    }
    // A forced run from the menu, ticked until it has ended.
    void ForcedRun() {
        run_.Menu_MailCheckClick();
        Tick();
        ASSERT_TRUE(run_.MailCheckRunning());
        for (int i = 0; i < 20 && run_.MailCheckRunning(); ++i) {
            Tick();
        }
        ASSERT_FALSE(run_.MailCheckRunning());
    }

    AccountTable accounts_;
    ClockSettings settings_;
    FakePop3 pop3_;
    FakeDialUp dialUp_;
    FakeRunHost host_;
    KeyringPasswords keyring_{accounts_};
    MailCheckRun run_{accounts_, settings_, pop3_, keyring_.passwords, dialUp_, host_};
};

TEST_F(MailCheckRunTest, NewMailFollowsTheCountAcrossRuns) {
    struct Case {
        std::vector<int> counts;
        std::vector<int> newMail; // NewMail after each run
    };
    const Case cases[] = {{{3, 1, 2}, {1, 0, 1}}, {{3, 3}, {1, 0}}};
    for (const Case& test : cases) {
        accounts_ = {};
        settings_.AccountListCount = 0;
        AddAccount(Account(QStringLiteral("home")));
        for (std::size_t i = 0; i < test.counts.size(); ++i) {
            pop3_.answers.push_back({Outcome::Count, test.counts[i]});
            ForcedRun();
            const MailAccount& account = accounts_.entries[0];
            EXPECT_EQ(account.MessageCount, test.counts[i]);
            EXPECT_EQ(account.PreviousCount, test.counts[i]);
            EXPECT_EQ(account.NewMail, test.newMail[i]) << "run " << i;
            EXPECT_EQ(account.ResultText, QString());
            EXPECT_TRUE(run_.MailNotifyPending()); // a forced run always reports
            accounts_.entries[0].NewMail = 0;      // as the notification window does
            run_.SetMailNotifyPending(false);
        }
    }
    // The conversation was USER, PASS, STAT and QUIT with the fixed time-out.
    EXPECT_EQ(pop3_.Received(), QStringList({"USER home", "PASS secret", "STAT", "QUIT"}));
    EXPECT_TRUE(pop3_.connects.last().endsWith(":10000"));
}

TEST_F(MailCheckRunTest, PeriodicRunStartsAfterTheIntervalCountedFromTheLastRun) {
    settings_.MailCheckAttr = PeriodicCheck;
    settings_.Checkinterval = 5;
    AddAccount(Account(QStringLiteral("home")));
    Tick(1198);
    EXPECT_EQ(run_.MailTickCount(), 1198u);
    EXPECT_FALSE(run_.MailCheckRunning()); // no run at start-up
    Tick();
    EXPECT_FALSE(run_.MailCheckRunning());
    Tick(); // MailTickCount 1200 = 300 s
    EXPECT_TRUE(run_.MailCheckRunning());
    EXPECT_EQ(host_.caption, MailCheckRun::StopCaption());
    EXPECT_EQ(host_.runCommands, CommandState::Disabled);
    EXPECT_EQ(host_.mailCheck, CommandState::Enabled); // the stop command
    Tick(2);                                           // the account, then the end of the run
    EXPECT_FALSE(run_.MailCheckRunning());
    EXPECT_EQ(run_.MailTickCount(), 0u);
    EXPECT_EQ(host_.caption, MailCheckRun::IdleCaption());
    EXPECT_EQ(host_.runCommands, CommandState::Enabled);
    EXPECT_EQ(pop3_.connects.size(), 1);
    Tick(1199);
    EXPECT_FALSE(run_.MailCheckRunning());
    Tick();
    EXPECT_TRUE(run_.MailCheckRunning());
}

TEST_F(MailCheckRunTest, IntervalZeroStartsTheNextRunOnTheTickAfterTheEnd) {
    settings_.MailCheckAttr = PeriodicCheck;
    AddAccount(Account(QStringLiteral("home")));
    Tick(3); // start, account, end
    EXPECT_FALSE(run_.MailCheckRunning());
    Tick();
    EXPECT_TRUE(run_.MailCheckRunning());
}

TEST_F(MailCheckRunTest, NoRunWithoutPeriodicCheckOrMenu) {
    AddAccount(Account(QStringLiteral("home")));
    Tick(5000);
    EXPECT_FALSE(run_.MailCheckRunning());
    EXPECT_TRUE(pop3_.connects.isEmpty());
}

TEST_F(MailCheckRunTest, SettingsDialogsSuspendTheRun) {
    for (const WindowBit bit : {MailSettingsWindow, CorrectionSettingsWindow}) {
        settings_.MailCheckAttr = PeriodicCheck;
        settings_.Checkinterval = 1;
        settings_.AccountListCount = 0;
        AddAccount(Account(QStringLiteral("home")));
        run_.ResetMailTickCount();
        host_.mask = bit;
        Tick(400); // well past the minute
        EXPECT_FALSE(run_.MailCheckRunning());
        host_.mask = 0;
        Tick();
        EXPECT_TRUE(run_.MailCheckRunning());
        host_.mask = bit; // opened in the middle of a run: the run waits
        Tick(10);
        EXPECT_EQ(run_.MailCheckIndex(), 0);
        host_.mask = 0;
        Tick(2);
        EXPECT_FALSE(run_.MailCheckRunning());
    }
    EXPECT_EQ(pop3_.connects.size(), 2);
}

TEST_F(MailCheckRunTest, DialUpOnlyAccountWithoutDialUpGetsAWarningButNoError) {
    MailAccount account = Account(QStringLiteral("modem"), CheckOn | DialUpOnly);
    account.MessageCount = 4;
    AddAccount(account);
    ForcedRun();
    EXPECT_EQ(accounts_.entries[0].ResultText,
              QStringLiteral("Warning:ダイヤルアップ接続中でない"));
    EXPECT_EQ(accounts_.entries[0].ErrorCode, 0);
    EXPECT_EQ(accounts_.entries[0].MessageCount, 4);
    EXPECT_TRUE(pop3_.connects.isEmpty());

    dialUp_.connected = true;
    pop3_.answers.push_back({Outcome::Count, 2});
    ForcedRun();
    EXPECT_EQ(accounts_.entries[0].MessageCount, 2);
    EXPECT_EQ(accounts_.entries[0].ResultText, QString());
}

TEST_F(MailCheckRunTest, AccountWithoutCheckOnIsSkipped) {
    MailAccount skipped = Account(QStringLiteral("off"), 0);
    skipped.MessageCount = 7;
    skipped.PreviousCount = 2;
    skipped.ResultText = QStringLiteral("Error:サーバーに接続できない");
    AddAccount(skipped);
    AddAccount(Account(QStringLiteral("on")));
    pop3_.answers.push_back({Outcome::Count, 1});
    ForcedRun();
    EXPECT_EQ(pop3_.connects.size(), 1);
    EXPECT_TRUE(pop3_.connects[0].contains(":on:"));
    const MailAccount& off = accounts_.entries[0];
    EXPECT_EQ(off.MessageCount, 7);
    EXPECT_EQ(off.PreviousCount, 2);
    EXPECT_EQ(off.NewMail, 0);
    EXPECT_EQ(off.ResultText, skipped.ResultText);
    EXPECT_EQ(accounts_.entries[1].NewMail, 1);
}

TEST_F(MailCheckRunTest, NoAccountsEndsOnTheFirstStepAndStillReports) {
    settings_.MailCheckAttr = PeriodicCheck;
    run_.Menu_MailCheckClick();
    EXPECT_EQ(host_.runCommands, CommandState::Disabled);
    EXPECT_EQ(run_.MailTickCount(), 0xFFFFFFFFu);
    Tick();
    EXPECT_EQ(run_.MailTickCount(), 0u);
    EXPECT_TRUE(run_.MailCheckRunning());
    Tick();
    EXPECT_FALSE(run_.MailCheckRunning());
    EXPECT_EQ(host_.mailCheck, CommandState::Enabled);
    EXPECT_EQ(host_.runCommands, CommandState::Enabled);
    EXPECT_TRUE(run_.MailNotifyPending());
    Tick();
    EXPECT_EQ(host_.opened, 1);
    EXPECT_TRUE(pop3_.connects.isEmpty());
}

TEST_F(MailCheckRunTest, NotificationOpensOrRefreshesWhileSomethingIsNew) {
    AddAccount(Account(QStringLiteral("home")));
    accounts_.entries[0].NewMail = 1;
    Tick();
    EXPECT_EQ(host_.opened, 1);
    host_.mask = MailNotificationWindow;
    Tick();
    EXPECT_EQ(host_.refreshed, 1);
    accounts_.entries[0].NewMail = 0;
    Tick();
    EXPECT_EQ(host_.opened + host_.refreshed, 2);
}

TEST_F(MailCheckRunTest, FailuresBecomeTextsOnTheAccount) {
    struct Case {
        Outcome outcome;
        QStringList received;
    };
    const Case cases[] = {
        {Outcome::LoginRefused, {"USER home", "PASS secret", "QUIT"}},
        {Outcome::Refused, {}},
    };
    for (const Case& test : cases) {
        accounts_ = {};
        settings_.AccountListCount = 0;
        MailAccount account = Account(QStringLiteral("home"));
        account.MessageCount = 5;
        AddAccount(account);
        pop3_.answers.push_back({test.outcome, 0});
        ForcedRun();
        EXPECT_EQ(accounts_.entries[0].ResultText, QStringLiteral("Error:サーバーに接続できない"));
        EXPECT_EQ(accounts_.entries[0].ErrorCode, 145);
        EXPECT_EQ(accounts_.entries[0].MessageCount, 5); // kept from the last good check
        EXPECT_EQ(pop3_.Received(), test.received);
        EXPECT_FALSE(run_.MailCheckBusy());
        EXPECT_FALSE(run_.MailSessionOpen());
    }
    // The next good check clears the text.
    pop3_.answers.push_back({Outcome::Count, 1});
    ForcedRun();
    EXPECT_EQ(accounts_.entries[0].ResultText, QString());
    EXPECT_EQ(accounts_.entries[0].ErrorCode, 0);
}

TEST_F(MailCheckRunTest, AccountSecurityReachesTheComponentAndItsFailuresHaveTheirTexts) {
    const TestCertificates* certificates = TestCertificates::Get();
    if (certificates == nullptr) {
        GTEST_SKIP() << TestCertificates::Problem().toStdString();
    }
    const QString trusted = TestCertificates::Fingerprint(certificates->selfSigned.certificate);
    const QStringList session = {"USER home", "PASS secret", "STAT", "QUIT"};
    struct Case {
        const char* what;
        int security;
        QString trusted;
        Outcome outcome;
        const char* given; // what the component was given: security and fingerprint
        const char16_t* text;
        int code;
        QStringList received;
    };
    const Case cases[] = {
        {"SSL/TLS", TlsSecurity, trusted, Outcome::Count, "2", u"", 0, session},
        {"STARTTLS", StartTlsSecurity, trusted, Outcome::Count, "1", u"", 0,
         QStringList({"STLS"}) + session},
        {"unknown value", 7, trusted, Outcome::Count, "2", u"", 0, session},
        {"SSL/TLS, certificate not trusted",
         TlsSecurity,
         {},
         Outcome::Count,
         "2",
         u"Error:サーバーの証明書を信頼できない",
         151,
         {}},
        {"STARTTLS refused",
         StartTlsSecurity,
         {},
         Outcome::StlsRefused,
         "1",
         u"Error:暗号化接続できない",
         150,
         {"STLS", "QUIT"}},
        {"none", NoSecurity, {}, Outcome::Count, "0", u"", 0, session},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        accounts_ = {};
        settings_.AccountListCount = 0;
        MailAccount account = Account(QStringLiteral("home"));
        account.Security = test.security;
        account.TrustedCertificate = test.trusted;
        account.TrustedServer = QStringLiteral("pop.example:110");
        AddAccount(account);
        pop3_.answers.push_back({test.outcome, 2});
        ForcedRun();
        EXPECT_EQ(pop3_.securities.last(), QString::fromLatin1(test.given) + ":" + test.trusted);
        EXPECT_EQ(accounts_.entries[0].ResultText, QString::fromUtf16(test.text));
        EXPECT_EQ(accounts_.entries[0].ErrorCode, test.code);
        EXPECT_EQ(accounts_.entries[0].MessageCount, test.code == 0 ? 2 : 0);
        if (test.code == 151) {
            // Only the handshake went out, which is no text.
            EXPECT_FALSE(pop3_.Received().join(' ').contains("USER"));
        } else {
            EXPECT_EQ(pop3_.Received(), test.received);
        }
    }
}

// A password kept in the keyring comes from the event loop: the run waits at its account
// while the clock ticks on, and without it no login is tried.
TEST_F(MailCheckRunTest, KeyringPasswordComesWhileTheClockTicks) {
    struct Case {
        const char* user;
        std::optional<PasswordKeyring::Outcome> failure;
        const char16_t* text;
        qsizetype connects;
    };
    const Case cases[] = {
        {"slow", {}, u"", 1},
        {"refused", PasswordKeyring::Outcome::NotFound, u"Error:パスワードを取得できない", 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.user);
        accounts_ = {};
        settings_.AccountListCount = 0;
        MailAccount account = Account(QString::fromLatin1(test.user));
        account.PassWord.clear();
        AddAccount(account);
        keyring_.keyring.entries[account.UserID + "@pop.example"] = "secret";
        keyring_.keyring.failure = test.failure;
        keyring_.keyring.delay = 400;
        pop3_.connects.clear();
        pop3_.answers.push_back({Outcome::Count, 3});
        int ticks = 0;
        int ticksAtConnect = -1;
        pop3_.duringConnect = [&] { ticksAtConnect = ticks; };
        run_.Menu_MailCheckClick();
        QTimer clock;
        clock.callOnTimeout([&] {
            ++ticks;
            Tick();
        });
        clock.start(50);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 2 && !run_.MailCheckRunning(); }, 5000));
        EXPECT_EQ(accounts_.entries[0].ResultText, QString::fromUtf16(test.text));
        EXPECT_EQ(pop3_.connects.size(), test.connects);
        if (test.connects > 0) {
            EXPECT_GE(ticksAtConnect, 4) << "the clock ticked while the keyring took its time";
            EXPECT_EQ(pop3_.Received()[1], QStringLiteral("PASS secret"));
        }
    }
}

TEST_F(MailCheckRunTest, PortOutsideTheRangeFailsWithoutConnecting) {
    MailAccount account = Account(QStringLiteral("home"));
    account.Port = 70000;
    AddAccount(account);
    ForcedRun();
    EXPECT_EQ(accounts_.entries[0].ErrorCode, 145);
    EXPECT_TRUE(pop3_.connects.isEmpty());
}

TEST_F(MailCheckRunTest, StopCommandAbortsTheConversationAndEndsTheRun) {
    AddAccount(Account(QStringLiteral("first")));
    AddAccount(Account(QStringLiteral("second")));
    pop3_.duringConnect = [this] {
        pop3_.duringConnect = nullptr;
        EXPECT_EQ(host_.caption, MailCheckRun::StopCaption());
        EXPECT_EQ(host_.mailCheck, CommandState::Enabled);
        Tick(); // a tick inside the wait does nothing
        run_.Menu_MailCheckClick();
    };
    run_.Menu_MailCheckClick();
    Tick(2); // start, then the first account
    EXPECT_FALSE(run_.MailCheckRunning());
    EXPECT_EQ(pop3_.connects.size(), 1);
    EXPECT_EQ(accounts_.entries[0].ErrorCode, 145);
    EXPECT_EQ(accounts_.entries[0].ResultText, QStringLiteral("Error:サーバーに接続できない"));
    EXPECT_EQ(host_.caption, MailCheckRun::IdleCaption());
    EXPECT_EQ(host_.runCommands, CommandState::Enabled);
    EXPECT_FALSE(run_.MailCheckBusy());
    EXPECT_FALSE(run_.MailCheckForced());
    Tick(5);
    EXPECT_EQ(pop3_.connects.size(), 1); // the second account was not visited
}

TEST_F(MailCheckRunTest, StopBetweenAccountsEndsTheRunAtOnce) {
    AddAccount(Account(QStringLiteral("first")));
    AddAccount(Account(QStringLiteral("second")));
    pop3_.answers.push_back({Outcome::Count, 1});
    run_.Menu_MailCheckClick();
    Tick(2);
    EXPECT_EQ(run_.MailCheckIndex(), 1);
    run_.Menu_MailCheckClick();
    EXPECT_FALSE(run_.MailCheckRunning());
    EXPECT_EQ(host_.caption, MailCheckRun::IdleCaption());
    EXPECT_EQ(accounts_.entries[0].ErrorCode, 0);
}

TEST_F(MailCheckRunTest, ExitChosenStopsTheMachinery) {
    AddAccount(Account(QStringLiteral("home")));
    run_.Menu_MailCheckClick();
    Tick();
    host_.quitState = QuitState::ExitChosen;
    Tick();
    EXPECT_EQ(host_.quitState, QuitState::MailStopped);
    EXPECT_FALSE(run_.MailCheckRunning());
    EXPECT_TRUE(pop3_.connects.isEmpty());
    Tick(10); // nothing more happens once stopped
    EXPECT_FALSE(run_.MailCheckRunning());
}

TEST_F(MailCheckRunTest, ExitChosenDuringTheConversationSkipsTheLogout) {
    AddAccount(Account(QStringLiteral("home")));
    pop3_.answers.push_back({Outcome::Count, 3});
    host_.onOpen = nullptr;
    run_.Menu_MailCheckClick();
    Tick();
    pop3_.duringConnect = [this] {
        pop3_.duringConnect = nullptr;
        host_.quitState = QuitState::ExitChosen;
    };
    Tick();
    EXPECT_EQ(host_.quitState, QuitState::MailStopped);
    EXPECT_EQ(accounts_.entries[0].MessageCount, 0);
    EXPECT_FALSE(run_.MailCheckBusy());
    EXPECT_FALSE(pop3_.Received().contains("QUIT"));
}

} // namespace
