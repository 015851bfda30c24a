// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/mail_info_form.h"
#include "dovecot_server.h"
#include "face/icon_bar.h"
#include "fake_prompt.h"
#include "mail/mail_check_run.h"
#include "mail/mail_error.h"
#include "mail/run_mail_check_once.h"
#include "mail_fakes.h"
#include "platform/app_launcher.h"
#include "platform/qimage_canvas.h"
#include "scripted_peer.h"
#include "service_fakes.h"
#include "test_certificates.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MailEndToEnd : public ::testing::Test {
protected:
    void Configure(const QString& name, quint16 port, const QString& password) {
        MailAccount& account = accounts_.entries[0];
        account.Attribute = InUse | CheckOn;
        account.Account = name;
        account.POP3 = QStringLiteral("127.0.0.1");
        account.Port = port;
        account.UserID = QStringLiteral("alice");
        account.PassWord = password;
        settings_.AccountListCount = 1;
    }
    MailCheckReport Run() {
        return RunMailCheckOnce(accounts_, settings_, pop3_, keyring_.passwords, dialUp_, sound_,
                                prompt_);
    }

    AccountTable accounts_;
    ClockSettings settings_;
    TPop3Client pop3_;
    KeyringPasswords keyring_{accounts_};
    FakeDialUp dialUp_;
    RecordingSound sound_;
    FakePrompt prompt_;
};

class MailDovecot : public MailEndToEnd {
protected:
    void SetUp() override {
        if (DovecotServer::Executable().isEmpty()) {
            GTEST_SKIP() << "Dovecot is not installed (dovecot-pop3d)";
        }
        const QString failure = server_.Start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }
    DovecotServer server_;
};

TEST_F(MailDovecot, ThreeMessagesReachTheLinesTheWindowAndTheIconBar) {
    Configure(QStringLiteral("alice"), server_.Port(), QStringLiteral("secret"));
    const MailCheckReport report = Run();
    EXPECT_EQ(report.lines, QStringList({"alice：3通のメールがあります"}));
    EXPECT_FALSE(report.anyError);
    EXPECT_EQ(accounts_.entries[0].MessageCount, 3);
    EXPECT_EQ(accounts_.entries[0].NewMail, 0); // told through the collected lines

    FakeRunHost host;
    MailCheckRun run(accounts_, settings_, pop3_, keyring_.passwords, dialUp_, host);
    RecordingLauncher launcher;
    TMailInfoForm form(accounts_, settings_, run, sound_, launcher);
    EXPECT_EQ(form.findChild<QPlainTextEdit*>("MM_Mail")->toPlainText(),
              QStringLiteral("alice：3通のメールがあります"));

    QImage face(200, 40, QImage::Format_RGB32);
    QImageCanvas canvas(face);
    IconBar bar;
    IconBarSources sources;
    sources.accounts = &accounts_;
    sources.accountListCount = 1;
    const IconBarLayout layout = bar.Paint(canvas, {}, sources, bar.NextFrame(sources));
    EXPECT_EQ(layout.iconCount, 2); // the status icon and alice's icon with its count
}

TEST_F(MailDovecot, WrongPasswordIsAnErrorAndExitsNonZero) {
    Configure(QStringLiteral("alice"), server_.Port(), QStringLiteral("wrong"));
    const MailCheckReport report = Run();
    EXPECT_EQ(report.lines, QStringList({"alice：Error:サーバーに接続できない"}));
    EXPECT_TRUE(report.anyError);
    EXPECT_EQ(accounts_.entries[0].ErrorCode, 145);
}

