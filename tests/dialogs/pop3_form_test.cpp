// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/certificate_question.h"
#include "dialogs/pop3_form.h"
#include "dovecot_server.h"
#include "fake_choosers.h"
#include "fake_prompt.h"
#include "mail_fakes.h"
#include "temp_dir.h"
#include "test_certificates.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class RecordingSettingsHost : public MailSettingsHost {
public:
    void ReloadAccountIcons() override { calls << "icons"; }
    void SetMailCheckEnabled(CommandState state) override {
        calls << (state == CommandState::Enabled ? "enable" : "disable");
    }
    void ResetMailTickCount() override { calls << "ticks"; }
    void RestartMailWatches() override { calls << "watches"; }
    QStringList calls;
};

class MailPop3FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    }
    std::unique_ptr<TPop3Form> MakeForm() {
        return MakeForm([this] {
            ++testClients_;
            return std::make_unique<FakePop3>();
        });
    }
    std::unique_ptr<TPop3Form> MakeForm(TPop3Form::Pop3ClientFactory testClient) {
        return std::make_unique<TPop3Form>(accounts_, settings_, keyring_.passwords, host_, saver_,
                                           prompt_, help_, sound_, choosers_,
                                           std::move(testClient));
    }
    template <typename T> T* Find(TPop3Form& form, const char* name) {
        T* found = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void FillEditor(TPop3Form& form, const QString& name) {
        Find<QLineEdit>(form, "EDT_AccountName")->setText(name);
        Find<QLineEdit>(form, "EDT_UserID")->setText(QStringLiteral("alice"));
        Find<QLineEdit>(form, "EDT_Password")->setText(QStringLiteral("secret"));
        Find<QLineEdit>(form, "EDT_PopServer")->setText(QStringLiteral("pop.example"));
    }
    void Click(TPop3Form& form, const char* name) { Find<QAbstractButton>(form, name)->click(); }
    QStringList Lines(TPop3Form& form) {
        QStringList lines;
        auto* list = Find<QListWidget>(form, "CLBX_Pop3List");
        for (int row = 0; row < list->count(); ++row) {
            lines << list->item(row)->text() +
                         (list->item(row)->checkState() == Qt::Checked ? " +" : " -");
        }
        return lines;
    }
    QStringList Messages() const {
        QStringList texts;
        for (const auto& shown : prompt_.messages) {
            texts << shown.caption + ": " + shown.text;
        }
        return texts;
    }

    AccountTable accounts_;
    ClockSettings settings_;
    KeyringPasswords keyring_{accounts_};
    RecordingSettingsHost host_;
    CountingSaver saver_;
    FakePrompt prompt_;
    RecordingHelp help_;
    RecordingSound sound_;
    FakeChoosers choosers_;
    int testClients_ = 0;
    TestFolder folder_;
};

TEST_F(MailPop3FormTest, ValidateShowsTheFirstMissingField) {
    auto form = MakeForm();
    const QString wave = folder_.Write("a.wav", "RIFF");
    struct Case {
        const char* field;
        QString text;
        const char16_t* message;
    };
    const Case cases[] = {
        {"EDT_AccountName", {}, u"アカウント名称を入力してください"},
        {"EDT_UserID", {}, u"ユーザーIDを設定してください"},
        {"EDT_Password", {}, u"パスワードを設定してください"},
        {"EDT_PopServer", {}, u"POP3サーバーのアドレスを設定してください"},
        {"EDT_Port", {}, u"POP3サーバーのポートを指定してください"},
        {"EDT_UserID", "alice\r\nDELE 1", u"ユーザーIDに使えない文字(改行など)が含まれています"},
        {"EDT_Password", "sec\nret", u"パスワードに使えない文字(改行など)が含まれています"},
        {"EDT_MailSound", {}, u"サウンドファイルを指定してください"},
        {"EDT_MailSound", folder_.FilePath("gone.wav"), u"サウンドファイルが見つかりません"},
    };
    Find<QCheckBox>(*form, "CBX_MailSound")->setChecked(true);
    for (const Case& test : cases) {
        FillEditor(*form, QStringLiteral("home"));
        Find<QLineEdit>(*form, "EDT_Port")->setText("110");
        Find<QLineEdit>(*form, "EDT_MailSound")->setText(wave);
        Find<QLineEdit>(*form, test.field)->setText(test.text);
        prompt_.messages.clear();
        EXPECT_FALSE(form->Validate()) << test.field;
        ASSERT_EQ(prompt_.messages.size(), 1u);
        EXPECT_EQ(prompt_.messages[0].caption, QStringLiteral("メールチェック設定方法について"));
        EXPECT_EQ(prompt_.messages[0].text, QString::fromUtf16(test.message));
    }
    Find<QLineEdit>(*form, "EDT_MailSound")->setText(wave);
    EXPECT_TRUE(form->Validate());
}

