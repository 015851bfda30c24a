// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_session.h"
#include "net_test_support.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using Purpose = ImapSession::Purpose;

// One turn of a conversation: what the server sends (or what the transport reports, in
// angle brackets), and what the client must answer with and report.
struct Turn {
    const char* server;
    const char* client;
    ImapEvents events = {};
};

struct Conversation {
    const char* what;
    Purpose purpose;
    ImapSecurity security;
    const char* password;
    std::vector<Turn> turns;
    ImapOutcome outcome;
    ImapMailboxStatus mailbox = {};
    QStringList alerts = {};
};

ImapStep Play(ImapSession& session, const QByteArray& server) {
    if (server == "<tls>") {
        return session.EncryptionStarted();
    }
    if (server == "<renew>") {
        return session.RenewIdle();
    }
    if (server == "<logout>") {
        return session.Logout();
    }
    if (server == "<closed>") {
        return session.Fail(ImapOutcome::ConnectionLost, QStringLiteral("closed"));
    }
    return session.Receive(server);
}

const char* const Greeting = "* OK [CAPABILITY IMAP4rev1 SASL-IR AUTH=PLAIN] ready\r\n";
const char* const Authenticate = "a1 AUTHENTICATE PLAIN AGFsaWNlAHNlY3JldA==\r\n";
constexpr ImapEvents Finished = ImapEvent::Finished;

} // namespace

