// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dovecot_server.h"
#include "net/pop3_client.h"
#include "net_test_support.h"

#include <gtest/gtest.h>
#include <memory>

// Runs the POP3 client against a real Dovecot server. Each test has its own server, so the
// delay Dovecot imposes after a failed login does not carry over to the next test.
class NetDovecotPop3 : public ::testing::Test {
protected:
    void SetUp() override {
        if (DovecotServer::Executable().isEmpty()) {
            GTEST_SKIP() << "Dovecot is not installed (Debian package dovecot-pop3d); "
                            "the tests against a real POP3 server are skipped";
        }
        server_ = std::make_unique<DovecotServer>();
        const QString startFailure = server_->Start();
        ASSERT_TRUE(startFailure.isEmpty()) << startFailure.toStdString();
        client_.Host = QStringLiteral("127.0.0.1");
        client_.Port = server_->Port();
        client_.UserID = QStringLiteral("alice");
        client_.TimeOut = 10000;
        client_.ReportLevel = 1;
        client_.OnStatus = [this](TSocketClient&, const QString& reply) { replies_ << reply; };
    }

    std::unique_ptr<DovecotServer> server_;
    TPop3Client client_;
    QStringList replies_;
};

TEST_F(NetDovecotPop3, LoginCountsTheThreeMessages) {
    client_.Password = QStringLiteral("secret");
    client_.Connect();
    EXPECT_EQ(client_.MailCount(), 3);
    EXPECT_TRUE(client_.Connected());
    client_.Disconnect();
    EXPECT_FALSE(client_.Connected());
    ASSERT_EQ(replies_.size(), 4); // USER, PASS, STAT, QUIT
    EXPECT_TRUE(replies_[2].startsWith("+OK 3 ")) << replies_[2].toStdString();
}

TEST_F(NetDovecotPop3, WrongPasswordFailsAfterUserPassAndQuit) {
    client_.Password = QStringLiteral("wrong");
    int failures = 0;
    client_.OnAuthenticationFailed = [&](bool&) { ++failures; };
    EXPECT_EQ(FailureOf([&] { client_.Connect(); }), "ENetError: Authentication failed");
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(client_.Connected());
    ASSERT_EQ(replies_.size(), 3) << replies_.join(" | ").toStdString();
    EXPECT_TRUE(replies_[0].startsWith("+OK"));
    EXPECT_TRUE(replies_[1].startsWith("-ERR"));
    EXPECT_TRUE(replies_[2].startsWith("+OK"));
}

TEST_F(NetDovecotPop3, ComponentCanLogInAgainAfterAFailure) {
    client_.Password = QStringLiteral("wrong");
    EXPECT_NE(FailureOf([&] { client_.Connect(); }), "none");
    client_.Password = QStringLiteral("secret");
    client_.Connect();
    EXPECT_EQ(client_.MailCount(), 3);
    client_.Disconnect();
}