TEST_F(MailPop3FormTest, AddingListsTicksAndRefusesASixthBeforeValidating) {
    auto form = MakeForm();
    auto* sound = Find<QCheckBox>(*form, "CBX_MailSound");
    EXPECT_FALSE(Find<QLineEdit>(*form, "EDT_MailSound")->isEnabled());
    sound->setChecked(true);
    EXPECT_TRUE(Find<QLineEdit>(*form, "EDT_MailSound")->isEnabled());
    Find<QLineEdit>(*form, "EDT_MailSound")->setText(folder_.Write("a.wav", "RIFF"));
    for (int i = 0; i < 5; ++i) {
        FillEditor(*form, QStringLiteral("box%1").arg(i));
        Click(*form, "BTN_Pop3New");
        // The editor is cleared but keeps the sound setting.
        EXPECT_EQ(Find<QLineEdit>(*form, "EDT_Port")->text(), QStringLiteral("995"));
        Find<QLineEdit>(*form, "EDT_MailSound")->setText(folder_.FilePath("a.wav"));
    }
    EXPECT_TRUE(prompt_.messages.empty());
#ifdef Q_OS_WIN
    EXPECT_EQ(Lines(*form)[0],
              QStringLiteral("[box0] サウンド通知有り ダイヤルアップ中のみチェック +"));
#else
    EXPECT_EQ(Lines(*form)[0], QStringLiteral("[box0] サウンド通知有り +"));
#endif
    Find<QLineEdit>(*form, "EDT_AccountName")->clear(); // would fail validation
    Click(*form, "BTN_Pop3New");
    EXPECT_EQ(Messages(), QStringList({QStringLiteral("警告: これ以上設定できません（最大5件）")}));
    EXPECT_EQ(form->Draft().WorkCount, 5);
    EXPECT_EQ(form->Draft().WorkAccounts[4].TimeOut, 10000);
    EXPECT_TRUE(form->Draft().WorkAccounts[4].Has(CheckOn));
}

TEST_F(MailPop3FormTest, PortThatIsNoNumberIsRefusedAndNothingStored) {
    auto form = MakeForm();
    for (const char* port : {"11x", "70000"}) {
        prompt_.messages.clear();
        FillEditor(*form, QStringLiteral("home"));
        Find<QLineEdit>(*form, "EDT_Port")->setText(port);
        Click(*form, "BTN_Pop3New");
        ASSERT_EQ(prompt_.messages.size(), 1u);
        EXPECT_EQ(prompt_.messages[0].caption, QStringLiteral("警告"));
        EXPECT_EQ(form->Draft().WorkCount, 0);
    }
}