TEST(NetImapSession, Conversations) {
    const std::vector<Conversation> conversations = {
        {"IMAPS: PLAIN with an initial response, ESEARCH for the count",
         Purpose::Check,
         ImapSecurity::Tls,
         "secret",
         {{"* OK [CAPABILITY IMAP4rev1 SASL-IR AUTH=PLAIN ESEARCH] ready\r\n", Authenticate},
          {"a1 OK [CAPABILITY IMAP4rev1 ESEARCH] in\r\n", "a2 EXAMINE \"INBOX\"\r\n"},
          {"* 5 EXISTS\r\n* OK [UIDVALIDITY 7] v\r\n* OK [UIDNEXT 12] n\r\na2 OK [READ-ONLY] d\r\n",
           "a3 UID SEARCH RETURN (COUNT MAX) UNSEEN\r\n"},
          {"* ESEARCH (TAG \"a3\") UID COUNT 2 MAX 11\r\na3 OK done\r\n", "a4 LOGOUT\r\n"},
          {"* BYE bye\r\na4 OK done\r\n", "", Finished}},
         ImapOutcome::Ok,
         {.uidValidity = 7, .uidNext = 12, .messages = 5, .unseen = 2, .highestUnseenUid = 11}},
        {"STARTTLS, then LOGIN with a synchronising literal for an 8-bit password",
         Purpose::Check,
         ImapSecurity::StartTls,
         "pässword",
         {{"* OK ready\r\n", "a1 CAPABILITY\r\n"},
          {"* CAPABILITY IMAP4rev1 STARTTLS LOGINDISABLED\r\na1 OK\r\n", "a2 STARTTLS\r\n"},
          {"a2 OK go\r\n", "", ImapEvent::StartTls},
          {"<tls>", "a3 CAPABILITY\r\n"},
          {"* CAPABILITY IMAP4rev1\r\na3 OK\r\n", "a4 LOGIN \"alice\" {9}\r\n"},
          {"+ go on\r\n", "pässword\r\n"},
          {"a4 OK\r\n", "a5 EXAMINE \"INBOX\"\r\n"},
          {"* 4 EXISTS\r\na5 OK\r\n", "a6 UID SEARCH UNSEEN\r\n"},
          {"* SEARCH 3 9 4\r\na6 OK\r\n", "a7 LOGOUT\r\n"},
          {"a7 OK\r\n", "", Finished}},
         ImapOutcome::Ok,
         {.messages = 4, .unseen = 3, .highestUnseenUid = 9}},
        {"PLAIN without an initial response answers the server's +",
         Purpose::Check,
         ImapSecurity::Tls,
         "secret",
         {{"* OK [CAPABILITY IMAP4rev1 AUTH=PLAIN] ready\r\n", "a1 AUTHENTICATE PLAIN\r\n"},
          {"+ \r\n", "AGFsaWNlAHNlY3JldA==\r\n"},
          {"+ again?\r\n", "*\r\n"},
          {"a1 BAD canceled\r\n", "a2 LOGOUT\r\n"},
          {"<closed>", "", Finished}},
         ImapOutcome::LoginRefused},
        {"a refused login logs out; the close that follows changes nothing",
         Purpose::Check,
         ImapSecurity::Tls,
         "secret",
         {{Greeting, Authenticate},
          {"a1 NO [AUTHENTICATIONFAILED] wrong\r\n", "a2 LOGOUT\r\n"},
          {"<closed>", "", Finished}},
         ImapOutcome::LoginRefused},
        {"a mailbox that does not exist",
         Purpose::Check,
         ImapSecurity::Tls,
         "secret",
         {{Greeting, Authenticate},
          {"a1 OK [ALERT] Your password expires soon\r\n", "a2 EXAMINE \"INBOX\"\r\n"},
          {"a2 NO [NONEXISTENT] no such mailbox\r\n", "a3 LOGOUT\r\n"},
          {"a3 OK\r\n", "", Finished}},
         ImapOutcome::MailboxMissing,
         {},
         {"Your password expires soon"}},
        {"no login offered in plain text: nothing is sent",
         Purpose::Check,
         ImapSecurity::None,
         "secret",
         {{"* OK [CAPABILITY IMAP4rev1 STARTTLS LOGINDISABLED] ready\r\n", "a1 LOGOUT\r\n"},
          {"a1 OK\r\n", "", Finished}},
         ImapOutcome::LoginRefused},
        {"a password holding a line end is never sent",
         Purpose::Check,
         ImapSecurity::Tls,
         "sec\r\nret",
         {{Greeting, "a1 LOGOUT\r\n"}, {"a1 OK\r\n", "", Finished}},
         ImapOutcome::LoginRefused},
        {"STARTTLS asked of a server that does not offer it",
         Purpose::Check,
         ImapSecurity::StartTls,
         "secret",
         {{Greeting, "a1 LOGOUT\r\n"}, {"a1 OK\r\n", "", Finished}},
         ImapOutcome::EncryptionFailed},
        {"PREAUTH where STARTTLS was asked",
         Purpose::Check,
         ImapSecurity::StartTls,
         "secret",
         {{"* PREAUTH [CAPABILITY IMAP4rev1 STARTTLS] welcome\r\n", "a1 LOGOUT\r\n"},
          {"a1 OK\r\n", "", Finished}},
         ImapOutcome::EncryptionFailed},
        {"plain text behind the STARTTLS answer",
         Purpose::Check,
         ImapSecurity::StartTls,
         "secret",
         {{"* OK [CAPABILITY IMAP4rev1 STARTTLS AUTH=PLAIN] ready\r\n", "a1 STARTTLS\r\n"},
          {"a1 OK go\r\n* OK [CAPABILITY IMAP4rev1 AUTH=PLAIN]\r\n", "", Finished}},
         ImapOutcome::EncryptionFailed},
        {"BYE instead of a greeting",
         Purpose::Check,
         ImapSecurity::Tls,
         "secret",
         {{"* BYE too many connections\r\n", "", Finished}},
         ImapOutcome::ConnectionLost},
        {"BYE in the middle, with a message that came",
         Purpose::Check,
         ImapSecurity::Tls,
         "secret",
         {{Greeting, Authenticate}, {"* 6 EXISTS\r\n* BYE shutting down\r\n", "", Finished}},
         ImapOutcome::ConnectionLost,
         {.messages = 6}},
        {"an answer to a command never sent",
         Purpose::Check,
         ImapSecurity::Tls,
         "secret",
         {{Greeting, Authenticate}, {"a7 OK in\r\n", "", Finished}},
         ImapOutcome::ProtocolError},
        {"a response that cannot be read",
         Purpose::Check,
         ImapSecurity::Tls,
         "secret",
         {{Greeting, Authenticate}, {"* OK [ALERT unclosed\r\n", "", Finished}},
         ImapOutcome::ProtocolError},
        {"a watch idles, renews, and logs out",
         Purpose::Watch,
         ImapSecurity::Tls,
         "secret",
         {{Greeting, Authenticate},
          {"a1 OK in\r\n", "a2 CAPABILITY\r\n"},
          {"* CAPABILITY IMAP4rev1 IDLE\r\na2 OK\r\n", "a3 EXAMINE \"INBOX\"\r\n"},
          {"* 3 EXISTS\r\na3 OK\r\n", "a4 IDLE\r\n"},
          {"+ idling\r\n", "", ImapEvent::Idling},
          {"* 4 EXISTS\r\n", "", ImapEvent::MailboxChanged},
          {"* 2 FETCH (FLAGS (\\Seen))\r\n", "", ImapEvent::MailboxChanged},
          {"<renew>", "DONE\r\na5 IDLE\r\n"},
          {"a4 OK IDLE terminated\r\n+ idling\r\n", "", ImapEvent::Idling},
          {"<logout>", "DONE\r\na6 LOGOUT\r\n"},
          {"a5 OK\r\n* BYE\r\na6 OK\r\n", "", Finished}},
         ImapOutcome::Ok,
         {.messages = 4}},
        {"a watch on a server without IDLE",
         Purpose::Watch,
         ImapSecurity::Tls,
         "secret",
         {{Greeting, Authenticate},
          {"a1 OK [CAPABILITY IMAP4rev1] in\r\n", "a2 EXAMINE \"INBOX\"\r\n"},
          {"a2 OK\r\n", "a3 LOGOUT\r\n"},
          {"a3 OK\r\n", "", Finished}},
         ImapOutcome::IdleUnsupported},
    };
    for (const Conversation& conversation : conversations) {
        SCOPED_TRACE(conversation.what);
        ImapSession session(conversation.purpose, conversation.security, QStringLiteral("alice"),
                            QString::fromUtf8(conversation.password), QStringLiteral("inbox"));
        for (const Turn& turn : conversation.turns) {
            const ImapStep step = Play(session, turn.server);
            EXPECT_EQ(step.send, QByteArray(turn.client)) << turn.server;
            EXPECT_EQ(step.events, turn.events) << turn.server;
        }
        EXPECT_TRUE(session.Finished());
        EXPECT_EQ(session.Result().outcome, conversation.outcome)
            << session.Result().reason.toStdString();
        EXPECT_EQ(session.Result().mailbox, conversation.mailbox);
        EXPECT_EQ(session.Result().alerts, conversation.alerts);
    }
}
