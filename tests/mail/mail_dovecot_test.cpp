#include "dialogs/mail_info_form.h"
#include "dovecot_server.h"
#include "face/icon_bar.h"
#include "fake_prompt.h"
#include "mail/mail_check_run.h"
#include "mail/run_mail_check_once.h"
#include "mail_fakes.h"
#include "platform/app_launcher.h"
#include "platform/qimage_canvas.h"
#include "scripted_peer.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class NoLauncher : public AppLauncher {
public:
    bool Launch(const QString&, const QString&, const QString&, int) override { return false; }
    bool Open(const QString&) override { return false; }
};

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
        return RunMailCheckOnce(accounts_, settings_, pop3_, dialUp_, sound_, prompt_);
    }

    AccountTable accounts_;
    ClockSettings settings_;
    TPop3Client pop3_;
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
    MailCheckRun run(accounts_, settings_, pop3_, dialUp_, host);
    NoLauncher launcher;
    TMailInfoForm form(accounts_, settings_, run, sound_, launcher);
    EXPECT_EQ(form.findChild<QPlainTextEdit*>("MM_Mail")->toPlainText(),
              QStringLiteral("alice：3通のメールがあります"));

    QImage face(200, 40, QImage::Format_RGB32);
    QImageCanvas canvas(face);
    IconBar bar;
    IconBarSources sources;
    sources.accounts = &accounts_;
    sources.accountListCount = 1;
    const IconBarLayout layout = bar.Draw(canvas, {}, sources);
    EXPECT_EQ(layout.iconCount, 2); // the status icon and alice's icon with its count
}

TEST_F(MailDovecot, WrongPasswordIsAnErrorAndExitsNonZero) {
    Configure(QStringLiteral("alice"), server_.Port(), QStringLiteral("wrong"));
    const MailCheckReport report = Run();
    EXPECT_EQ(report.lines, QStringList({"alice：Error:サーバーに接続できない"}));
    EXPECT_TRUE(report.anyError);
    EXPECT_EQ(accounts_.entries[0].ErrorCode, 145);
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

} // namespace