TEST_F(MailPop3FormTest, LoadUpdateDeleteAndApply) {
    for (int slot = 0; slot < 3; ++slot) {
        MailAccount& account = accounts_.entries[slot];
        account.Attribute = InUse | CheckOn | DefaultIcon;
        account.Account = QStringLiteral("box%1").arg(slot);
        account.UserID = QStringLiteral("u");
        account.PassWord = QStringLiteral("p");
        account.POP3 = QStringLiteral("h");
        account.MailSound = QStringLiteral("s%1.wav").arg(slot);
        account.Mailer = QStringLiteral("m%1").arg(slot);
        account.ErrorCode = 145;
        account.ResultText = QStringLiteral("Error:サーバーに接続できない");
        account.PreviousCount = 4;
    }
    settings_.AccountListCount = 3;
    settings_.Checkinterval = 0;
    auto form = MakeForm();
    auto* list = Find<QListWidget>(*form, "CLBX_Pop3List");
    ASSERT_EQ(list->count(), 3);

    emit list->itemDoubleClicked(list->item(1));
    EXPECT_EQ(Find<QLineEdit>(*form, "EDT_AccountName")->text(), QStringLiteral("box1"));
    EXPECT_EQ(Find<QLineEdit>(*form, "EDT_Password")->displayText(), QStringLiteral("*"));
    EXPECT_TRUE(Find<QPushButton>(*form, "BTN_Pop3Update")->isEnabled());
    EXPECT_FALSE(form->Changed());
    Find<QLineEdit>(*form, "EDT_AccountName")->setText(QStringLiteral("renamed"));
    EXPECT_TRUE(form->Changed());
    prompt_.answers = {UserPrompt::Answer::No};
    emit list->itemDoubleClicked(list->item(2)); // the question keeps the edit
    EXPECT_EQ(Find<QLineEdit>(*form, "EDT_AccountName")->text(), QStringLiteral("renamed"));
    list->item(1)->setCheckState(Qt::Unchecked);
    Click(*form, "BTN_Pop3Update");
    EXPECT_EQ(Lines(*form)[1], QStringLiteral("[renamed] 暗号化なし -"));
    EXPECT_FALSE(Find<QPushButton>(*form, "BTN_Pop3Update")->isEnabled());

    list->setCurrentRow(0);
    form->findChild<QAction*>("PP_DelOnce")->trigger();
    EXPECT_EQ(Lines(*form), QStringList({"[renamed] 暗号化なし -", "[box2] 暗号化なし +"}));

    Click(*form, "BTN_Pop3Refrect");
    EXPECT_EQ(host_.calls, QStringList({"icons", "enable", "ticks", "watches"}));
    EXPECT_EQ(saver_.saves, 1);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(settings_.AccountListCount, 2);
    EXPECT_EQ(settings_.Checkinterval, 0); // no arrow was pressed
    EXPECT_EQ(accounts_.entries[1].MailSound, QStringLiteral("s2.wav"));
    EXPECT_EQ(accounts_.entries[1].Mailer, QStringLiteral("m2"));
    EXPECT_EQ(accounts_.entries[1].ErrorCode, 0);
    EXPECT_FALSE(accounts_.entries[1].ResultText.isEmpty());
    EXPECT_FALSE(accounts_.entries[2].Has(InUse));
    EXPECT_EQ(accounts_.entries[0].PreviousCount, 4);
}

TEST_F(MailPop3FormTest, CancelKeepsTheClockWindowsAccounts) {
    accounts_.entries[0].Attribute = InUse | CheckOn;
    accounts_.entries[0].Account = QStringLiteral("home");
    settings_.AccountListCount = 1;
    const AccountTable before = accounts_;
    auto form = MakeForm();
    Find<QListWidget>(*form, "CLBX_Pop3List")->item(0)->setCheckState(Qt::Unchecked);
    Find<QLineEdit>(*form, "EDT_AccountName")->setText(QStringLiteral("typed"));
    form->show();
    prompt_.answers = {UserPrompt::Answer::No};
    QTest::keyClick(Find<QLineEdit>(*form, "EDT_AccountName"), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible()); // "いいえ": stay
    Click(*form, "BTN_Close");
    EXPECT_EQ(prompt_.questions.size(), 2u);
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_TRUE(accounts_ == before);
    EXPECT_EQ(saver_.saves, 0);
    Click(*form, "BTN_Help");
    EXPECT_EQ(help_.topics, std::vector<int>({303}));
}