// A mailbox that takes no plaintext login: TLS from the first byte on its pop3s port, or
// STLS on the plain one; and IMAP beside it.
class MailDovecotTls : public MailEndToEnd {
protected:
    void SetUp() override {
        if (DovecotServer::Executable().isEmpty()) {
            GTEST_SKIP() << "Dovecot is not installed (dovecot-pop3d)";
        }
        certificates_ = TestCertificates::Get();
        ASSERT_NE(certificates_, nullptr) << TestCertificates::Problem().toStdString();
        server_ = std::make_unique<DovecotServer>(DovecotOptions::TlsOnTwoLoopbacks(
            certificates_->selfSigned.certificate, certificates_->selfSigned.key));
        const QString failure = server_->Start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }
    void Configure(int security, const QString& trusted) {
        MailEndToEnd::Configure(QStringLiteral("alice"),
                                security == TlsSecurity ? server_->TlsPort() : server_->Port(),
                                QStringLiteral("secret"));
        MailAccount& account = accounts_.entries[0];
        // Seen from another address, so that Dovecot does not take the connection as secure.
        account.POP3 = QStringLiteral("127.0.0.2");
        account.Security = security;
        account.TrustedCertificate = trusted;
        account.TrustedServer = ServerAddress::Of(account.POP3, account.Port);
    }

    const TestCertificates* certificates_ = nullptr;
    std::unique_ptr<DovecotServer> server_;
};

TEST_F(MailDovecotTls, EachSecurityChoiceEndsWithItsLine) {
    const QString trusted = TestCertificates::Fingerprint(certificates_->selfSigned.certificate);
    struct Case {
        int security;
        QString trusted;
        const char16_t* line;
        int code;
    };
    const Case cases[] = {
        {TlsSecurity, trusted, u"alice：3通のメールがあります", 0},
        {StartTlsSecurity, trusted, u"alice：3通のメールがあります", 0},
        {TlsSecurity, {}, u"alice：Error:サーバーの証明書を信頼できない", 151},
        {StartTlsSecurity, {}, u"alice：Error:サーバーの証明書を信頼できない", 151},
        {NoSecurity, {}, u"alice：Error:サーバーに接続できない", 145},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.security);
        accounts_ = {};
        Configure(test.security, test.trusted);
        const MailCheckReport report = Run();
        EXPECT_EQ(report.lines, QStringList({QString::fromUtf16(test.line)}));
        EXPECT_EQ(report.anyError, test.code != 0);
        EXPECT_EQ(accounts_.entries[0].ErrorCode, test.code);
    }
}

TEST_F(MailEndToEnd, StalledHandshakeEndsWithTheErrorWhileTheClockTicks) {
    ScriptedPeer silent; // accepts and never answers the handshake
    Configure(QStringLiteral("quiet"), silent.Port(), QStringLiteral("secret"));
    accounts_.entries[0].Security = TlsSecurity;
    int clockTicks = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] { ++clockTicks; });
    clock.start(250);
    const MailCheckReport report = Run();
    EXPECT_EQ(report.lines, QStringList({"quiet：Error:暗号化接続できない"}));
    EXPECT_TRUE(report.anyError);
    EXPECT_GT(clockTicks, 8);
}

TEST_F(MailEndToEnd, WrongPasswordSendsUserPassAndQuit) {
    ScriptedPeer peer;
    peer.Send("+OK ready\r\n").Expect("USER alice").Send("+OK\r\n");
    peer.Expect("PASS wrong").Send("-ERR no\r\n").Expect("QUIT").Send("+OK bye\r\n");
    Configure(QStringLiteral("alice"), peer.Port(), QStringLiteral("wrong"));
    const MailCheckReport report = Run();
    EXPECT_EQ(report.lines, QStringList({"alice：Error:サーバーに接続できない"}));
    EXPECT_EQ(peer.Received(), QStringList({"USER alice", "PASS wrong", "QUIT"}));
    EXPECT_TRUE(peer.Mismatches().isEmpty());
}

