// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_response.h"
#include "net_test_support.h"

#include <gtest/gtest.h>

namespace {

ImapValue Atom(const char* text) {
    return {.kind = ImapValue::Kind::Atom, .text = text};
}
ImapValue String(const QByteArray& text) {
    return {.kind = ImapValue::Kind::String, .text = text};
}
ImapValue List(std::vector<ImapValue> items) {
    return {.kind = ImapValue::Kind::List, .items = std::move(items)};
}
const ImapValue Nil{.kind = ImapValue::Kind::Nil};

} // namespace

TEST(NetImapResponse, ReadsEachKindOfResponse) {
    struct Case {
        QByteArray bytes;
        ImapResponse expected;
    };
    using K = ImapResponseKind;
    const Case cases[] = {
        {"* OK [UIDVALIDITY 3857529045] UIDs valid\r\n",
         {.status = ImapStatus::Ok,
          .code = "UIDVALIDITY",
          .codeArguments = "3857529045",
          .text = "UIDs valid"}},
        {"* ok [alert]\r\n", {.status = ImapStatus::Ok, .code = "ALERT"}},
        {"* BYE [BADCHARSET (\"]\")] gone\n",
         {.status = ImapStatus::Bye,
          .code = "BADCHARSET",
          .codeArguments = "(\"]\")",
          .text = "gone"}},
        {"a12 NO [NONEXISTENT] 受信箱 does not exist\r\n",
         {.kind = K::Tagged,
          .tag = "a12",
          .status = ImapStatus::No,
          .code = "NONEXISTENT",
          .text = "受信箱 does not exist"}},
        {"+ idling\r\n", {.kind = K::Continuation, .text = "idling"}},
        {"+\r\n", {.kind = K::Continuation}},
        {"* 23 EXISTS\r\n", {.number = 23, .keyword = "EXISTS"}},
        {"* SEARCH 2 84 4294967295\r\n",
         {.keyword = "SEARCH", .data = {Atom("2"), Atom("84"), Atom("4294967295")}}},
        {"* 12 FETCH (FLAGS (\\Seen \\*) UID 4 BODY[HEADER.FIELDS (TO \"X\")] NIL)\r\n",
         {.number = 12,
          .keyword = "FETCH",
          .data = {List({Atom("FLAGS"), List({Atom("\\Seen"), Atom("\\*")}), Atom("UID"), Atom("4"),
                         Atom("BODY[HEADER.FIELDS (TO \"X\")]"), Nil})}}},
        {"* STATUS \"a \\\"b\\\" \\\\c\" (MESSAGES 3)\r\n",
         {.keyword = "STATUS",
          .data = {String("a \"b\" \\c"), List({Atom("MESSAGES"), Atom("3")})}}},
        // A literal spans lines and may hold anything, line ends and NUL included.
        {QByteArray("* LIST () \"/\" {7}\r\nfo\r\n\0)\"\r\n", 28),
         {.keyword = "LIST",
          .data = {List({}), String("/"), String(QByteArray("fo\r\n\0)\"", 7))}}},
        {"* 1 FETCH (BINARY[1] ~{2}\r\nab)\r\n",
         {.number = 1, .keyword = "FETCH", .data = {List({Atom("BINARY[1]"), String("ab")})}}},
    };
    for (const Case& test : cases) {
        const ImapParseResult result = ParseImapResponse(test.bytes);
        ASSERT_TRUE(result.Ok()) << test.bytes.toStdString() << ": " << result.error.toStdString();
        const ImapResponse& got = result.response;
        const ImapResponse& want = test.expected;
        EXPECT_EQ(got.kind, want.kind) << test.bytes.toStdString();
        EXPECT_EQ(got.tag, want.tag) << test.bytes.toStdString();
        EXPECT_EQ(got.status, want.status) << test.bytes.toStdString();
        EXPECT_EQ(got.number, want.number) << test.bytes.toStdString();
        EXPECT_EQ(got.keyword, want.keyword) << test.bytes.toStdString();
        EXPECT_TRUE(got.data == want.data) << test.bytes.toStdString();
        EXPECT_EQ(got.code, want.code) << test.bytes.toStdString();
        EXPECT_EQ(got.codeArguments, want.codeArguments) << test.bytes.toStdString();
        EXPECT_EQ(got.text, want.text) << test.bytes.toStdString();
    }
}