TEST_F(MailPop3FormTest, TestButtonReportsOnlySuccessOrFailure) {
    auto form = MakeForm();
    Find<QComboBox>(*form, "CMB_Security")->setCurrentIndex(NoSecurity);
    Click(*form, "BTN_POP3Test"); // no user name: fails before any traffic
    FillEditor(*form, QStringLiteral("home"));
    Click(*form, "BTN_POP3Test"); // the fake serves a good login
    EXPECT_EQ(Messages(), QStringList({QStringLiteral("テスト実行: 接続できません"),
                                       QStringLiteral("テスト実行: 接続OKです")}));
    EXPECT_EQ(testClients_, 2);
}

TEST_F(MailPop3FormTest, NewAccountStartsWithSslTlsOnPort995) {
    auto form = MakeForm();
    auto* security = Find<QComboBox>(*form, "CMB_Security");
    EXPECT_EQ(security->currentText(), QStringLiteral("SSL/TLS"));
    EXPECT_EQ(Find<QLineEdit>(*form, "EDT_Port")->text(), QStringLiteral("995"));
    EXPECT_EQ(Find<QLabel>(*form, "StaticText5")->text(), QStringLiteral("ポート(標準:995)"));
#ifdef Q_OS_WIN
    EXPECT_TRUE(Find<QCheckBox>(*form, "CBX_DialUp")->isChecked());
#else
    // A Linux desktop rarely has a dial-up link: ticked, the account would never be checked.
    EXPECT_FALSE(Find<QCheckBox>(*form, "CBX_DialUp")->isChecked());
#endif
    FillEditor(*form, QStringLiteral("home"));
    Click(*form, "BTN_Pop3New");
    const MailAccount& added = form->Draft().WorkAccounts[0];
    EXPECT_EQ(added.Security, TlsSecurity);
    EXPECT_EQ(added.Port, 995);
    EXPECT_EQ(added.Has(DialUpOnly), Find<QCheckBox>(*form, "CBX_DialUp")->isChecked());
    EXPECT_EQ(security->currentText(), QStringLiteral("SSL/TLS")) << "cleared for the next";
}

TEST_F(MailPop3FormTest, SslTlsSwitchesTheStandardPortBothWays) {
    struct Case {
        int from;
        const char* port;
        int to;
        const char* portAfter;
        const char16_t* caption;
    };
    const Case cases[] = {
        {NoSecurity, "110", TlsSecurity, "995", u"ポート(標準:995)"},
        {StartTlsSecurity, "110", TlsSecurity, "995", u"ポート(標準:995)"},
        {TlsSecurity, "995", NoSecurity, "110", u"ポート(標準:110)"},
        {TlsSecurity, "995", StartTlsSecurity, "110", u"ポート(標準:110)"},
        {NoSecurity, "110", StartTlsSecurity, "110", u"ポート(標準:110)"},
        {StartTlsSecurity, "110", NoSecurity, "110", u"ポート(標準:110)"},
        // A port of the user's own stays.
        {NoSecurity, "1110", TlsSecurity, "1110", u"ポート(標準:995)"},
        {TlsSecurity, "10995", NoSecurity, "10995", u"ポート(標準:110)"},
        {NoSecurity, "995", StartTlsSecurity, "995", u"ポート(標準:110)"},
    };
    auto form = MakeForm();
    auto* security = Find<QComboBox>(*form, "CMB_Security");
    auto* port = Find<QLineEdit>(*form, "EDT_Port");
    for (const Case& test : cases) {
        security->setCurrentIndex(test.from);
        port->setText(QString::fromLatin1(test.port));
        security->setCurrentIndex(test.to);
        EXPECT_EQ(port->text(), QString::fromLatin1(test.portAfter)) << test.from << test.port;
        EXPECT_EQ(Find<QLabel>(*form, "StaticText5")->text(), QString::fromUtf16(test.caption));
        EXPECT_EQ(Find<QLabel>(*form, "LBL_PlainText")->isVisibleTo(form.get()),
                  test.to == NoSecurity);
    }
}

