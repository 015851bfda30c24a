// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/mail_passwords.h"
#include "service_fakes.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using Keeping = MailPasswords::Keeping;
using Outcome = PasswordKeyring::Outcome;
using State = MailPasswords::State;

MailAccount Configured(const QString& user, const QString& server, const QString& password = {}) {
    MailAccount account;
    account.Attribute = InUse | CheckOn;
    account.UserID = user;
    account.POP3 = server;
    account.PassWord = password;
    return account;
}

// Looks until the keyring has answered or the wait limit has given up on it.
MailPasswords::Lookup Settled(MailPasswords& passwords, const MailAccount& account) {
    MailPasswords::Lookup lookup;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            lookup = passwords.PasswordFor(account);
            return lookup.state != State::Pending;
        },
        5000));
    return lookup;
}

void WaitUntilIdle(const MailPasswords& passwords) {
    EXPECT_TRUE(QTest::qWaitFor([&passwords] { return !passwords.Busy(); }, 5000));
}

// A keyring, the account records and their passwords, fresh for each case.
struct Keeper {
    explicit Keeper(std::optional<Outcome> failure = {}, bool answering = true) {
        keyring.failure = failure;
        keyring.answering = answering;
    }
    FakeKeyring keyring;
    AccountTable accounts;
    MailPasswords passwords{keyring, accounts, std::chrono::milliseconds(300)};
};

} // namespace

TEST(MailPasswords, FileFirstThenTheKeyringWhichIsAskedOnce) {
    struct Case {
        const char* what;
        QString inFile;
        std::optional<Outcome> failure;
        bool answering;
        State state;
        QString password;
        int calls;
        Keeping where;
    };
    const Case cases[] = {
        {"in the file", "typed", {}, true, State::Known, "typed", 0, Keeping::Unknown},
        {"in the keyring", {}, {}, true, State::Known, "secret", 1, Keeping::Keyring},
        {"locked, unlock refused",
         {},
         Outcome::NotFound,
         true,
         State::Unavailable,
         {},
         1,
         Keeping::SettingsFile},
        {"no keyring", {}, Outcome::Failed, true, State::Unavailable, {}, 1, Keeping::SettingsFile},
        {"a keyring that never answers",
         {},
         {},
         false,
         State::Unavailable,
         {},
         1,
         Keeping::Unknown},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        Keeper keeper(test.failure, test.answering);
        keeper.keyring.entries["alice@mail.example.jp"] = "secret";
        const MailAccount account = Configured("alice", "Mail.Example.jp", test.inFile);
        if (test.inFile.isEmpty()) {
            EXPECT_EQ(keeper.passwords.PasswordFor(account).state, State::Pending)
                << "nothing waits for the keyring";
        }
        const MailPasswords::Lookup lookup = Settled(keeper.passwords, account);
        EXPECT_EQ(lookup.state, test.state);
        EXPECT_EQ(lookup.password, test.password);
        keeper.passwords.PasswordFor(account);
        EXPECT_EQ(keeper.keyring.calls.size(), test.calls)
            << keeper.keyring.calls.join(", ").toStdString();
        EXPECT_EQ(keeper.passwords.Where(), test.where);
    }
}

TEST(MailPasswords, AProbeAsksOnlyWhileNoAnswerIsKnownOrOnItsWay) {
    Keeper keeper;
    keeper.passwords.Probe();
    keeper.passwords.Probe();
    WaitUntilIdle(keeper.passwords);
    EXPECT_EQ(keeper.passwords.Where(), Keeping::Keyring);
    keeper.passwords.Probe();
    WaitUntilIdle(keeper.passwords);
    EXPECT_EQ(keeper.keyring.calls, QStringList({"read keyring-check"}));
}

TEST(MailPasswords, AfterARefusalNothingElseAsksTheKeyring) {
    Keeper keeper(Outcome::NotFound);
    EXPECT_EQ(Settled(keeper.passwords, Configured("alice", "a.example")).state,
              State::Unavailable);
    EXPECT_EQ(Settled(keeper.passwords, Configured("bob", "b.example")).state, State::Unavailable);
    keeper.accounts.entries[0] = Configured("carol", "c.example", "typed");
    keeper.passwords.AfterSave([] {});
    WaitUntilIdle(keeper.passwords);
    EXPECT_EQ(keeper.keyring.calls, QStringList({"read alice@a.example"}));
    EXPECT_EQ(keeper.accounts.entries[0].PassWord, "typed") << "it stays in the file";
}

TEST(MailPasswords, AMissingEntryOfAnUnlockedKeyringFailsOnlyItsAccount) {
    Keeper keeper;
    keeper.keyring.entries = {{"alice@a.example", "secret"}, {"carol@c.example", "other"}};
    EXPECT_EQ(Settled(keeper.passwords, Configured("alice", "a.example")).state, State::Known);
    EXPECT_EQ(Settled(keeper.passwords, Configured("bob", "b.example")).state, State::Unavailable);
    EXPECT_EQ(Settled(keeper.passwords, Configured("carol", "c.example")).password, "other");
    EXPECT_EQ(keeper.passwords.Where(), Keeping::Keyring);
}

TEST(MailPasswords, SaveMovesFilePasswordsIntoTheKeyring) {
    for (const bool keyringWorks : {true, false}) {
        SCOPED_TRACE(keyringWorks ? "with a keyring" : "without a keyring");
        Keeper keeper(keyringWorks ? std::nullopt : std::optional(Outcome::Failed));
        keeper.keyring.entries = {{"bob@b.example", "kept"}};
        MailAccount& moving = keeper.accounts.entries[0];
        MailAccount& kept = keeper.accounts.entries[1];
        moving = Configured("alice", "a.example", "moving");
        kept = Configured("bob", "b.example");
        // The settings dialog hands back the password it was shown.
        Settled(keeper.passwords, kept);
        kept.PassWord = keyringWorks ? "kept" : "typed";
        keeper.passwords.BeforeSave();
        EXPECT_EQ(kept.PassWord.isEmpty(), keyringWorks)
            << "what the keyring holds never reaches the file";
        int saves = 0;
        keeper.passwords.AfterSave([&saves] { ++saves; });
        WaitUntilIdle(keeper.passwords);
        EXPECT_EQ(moving.PassWord.isEmpty(), keyringWorks);
        EXPECT_EQ(saves, keyringWorks ? 1 : 0) << "the file is written again without it";
        EXPECT_EQ(keeper.keyring.entries.count("alice@a.example"), keyringWorks ? 1u : 0u);
    }
}

TEST(MailPasswords, EntriesFollowRenamedAndDeletedAccounts) {
    Keeper keeper;
    keeper.accounts.entries[0] = Configured("alice", "a.example");
    keeper.accounts.entries[1] = Configured("bob", "new.example", "secret"); // another server
    keeper.passwords.ForgetUnused({"alice@a.example", "bob@b.example", "carol@c.example"});
    WaitUntilIdle(keeper.passwords);
    EXPECT_EQ(keeper.keyring.calls,
              QStringList({"remove bob@b.example", "remove carol@c.example"}));
}
