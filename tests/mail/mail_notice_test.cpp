// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/account_icons.h"
#include "mail/mail_check_run.h"
#include "mail/mail_notice.h"
#include "mail_fakes.h"
#include "temp_dir.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

MailAccount Configured(const QString& name, int attribute, int count = 0) {
    MailAccount account;
    account.Attribute = InUse | attribute;
    account.Account = name;
    account.MessageCount = count;
    return account;
}

TEST(MailNoticeLine, ShowsTheResultOfEachAccount) {
    MailAccount failed = Configured(QStringLiteral("b"), CheckOn, 4);
    failed.ResultText = QStringLiteral("Error:サーバーに接続できない");
    const struct {
        MailAccount account;
        const char16_t* line;
    } cases[] = {
        {Configured(QStringLiteral("a"), CheckOn, 0), u"a：メールはありません"},
        {Configured(QStringLiteral("a"), CheckOn, 3), u"a：3通のメールがあります"},
        {failed, u"b：Error:サーバーに接続できない"},
        {Configured(QStringLiteral("c"), 0, 9), u"c：[メールチェックしない]"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(MailNotice::Line(test.account), QString::fromUtf16(test.line));
    }
}

class MailNoticeTest : public ::testing::Test {
protected:
    AccountTable accounts_;
    ClockSettings settings_;
    FakePop3 pop3_;
    FakeDialUp dialUp_;
    FakeRunHost host_;
    KeyringPasswords keyring_{accounts_};
    MailCheckRun run_{accounts_, settings_, pop3_, keyring_.passwords, dialUp_, host_};
    RecordingSound sound_;
    TestFolder folder_;
};

TEST_F(MailNoticeTest, FillPlaysNewMailOnceAndListsMailPrograms) {
    const QString wave = folder_.Write(QStringLiteral("new.wav"), "RIFF");
    accounts_.entries[0] = Configured(QStringLiteral("new"), CheckOn | SoundOn, 2);
    accounts_.entries[0].NewMail = 1;
    accounts_.entries[0].MailSound = wave;
    accounts_.entries[1] = Configured(QStringLiteral("silent"), CheckOn, 1);
    accounts_.entries[1].NewMail = 1;
    accounts_.entries[1].Mailer = QStringLiteral("/usr/bin/mailer");
    accounts_.entries[2] = Configured(QStringLiteral("missing"), CheckOn | SoundOn, 1);
    accounts_.entries[2].NewMail = 1;
    accounts_.entries[2].MailSound = folder_.FilePath(QStringLiteral("gone.wav"));
    accounts_.entries[3] = Configured(QStringLiteral("off"), SoundOn, 5);
    accounts_.entries[3].NewMail = 1;
    accounts_.entries[3].MailSound = wave;
    settings_.AccountListCount = 4;
    run_.SetMailNotifyPending(true);

    MailNotice notice(accounts_, settings_, run_, sound_);
    const MailNoticeContent content = notice.Fill();
    EXPECT_EQ(content.lines,
              QStringList({"new：2通のメールがあります", "silent：1通のメールがあります",
                           "missing：1通のメールがあります", "off：[メールチェックしない]"}));
    EXPECT_EQ(sound_.played, QStringList({wave}));
    EXPECT_EQ(accounts_.entries[0].NewMail, 0);
    EXPECT_EQ(accounts_.entries[2].NewMail, 0);
    EXPECT_EQ(accounts_.entries[3].NewMail, 1); // no count shown for it
    EXPECT_FALSE(run_.MailNotifyPending());
    EXPECT_EQ(content.mailerCaptions[1], QStringLiteral("silent"));
    EXPECT_TRUE(content.mailerCaptions[0].isEmpty());

    notice.Fill();
    EXPECT_EQ(sound_.played.size(), 1); // nothing is new any more
    notice.Acknowledge();
    EXPECT_EQ(accounts_.entries[3].NewMail, 0);
}

TEST_F(MailNoticeTest, LoadAccountIconsFallsBackToTheDefaultIcon) {
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "BMP");
    accounts_.entries[0] = Configured(QStringLiteral("own"), CheckOn);
    accounts_.entries[0].ImageFile = folder_.Write(QStringLiteral("own.bmp"), bmp);
    accounts_.entries[1] = Configured(QStringLiteral("missing"), CheckOn);
    accounts_.entries[1].ImageFile = folder_.FilePath(QStringLiteral("gone.bmp"));
    accounts_.entries[2] = Configured(QStringLiteral("broken"), CheckOn);
    accounts_.entries[2].ImageFile = folder_.Write(QStringLiteral("broken.bmp"), "BM nonsense");
    accounts_.entries[3] = Configured(QStringLiteral("builtin"), CheckOn | DefaultIcon);
    accounts_.entries[4] = Configured(QStringLiteral("second"), CheckOn);
    accounts_.entries[4].ImageFile = accounts_.entries[0].ImageFile;
    settings_.AccountListCount = 5;

    const std::vector<QImage> images = LoadAccountIcons(accounts_, settings_);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].size(), QSize(32, 32));
    EXPECT_EQ(images[0].pixelColor(16, 16), QColor(Qt::red));
    EXPECT_EQ(accounts_.entries[0].ImageIndex, 0);
    EXPECT_EQ(accounts_.entries[4].ImageIndex, 1);
    EXPECT_FALSE(accounts_.entries[0].Has(DefaultIcon));
    EXPECT_TRUE(accounts_.entries[1].Has(DefaultIcon));
    EXPECT_TRUE(accounts_.entries[2].Has(DefaultIcon));
}

} // namespace