TEST_F(MailPop3FormTest, ProtocolMovesTheServerLabelThePortAndTheMailboxRow) {
    struct Case {
        int security;
        const char* port;
        int to;
        const char* portAfter;
        const char16_t* server;
        const char16_t* caption;
    };
    const Case cases[] = {
        {TlsSecurity, "995", ImapProtocol, "993", u"IMAPサーバー", u"ポート(標準:993)"},
        {StartTlsSecurity, "110", ImapProtocol, "143", u"IMAPサーバー", u"ポート(標準:143)"},
        {TlsSecurity, "993", Pop3Protocol, "995", u"POPサーバー", u"ポート(標準:995)"},
        {NoSecurity, "143", Pop3Protocol, "110", u"POPサーバー", u"ポート(標準:110)"},
        // A port of the user's own stays.
        {TlsSecurity, "1995", ImapProtocol, "1995", u"IMAPサーバー", u"ポート(標準:993)"},
    };
    auto form = MakeForm();
    auto* protocol = Find<QComboBox>(*form, "CMB_Protocol");
    auto* port = Find<QLineEdit>(*form, "EDT_Port");
    for (const Case& test : cases) {
        protocol->setCurrentIndex(test.to == ImapProtocol ? Pop3Protocol : ImapProtocol);
        Find<QComboBox>(*form, "CMB_Security")->setCurrentIndex(test.security);
        port->setText(QString::fromLatin1(test.port));
        protocol->setCurrentIndex(test.to);
        EXPECT_EQ(port->text(), QString::fromLatin1(test.portAfter)) << test.to << test.port;
        EXPECT_EQ(Find<QLabel>(*form, "StaticText4")->text(), QString::fromUtf16(test.server));
        EXPECT_EQ(Find<QLabel>(*form, "StaticText5")->text(), QString::fromUtf16(test.caption));
        EXPECT_EQ(Find<QLineEdit>(*form, "EDT_Mailbox")->isVisibleTo(form.get()),
                  test.to == ImapProtocol);
    }
    // An IMAP account keeps its protocol and folder; a folder left empty is the inbox.
    for (const QString& mailbox : {QStringLiteral("Lists/Qt"), QString()}) {
        FillEditor(*form, QStringLiteral("imap"));
        protocol->setCurrentIndex(ImapProtocol);
        Find<QLineEdit>(*form, "EDT_Mailbox")->setText(mailbox);
        Click(*form, "BTN_Pop3New");
        const MailAccount& added = form->Draft().WorkAccounts[form->Draft().WorkCount - 1];
        EXPECT_EQ(added.Protocol, ImapProtocol);
        EXPECT_EQ(added.Mailbox, mailbox.isEmpty() ? QStringLiteral("INBOX") : mailbox);
        EXPECT_EQ(protocol->currentIndex(), Pop3Protocol) << "cleared for the next";
    }
    form->LoadEditor(0);
    EXPECT_EQ(protocol->currentIndex(), ImapProtocol);
    EXPECT_EQ(Find<QLineEdit>(*form, "EDT_Mailbox")->text(), QStringLiteral("Lists/Qt"));
}

