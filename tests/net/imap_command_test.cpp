// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_command.h"
#include "net_test_support.h"

#include <gtest/gtest.h>

TEST(NetImapCommand, StringsAreQuotedWhereTheyCanBeAndLiteralsOtherwise) {
    struct Case {
        QByteArray string;
        ImapLiterals literals;
        QList<QByteArray> parts;
    };
    const Case cases[] = {
        {"alice", ImapLiterals::Synchronising, {"a1 LOGIN \"alice\"\r\n"}},
        {"", ImapLiterals::Synchronising, {"a1 LOGIN \"\"\r\n"}},
        {"say \"hi\" \\o/",
         ImapLiterals::Synchronising,
         {"a1 LOGIN \"say \\\"hi\\\" \\\\o/\"\r\n"}},
        {"pässword", ImapLiterals::Synchronising, {"a1 LOGIN {9}\r\n", "pässword\r\n"}},
        {"pässword", ImapLiterals::NonSynchronising, {"a1 LOGIN {9+}\r\npässword\r\n"}},
    };
    for (const Case& test : cases) {
        ImapCommand command("a1", "LOGIN", test.literals);
        command.String(test.string);
        EXPECT_EQ(command.Parts(), test.parts) << test.string.toStdString();
    }
}

TEST(NetImapCommand, MailboxNamesInModifiedUtf7) {
    const std::pair<QString, QByteArray> cases[] = {
        {"inBox", "INBOX"},
        {"Sent Items", "Sent Items"},
        {"Tom & Jerry", "Tom &- Jerry"},
        {"~peter/mail/台北/日本語", "~peter/mail/&U,BTFw-/&ZeVnLIqe-"},
        {"受信箱", "&U9dP4Xux-"},
        {"😀", "&2D3eAA-"},
    };
    for (const auto& [name, wire] : cases) {
        EXPECT_EQ(ImapMailboxName(name), wire) << name.toStdString();
    }
}