TEST_F(MailEndToEnd, SilentServerEndsWithTheErrorWhileTheClockTicks) {
    ScriptedPeer silent; // accepts and never greets
    Configure(QStringLiteral("quiet"), silent.Port(), QStringLiteral("secret"));
    int clockTicks = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] { ++clockTicks; });
    clock.start(250);
    const MailCheckReport report = Run();
    EXPECT_EQ(report.lines, QStringList({"quiet：Error:サーバーに接続できない"}));
    EXPECT_TRUE(report.anyError);
    // The wait of up to ten seconds ran in the event loop; the clock went on meanwhile.
    EXPECT_GT(clockTicks, 8);
}

TEST_F(MailEndToEnd, NoAccountsGiveNoLinesAndNoError) {
    const MailCheckReport report = Run();
    EXPECT_TRUE(report.lines.isEmpty());
    EXPECT_FALSE(report.anyError);
}

TEST_F(MailEndToEnd, DialUpWarningIsNoError) {
    Configure(QStringLiteral("modem"), ScriptedPeer::ClosedPort(), QStringLiteral("x"));
    accounts_.entries[0].Attribute |= DialUpOnly;
    const MailCheckReport report = Run();
    EXPECT_EQ(report.lines, QStringList({"modem：Warning:ダイヤルアップ接続中でない"}));
    EXPECT_FALSE(report.anyError);
}

// An IMAP account in the clock's run: its count is the unseen messages, and its new mail what
// the previous check of the same mailbox did not know. Each run here is one an IDLE watch asks
// for, which leaves the interval of the other accounts running.
TEST_F(MailDovecotTls, ImapCountsUnseenMailAndJudgesNewMailAcrossRuns) {
    MailEndToEnd::Configure(QStringLiteral("alice"), server_->ImapTlsPort(), "secret");
    MailAccount& account = accounts_.entries[0];
    account.POP3 = QStringLiteral("127.0.0.2");
    account.Protocol = ImapProtocol;
    account.Security = TlsSecurity;
    account.TrustedCertificate =
        TestCertificates::Fingerprint(certificates_->selfSigned.certificate);
    account.TrustedServer = ServerAddress::Of(account.POP3, account.Port);
    settings_.MailCheckAttr = PeriodicCheck;
    settings_.Checkinterval = 60;
    FakeRunHost host;
    MailCheckRun run(accounts_, settings_, pop3_, keyring_.passwords, dialUp_, host);
    const auto tickUntil = [&run](const std::function<bool()>& done) {
        return QTest::qWaitFor(
            [&] {
                run.AdvanceTickCounter(1);
                run.MailCheckTick();
                return done();
            },
            15000);
    };

    struct Step {
        const char* what;
        std::function<void()> change;
        int count;
        int newMail;
        int errorCode = 0;
    };
    const Step steps[] = {
        {"the first check", [] {}, 3, 1},
        {"nothing changed", [] {}, 3, 0},
        {"a message came", [&] { ASSERT_EQ(server_->Deliver("Subject: hi\r\n\r\nhi\r\n"), ""); }, 4,
         1},
        {"one was read", [&] { ASSERT_EQ(server_->MarkSeen(4), QString()); }, 3, 0},
        {"a mailbox that does not exist", [&] { account.Mailbox = QStringLiteral("Nowhere"); }, 3,
         0, MailInformationError},
        {"the inbox again, judged afresh", [&] { account.Mailbox = QStringLiteral("INBOX"); }, 3,
         1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        const std::uint32_t ticksBefore = run.MailTickCount();
        run.RequestAccountCheck(0);
        ASSERT_TRUE(tickUntil([&] { return run.MailCheckRunning(); }));
        ASSERT_TRUE(tickUntil([&] { return !run.MailCheckRunning(); }));
        EXPECT_EQ(account.ErrorCode, step.errorCode);
        EXPECT_EQ(account.MessageCount, step.count);
        EXPECT_EQ(account.NewMail, step.newMail);
        EXPECT_EQ(run.MailNotifyPending(), step.newMail != 0);
        EXPECT_GT(run.MailTickCount(), ticksBefore) << "the interval goes on";
        account.NewMail = 0; // as the notification window does
        run.SetMailNotifyPending(false);
    }
}

} // namespace