// A trusted certificate belongs to the server it was trusted for: it travels with the
// account until the account names another server or port.
TEST_F(MailPop3FormTest, PinTravelsWithTheAccountUntilTheServerChanges) {
    const QString trusted(64, QLatin1Char('c'));
    struct Case {
        const char* field;
        const char* text;
        bool kept;
    };
    const Case cases[] = {
        {"EDT_AccountName", "renamed", true},
        {"EDT_PopServer", "POP.Example", true},
        {"EDT_PopServer", "other.example", false},
        {"EDT_Port", "1110", false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.text);
        MailAccount& stored = accounts_.entries[0];
        stored.Attribute = InUse | CheckOn | DefaultIcon;
        stored.Account = QStringLiteral("office");
        stored.UserID = QStringLiteral("u");
        stored.PassWord = QStringLiteral("p");
        stored.POP3 = QStringLiteral("pop.example");
        stored.Port = 110;
        stored.Security = StartTlsSecurity;
        stored.TrustedCertificate = trusted;
        stored.TrustedServer = QStringLiteral("pop.example:110");
        settings_.AccountListCount = 1;
        auto form = MakeForm();
        auto* list = Find<QListWidget>(*form, "CLBX_Pop3List");
        emit list->itemDoubleClicked(list->item(0));
        EXPECT_EQ(Find<QComboBox>(*form, "CMB_Security")->currentText(), "STARTTLS");
        EXPECT_FALSE(form->Changed()) << "loading moves no port";
        Find<QLineEdit>(*form, test.field)->setText(QString::fromLatin1(test.text));
        Click(*form, "BTN_Pop3Update");
        Click(*form, "BTN_Pop3Refrect");
        EXPECT_EQ(accounts_.entries[0].Security, StartTlsSecurity);
        EXPECT_EQ(accounts_.entries[0].TrustedCertificate, test.kept ? trusted : QString());
        EXPECT_EQ(accounts_.entries[0].TrustedServer,
                  test.kept ? QStringLiteral("pop.example:110") : QString());
    }
}

TEST_F(MailPop3FormTest, KeyringPasswordIsShownAndItsEntryFollowsTheAccount) {
    MailAccount& stored = accounts_.entries[0];
    stored.Attribute = InUse | CheckOn | DefaultIcon;
    stored.Account = QStringLiteral("home");
    stored.UserID = QStringLiteral("alice");
    stored.POP3 = QStringLiteral("pop.example");
    stored.Port = 995;
    stored.Security = TlsSecurity;
    settings_.AccountListCount = 1;
    keyring_.keyring.entries["alice@pop.example"] = "secret";
    keyring_.keyring.delay = 50;
    auto form = MakeForm();
    auto* place = Find<QLabel>(*form, "LBL_PasswordPlace");
    EXPECT_EQ(place->text(), QStringLiteral("保管先: 確認中…"));
    auto* list = Find<QListWidget>(*form, "CLBX_Pop3List");
    emit list->itemDoubleClicked(list->item(0));
    auto* password = Find<QLineEdit>(*form, "EDT_Password");
    EXPECT_TRUE(password->text().isEmpty()) << "the dialog does not wait for the keyring";
    EXPECT_TRUE(QTest::qWaitFor([&] { return password->text() == "secret"; }, 5000));
    EXPECT_EQ(place->text(), QStringLiteral("保管先: キーリング"));
    EXPECT_FALSE(form->Changed());

    Find<QLineEdit>(*form, "EDT_PopServer")->setText(QStringLiteral("mail.example"));
    Click(*form, "BTN_Pop3Update");
    Click(*form, "BTN_Pop3Refrect");
    EXPECT_EQ(accounts_.entries[0].PassWord, QStringLiteral("secret")) << "for the save to move";
    EXPECT_TRUE(QTest::qWaitFor([this] { return !keyring_.passwords.Busy(); }, 5000));
    EXPECT_EQ(keyring_.keyring.calls, QStringList({"read keyring-check", "read alice@pop.example",
                                                   "remove alice@pop.example"}))
        << "the dialog asks where a typed password will go";
}

TEST(CertificateQuestion, ServerAndCertificateNamesStayOnTheirLines) {
    ServerCertificate certificate;
    certificate.subject = QStringLiteral("CN=mail.example.jp\nO=Your Bank\t\u202Egpj");
    certificate.issuer = QStringLiteral("CN=Evil\r\n発行者: CN=Trusted Root");
    const QString text = CertificateQuestion::Text(certificate, QStringLiteral("pop.example:995"));
    for (const char16_t* line : {u"接続先: pop.example:995\n",
                                 u"発行先: CN=mail.example.jp\\nO=Your Bank\\u0009\\u202egpj\n",
                                 u"発行者: CN=Evil\\r\\n発行者: CN=Trusted Root\n"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf16(line))) << text.toStdString();
    }
}