TEST(NetImapResponse, RefusesWhatIsNoResponse) {
    const QByteArray cases[] = {
        "* OK no line end",
        "* OK [UIDNEXT 4 unclosed\r\n",
        "a1 FINE thanks\r\n",
        "a1 PREAUTH\r\n",
        "* 4\r\n",
        "(a1 OK\r\n",
        "* SEARCH (1 2\r\n",
        "* SEARCH 1 2)\r\n",
        "* STATUS \"open (MESSAGES 1)\r\n",
        "* STATUS \"a\\b\" ()\r\n",
        "* LIST () \"/\" {9}\r\nshort\r\n",
        "* LIST () \"/\" {4294967296}\r\n\r\n",
        "* LIST () \"/\" {3}x\r\n",
        "* 1 FETCH (BODY[TEXT\r\n",
        QByteArray("* SEARCH 1\0 2\r\n", 14),
        "* X " + QByteArray(100, '(') + "\r\n",
    };
    for (const QByteArray& bytes : cases) {
        EXPECT_FALSE(ParseImapResponse(bytes).Ok()) << bytes.toStdString();
    }
}

TEST(NetImapResponse, ReaderTakesResponsesWholeHoweverTheyArrive) {
    const QByteArray stream = "* 1 FETCH (X {5}\r\na\r\nb\n)\r\n"
                              "* LIST () \"/\" {0}\r\n\r\n"
                              "a1 OK {3}\r\n";
    for (const int pieceSize : {1, 3, 1000}) {
        ImapResponseReader reader;
        std::vector<ImapResponse> responses;
        for (qsizetype offset = 0; offset < stream.size(); offset += pieceSize) {
            reader.Feed(stream.mid(offset, pieceSize));
            while (const std::optional<ImapParseResult> parsed = reader.Next()) {
                ASSERT_TRUE(parsed->Ok()) << parsed->error.toStdString();
                responses.push_back(parsed->response);
            }
        }
        ASSERT_EQ(responses.size(), 2u) << pieceSize;
        EXPECT_TRUE(responses[0].data[0].items[1] == String("a\r\nb\n"));
        EXPECT_TRUE(responses[1].data[2] == String(""));
        // The last announces a literal that has not come yet.
        EXPECT_TRUE(reader.HasPendingBytes());
    }
}

TEST(NetImapResponse, ReaderRefusesOversizeResponsesWithoutKeepingThem) {
    constexpr qsizetype Limit = ImapResponseReader::MaxResponseSize;
    struct Case {
        const char* what;
        QList<QByteArray> pieces;
    };
    const Case cases[] = {
        {"an endless line", {"* OK ", QByteArray(Limit, 'x')}},
        {"a literal announced beyond the limit, refused before it comes",
         {"* 1 FETCH (BODY[] {" + QByteArray::number(Limit) + "}\r\n"}},
        {"a literal beyond 32 bits", {"* 1 FETCH (BODY[] {99999999999999999999}\r\n"}},
    };
    for (const Case& test : cases) {
        ImapResponseReader reader;
        std::optional<ImapParseResult> parsed;
        for (const QByteArray& piece : test.pieces) {
            reader.Feed(piece);
            parsed = reader.Next();
        }
        ASSERT_TRUE(parsed.has_value()) << test.what;
        EXPECT_FALSE(parsed->Ok()) << test.what;
        EXPECT_FALSE(reader.HasPendingBytes()) << test.what;
        // The stream cannot be trusted again.
        reader.Feed("* OK fine\r\n");
        EXPECT_FALSE(reader.Next()->Ok()) << test.what;
    }
}
