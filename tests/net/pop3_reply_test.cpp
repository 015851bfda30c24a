// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/pop3_reply.h"

#include <gtest/gtest.h>

TEST(NetPop3Reply, PositiveOnlyWhenTheLineStartsWithOk) {
    for (const char* line : {"+OK\r\n", "+OK 2 320\r\n", "+OK"}) {
        EXPECT_TRUE(Pop3Reply::IsPositive(QString::fromLatin1(line))) << line;
    }
    for (const char* line : {"-ERR +OK\r\n", "x+OK\r\n", " +OK\r\n", "+ok\r\n", ""}) {
        EXPECT_FALSE(Pop3Reply::IsPositive(QString::fromLatin1(line))) << line;
    }
}

TEST(NetPop3Reply, MessageCountIsADecimalOfDigitsOnly) {
    struct Case {
        const char* line;
        std::optional<int> count;
    };
    const Case cases[] = {
        {"+OK 0 0\r\n", 0},   {"+OK 12 34567\r\n", 12}, {"+OK 3\r\n", 3},
        {"+OK\r\n", {}},      {"+OK x 1\r\n", {}},      {"+OK -1 0\r\n", {}},
        {"+OK +5 0\r\n", {}}, {"+OK  5 0\r\n", {}},     {"+OK 99999999999 0\r\n", {}},
        {"+OK ３ 0\r\n", {}},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(Pop3Reply::MessageCount(QString::fromUtf8(test.line)), test.count) << test.line;
    }
}