// The test button against a mailbox that takes TLS only, with the real POP3 component.
TEST_F(MailPop3FormTest, TestButtonAsksWhetherToTrustTheCertificate) {
    if (DovecotServer::Executable().isEmpty()) {
        GTEST_SKIP() << "Dovecot is not installed (dovecot-pop3d)";
    }
    const TestCertificates* certificates = TestCertificates::Get();
    ASSERT_NE(certificates, nullptr) << TestCertificates::Problem().toStdString();
    DovecotServer server(DovecotOptions::TlsOnTwoLoopbacks(certificates->selfSigned.certificate,
                                                           certificates->selfSigned.key));
    const QString failure = server.Start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();

    for (const int protocol : {Pop3Protocol, ImapProtocol}) {
        SCOPED_TRACE(protocol);
        prompt_.messages.clear();
        prompt_.questions.clear();
        const quint16 port = protocol == ImapProtocol ? server.ImapTlsPort() : server.TlsPort();
        auto form = MakeForm([] { return std::make_unique<TPop3Client>(); });
        FillEditor(*form, QStringLiteral("tls"));
        Find<QComboBox>(*form, "CMB_Protocol")->setCurrentIndex(protocol);
        Find<QLineEdit>(*form, "EDT_PopServer")->setText(QStringLiteral("127.0.0.2"));
        Find<QLineEdit>(*form, "EDT_Port")->setText(QString::number(port));
        const QString fingerprint =
            TestCertificates::Fingerprint(certificates->selfSigned.certificate);

        prompt_.answers = {UserPrompt::Answer::No};
        Click(*form, "BTN_POP3Test");
        ASSERT_EQ(prompt_.questions.size(), 1u);
        EXPECT_EQ(prompt_.questions[0].caption, QStringLiteral("証明書の確認"));
        const QString question = prompt_.questions[0].text;
        QString grouped;
        for (int index = 0; index < fingerprint.size(); index += 2) {
            grouped += fingerprint.mid(index, 2).toUpper() + (index == 30 ? "\n" : ":");
        }
        grouped.chop(1);
        for (const QString& part : {QStringLiteral("自己署名の証明書です"),
                                    QStringLiteral("接続先: 127.0.0.2:%1").arg(port),
                                    QStringLiteral("発行先: CN=localhost, O=Zorbel Test"),
                                    QStringLiteral("発行者: CN=localhost, O=Zorbel Test"),
                                    QStringLiteral("有効期間: "), grouped}) {
            EXPECT_TRUE(question.contains(part))
                << part.toStdString() << " in " << question.toStdString();
        }
        EXPECT_EQ(Messages(), QStringList({QStringLiteral("テスト実行: 接続できません")}));
        Click(*form, "BTN_Pop3New");
        EXPECT_EQ(form->Draft().WorkAccounts[0].TrustedCertificate, QString())
            << "No trusts nothing";

        auto* list = Find<QListWidget>(*form, "CLBX_Pop3List");
        emit list->itemDoubleClicked(list->item(0));
        prompt_.answers = {UserPrompt::Answer::Yes};
        Click(*form, "BTN_POP3Test");
        EXPECT_EQ(prompt_.questions.size(), 2u);
        EXPECT_EQ(Messages().last(), QStringLiteral("テスト実行: 接続OKです"));
        EXPECT_TRUE(form->Changed()) << "the trusted certificate is an edit of the account";
        Click(*form, "BTN_POP3Test"); // now trusted: no question
        EXPECT_EQ(prompt_.questions.size(), 2u);
        EXPECT_EQ(Messages().last(), QStringLiteral("テスト実行: 接続OKです"));

        Click(*form, "BTN_Pop3Update");
        EXPECT_EQ(form->Draft().WorkAccounts[0].TrustedCertificate, fingerprint);
        EXPECT_EQ(form->Draft().WorkAccounts[0].TrustedServer,
                  QStringLiteral("127.0.0.2:%1").arg(port));
        EXPECT_EQ(form->Draft().WorkAccounts[0].Security, TlsSecurity);
    }
}

