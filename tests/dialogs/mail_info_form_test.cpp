// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/mail_info_form.h"
#include "mail/mail_check_run.h"
#include "mail_fakes.h"
#include "service_fakes.h"

#include <QAction>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MailInfoFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
        const char16_t* names[] = {u"自宅", u"会社", u"旧友"};
        for (int slot = 0; slot < 3; ++slot) {
            MailAccount& account = accounts_.entries[slot];
            account.Attribute = InUse | CheckOn;
            account.Account = QString::fromUtf16(names[slot]);
            account.MessageCount = slot == 0 ? 3 : 0;
            account.NewMail = 1;
        }
        accounts_.entries[1].Mailer = QStringLiteral("/usr/bin/mailer");
        settings_.AccountListCount = 3;
        launcher_.succeeds = false; // the window ignores a mail program that does not start
    }
    std::unique_ptr<TMailInfoForm> MakeForm() {
        return std::make_unique<TMailInfoForm>(accounts_, settings_, run_, sound_, launcher_);
    }

    AccountTable accounts_;
    ClockSettings settings_;
    FakePop3 pop3_;
    FakeDialUp dialUp_;
    FakeRunHost host_;
    KeyringPasswords keyring_{accounts_};
    MailCheckRun run_{accounts_, settings_, pop3_, keyring_.passwords, dialUp_, host_};
    RecordingSound sound_;
    RecordingLauncher launcher_;
};

TEST_F(MailInfoFormTest, ShowsOneLinePerAccountAndOneMailProgram) {
    run_.SetMailNotifyPending(1);
    auto form = MakeForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("お知らせ By Zorbel"));
    EXPECT_EQ(form->size(), QSize(366, 155));
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(
        form->findChild<QPlainTextEdit*>("MM_Mail")->toPlainText(),
        QStringLiteral(
            "自宅：3通のメールがあります\n会社：メールはありません\n旧友：メールはありません"));
    EXPECT_EQ(run_.MailNotifyPending(), 0);
    EXPECT_EQ(accounts_.entries[0].NewMail, 0);
    EXPECT_EQ(accounts_.entries[1].NewMail, 1); // no count shown: still new
    QStringList visible;
    for (QAction* item : form->findChild<QMenu*>("PP_Mailer")->actions()) {
        if (item->isVisible()) {
            visible << item->objectName() + "=" + item->text();
        }
    }
    EXPECT_EQ(visible, QStringList({QStringLiteral("MailerRun02=会社")}));
}

TEST_F(MailInfoFormTest, RefreshShowsTheNewResult) {
    auto form = MakeForm();
    accounts_.entries[2].ResultText = QStringLiteral("Error:サーバーに接続できない");
    form->FillMailInfo();
    EXPECT_TRUE(form->findChild<QPlainTextEdit*>("MM_Mail")->toPlainText().endsWith(
        QStringLiteral("旧友：Error:サーバーに接続できない")));
}

TEST_F(MailInfoFormTest, ClosingActionsClearNewMailExceptTheCloseBox) {
    {
        auto form = MakeForm();
        form->show();
        form->close(); // the title-bar button
        EXPECT_EQ(accounts_.entries[1].NewMail, 1);
    }
    {
        auto form = MakeForm();
        form->show();
        QTest::keyClick(form.get(), Qt::Key_Escape);
        EXPECT_EQ(form->result(), QDialog::Accepted);
        EXPECT_EQ(accounts_.entries[1].NewMail, 0);
    }
    accounts_.entries[1].NewMail = 1;
    run_.SetMailNotifyPending(1);
    auto form = MakeForm();
    form->findChild<QAction*>("MailerRun02")->trigger();
    EXPECT_EQ(launcher_.opened, QStringList({"/usr/bin/mailer"}));
    EXPECT_EQ(accounts_.entries[1].NewMail, 0);
    EXPECT_EQ(run_.MailNotifyPending(), 0);
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(MailInfoFormTest, WindowRendersWithoutOverlaps) {
    auto form = MakeForm();
    form->show();
    const QPixmap picture = form->grab();
    EXPECT_EQ(picture.size(), QSize(366, 155));
    QList<QWidget*> children;
    for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) { // the popup menu is a window of its own
            children << child;
        }
    }
    for (int i = 0; i < children.size(); ++i) {
        EXPECT_TRUE(form->rect().contains(children[i]->geometry()));
        for (int j = i + 1; j < children.size(); ++j) {
            EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                << children[i]->objectName().toStdString() << " / "
                << children[j]->objectName().toStdString();
        }
    }
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width());
    }
    if (const QString folder = qEnvironmentVariable("ZORBEL_LOOK_DIR"); !folder.isEmpty()) {
        QDir().mkpath(folder);
        picture.save(QDir(folder).filePath(QStringLiteral("mail_info_form.png")));
    }
}

} // namespace
