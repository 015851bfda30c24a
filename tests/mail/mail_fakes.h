// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/server_address.h"
#include "mail/mail_passwords.h"
#include "mail/mail_run_host.h"
#include "net/net_error.h"
#include "net/pop3_client.h"
#include "platform/dial_up.h"
#include "platform/sound_player.h"
#include "scripted_peer.h"
#include "service_fakes.h"
#include "test_certificates.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

// A POP3 component whose every Connect talks to a fresh scripted server on 127.0.0.1, so
// the real login, STAT and QUIT run while each answer is chosen by the test: a count, a
// refused login, a refused STLS, or a refused connection. The server speaks TLS with the
// test's self-signed certificate when the run asks for TLS. Where the run asked to connect
// is recorded.
class FakePop3 : public TPop3Client {
public:
    enum class Outcome { Count, LoginRefused, StlsRefused, Refused };
    struct Answer {
        Outcome outcome = Outcome::Count;
        int count = 0;
    };

    void Connect() override {
        connects << QStringLiteral("%1:%2:%3:%4").arg(Host).arg(Port).arg(UserID).arg(TimeOut);
        securities << QStringLiteral("%1:%2").arg(int(Security)).arg(TrustedCertificate);
        const Answer answer = answers.empty() ? Answer{} : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        if (duringConnect) {
            // Something the user does while the conversation waits.
            duringConnect();
            if (aborted) {
                aborted = false;
                throw ENetError(QStringLiteral("Socket readln aborted"));
            }
        }
        const bool pinned = ServerAddress::Names(TrustedServer, Host, Port);
        peer_ = std::make_unique<ScriptedPeer>();
        Host = QStringLiteral("127.0.0.1");
        Port = peer_->Port();
        if (answer.outcome == Outcome::Refused) {
            Port = ScriptedPeer::ClosedPort();
        } else if (answer.outcome == Outcome::StlsRefused) {
            peer_->Send("+OK ready\r\n").Expect("STLS").Send("-ERR no TLS here\r\n");
            peer_->Expect("QUIT").Send("+OK bye\r\n");
        } else if (answer.outcome == Outcome::LoginRefused) {
            Greet();
            peer_->Expect("USER " + UserID.toUtf8()).Send("+OK\r\n");
            peer_->Expect("PASS " + Password.toUtf8()).Send("-ERR wrong\r\n");
            peer_->Expect("QUIT").Send("+OK bye\r\n");
        } else {
            Greet();
            peer_->Expect("USER " + UserID.toUtf8()).Send("+OK\r\n");
            peer_->Expect("PASS " + Password.toUtf8()).Send("+OK\r\n");
            peer_->Expect("STAT").Send("+OK " + QByteArray::number(answer.count) + " 100\r\n");
            peer_->Expect("QUIT").Send("+OK bye\r\n");
        }
        // The scripted server stands in for the account's: a pin for that server holds for it.
        if (pinned) {
            TrustedServer = ServerAddress::Of(Host, Port);
        }
        TPop3Client::Connect();
    }
    void Abort() override {
        aborted = true;
        TPop3Client::Abort();
    }

    // What the last server received.
    QStringList Received() const { return peer_ ? peer_->Received() : QStringList(); }

    std::deque<Answer> answers;
    QStringList connects;
    QStringList securities; // "Security:TrustedCertificate" of each Connect
    std::function<void()> duringConnect;
    bool aborted = false;

private:
    // The greeting, with the TLS the run asked for around it.
    void Greet() {
        const TestCertificates* certificates = TestCertificates::Get();
        const QSslConfiguration server =
            certificates != nullptr
                ? TestCertificates::ServerConfiguration(certificates->selfSigned)
                : QSslConfiguration();
        if (Security == Pop3Security::Tls) {
            peer_->StartTls(server);
        }
        peer_->Send("+OK ready\r\n");
        if (Security == Pop3Security::StartTls) {
            peer_->Expect("STLS").Send("+OK begin\r\n").StartTls(server);
        }
    }

    std::unique_ptr<ScriptedPeer> peer_;
};

// Mail passwords kept in a keyring in memory; accounts with a password in their record never
// reach it.
struct KeyringPasswords {
    explicit KeyringPasswords(AccountTable& accounts) : passwords(keyring, accounts) {}
    FakeKeyring keyring;
    MailPasswords passwords;
};

// The clock window as the run sees it: a mask, the menu's state and the windows it was
// asked to show.
class FakeRunHost : public MailRunHost {
public:
    std::uint32_t OpenWindowMask() const override { return mask; }
    void OpenMailNotificationWindow() override {
        ++opened;
        if (onOpen) {
            onOpen();
        }
    }
    void RefreshMailNotificationWindow() override { ++refreshed; }
    void SetRunCommandsEnabled(CommandState state) override {
        runCommands = state;
        mailCheck = state;
    }
    void SetMailCheckCommand(CommandState state, const QString& text) override {
        mailCheck = state;
        caption = text;
    }
    QuitState CurrentQuitState() const override { return quitState; }
    void SetQuitState(QuitState state) override { quitState = state; }
    void ShowMessage(const QString& title, const QString& text) override {
        messages << title + QStringLiteral(": ") + text;
    }

    std::uint32_t mask = 0;
    int opened = 0;
    int refreshed = 0;
    std::function<void()> onOpen;
    CommandState runCommands = CommandState::Enabled;
    CommandState mailCheck = CommandState::Enabled;
    QString caption = QStringLiteral("メールチェック(&C)");
    QuitState quitState = QuitState::Running;
    QStringList messages;
};