TEST_F(MailPop3FormTest, ChoosersCarryTheirTitlesAndFilters) {
    auto form = MakeForm();
    form->show();
    Find<QCheckBox>(*form, "CBX_MailSound")->setChecked(true);
    struct Case {
        const char* button;
        const char16_t* title;
        const char16_t* filter;
    };
    const Case cases[] = {
        {"BTN_MailSound", u"サウンドファイルの選択", u"サウンドファイル(*.wav)"},
        {"BTN_Mailer", u"メーラーのショートカット選択", u"ビットマップ (*.lnk)"},
        {nullptr, u"ビットマップファイルの選択", u"ビットマップ (*.bmp)"},
    };
    for (const Case& test : cases) {
        if (test.button == nullptr) {
            // Unticking the default icon without a bitmap opens the bitmap chooser at once.
            Find<QCheckBox>(*form, "CBX_MailIcon")->setChecked(false);
        } else {
            Click(*form, test.button);
        }
        ASSERT_FALSE(choosers_.fileChoices.empty());
        EXPECT_EQ(choosers_.fileChoices.back().title, QString::fromUtf16(test.title));
        const QStringList filters = choosers_.fileChoices.back().filter.split(QStringLiteral(";;"));
        EXPECT_EQ(filters[0], QString::fromUtf16(test.filter));
    }
    EXPECT_EQ(choosers_.fileChoices.size(), 3u);
    // Cancelling the bitmap chooser with no bitmap goes back to the default icon.
    EXPECT_TRUE(Find<QCheckBox>(*form, "CBX_MailIcon")->isChecked());
    EXPECT_FALSE(Find<QLineEdit>(*form, "EDT_MailIcon")->isEnabled());
}

TEST_F(MailPop3FormTest, DialogRendersReadablyWithoutOverlaps) {
    auto form = MakeForm();
    // With IMAP chosen, so that the folder row is shown too.
    Find<QComboBox>(*form, "CMB_Protocol")->setCurrentIndex(ImapProtocol);
    form->show();
    const QPixmap picture = form->grab();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("メールチェック設定"));
    EXPECT_EQ(picture.size(), QSize(TPop3Form::ClientWidth, TPop3Form::ClientHeight));
    for (QWidget* parent : form->findChildren<QWidget*>()) {
        if (parent->inherits("QAbstractScrollArea") || parent->inherits("QAbstractSpinBox")) {
            continue;
        }
        const QList<QWidget*> siblings = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < siblings.size(); ++i) {
            if (siblings[i]->isWindow() || siblings[i]->isHidden()) {
                continue;
            }
            EXPECT_TRUE(parent->rect().contains(siblings[i]->geometry()))
                << siblings[i]->objectName().toStdString();
            for (int j = i + 1; j < siblings.size(); ++j) {
                if (siblings[j]->isWindow() || siblings[j]->isHidden()) {
                    continue;
                }
                EXPECT_FALSE(siblings[i]->geometry().intersects(siblings[j]->geometry()))
                    << siblings[i]->objectName().toStdString() << " / "
                    << siblings[j]->objectName().toStdString();
            }
        }
    }
    // Every caption fits its control.
    for (QLabel* label : form->findChildren<QLabel*>()) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
    }
    for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        const int indicator = qobject_cast<QCheckBox*>(button) ? 18 : 4;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + indicator,
                  button->width())
            << button->objectName().toStdString();
    }
    if (const QString folder = qEnvironmentVariable("ZORBEL_LOOK_DIR"); !folder.isEmpty()) {
        QDir().mkpath(folder);
        picture.save(QDir(folder).filePath(QStringLiteral("pop3_form.png")));
    }
}

} // namespace
