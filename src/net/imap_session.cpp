// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_session.h"

#include "net/imap_command.h"
#include "net/sendable_text.h"

#include <algorithm>

namespace {

QByteArray Line(QByteArrayView tag, QByteArrayView command) {
    return tag.toByteArray() + ' ' + command.toByteArray() + "\r\n";
}

} // namespace

ImapSession::ImapSession(Purpose purpose, ImapSecurity security, QString user, QString password,
                         QString mailbox)
    : purpose_(purpose), security_(security), user_(std::move(user)),
      password_(std::move(password)), mailbox_(std::move(mailbox)),
      encrypted_(security == ImapSecurity::Tls) {}

bool ImapSession::CredentialsSendable(const QString& user, const QString& password) {
    return !user.isEmpty() && !password.isEmpty() && SendableInACommand(user) &&
           SendableInACommand(password);
}

bool ImapSession::AwaitingServer() const {
    return state_ != State::Idling && state_ != State::Finished;
}

ImapStep ImapSession::Receive(QByteArrayView bytes) {
    ImapStep step;
    if (Finished() || state_ == State::Handshake) {
        return step;
    }
    reader_.Feed(bytes);
    while (!Finished() && state_ != State::Handshake) {
        const std::optional<ImapParseResult> parsed = reader_.Next();
        if (!parsed) {
            break;
        }
        if (!parsed->Ok()) {
            End(ImapOutcome::ProtocolError, parsed->error, Farewell::Close, step);
            break;
        }
        Handle(parsed->response, step);
    }
    return step;
}

ImapStep ImapSession::EncryptionStarted() {
    ImapStep step;
    if (state_ != State::Handshake) {
        return step;
    }
    encrypted_ = true;
    capabilities_.reset(); // what the server offered in plain text no longer counts
    Proceed(step);
    return step;
}

ImapStep ImapSession::RenewIdle() {
    ImapStep step;
    if (state_ != State::Idling) {
        return step;
    }
    // DONE ends the running IDLE; its completion is not waited for, the new IDLE's "+" tells
    // that the server still listens.
    step.send += "DONE\r\n";
    ignoredTags_ << tag_;
    Send(State::IdleStarting, "IDLE", step);
    return step;
}

ImapStep ImapSession::Logout() {
    ImapStep step;
    // In the middle of a command, or of the TLS handshake, a LOGOUT would be read as part
    // of it; there the connection is only closed.
    const bool midCommand = !unsentParts_.isEmpty() || !saslResponse_.isEmpty() ||
                            state_ == State::Greeting || state_ == State::StartTls ||
                            state_ == State::Handshake;
    End(result_.outcome, result_.reason, midCommand ? Farewell::Close : Farewell::Logout, step);
    return step;
}

ImapStep ImapSession::Fail(ImapOutcome outcome, const QString& reason) {
    ImapStep step;
    End(outcome, reason, Farewell::Close, step);
    return step;
}

void ImapSession::End(ImapOutcome outcome, const QString& reason, Farewell farewell,
                      ImapStep& step) {
    if (state_ == State::Finished) {
        return;
    }
    // Once logging out the outcome is settled; a connection that closes then changes nothing.
    if (state_ != State::LoggingOut) {
        result_.outcome = outcome;
        result_.reason = reason;
    }
    if (farewell == Farewell::Logout && state_ != State::LoggingOut) {
        if (state_ == State::Idling || state_ == State::IdleStarting) {
            step.send += "DONE\r\n";
        }
        // The answer to the command still running no longer matters.
        ignoredTags_ << tag_;
        unsentParts_.clear();
        saslResponse_.clear();
        Send(State::LoggingOut, "LOGOUT", step);
        return;
    }
    if (farewell == Farewell::Logout) {
        return; // already logging out
    }
    state_ = State::Finished;
    step.events |= ImapEvent::Finished;
}

QByteArray ImapSession::NextTag() {
    tag_ = "a" + QByteArray::number(++tagNumber_);
    return tag_;
}

void ImapSession::Send(State state, QByteArrayView command, ImapStep& step) {
    SendParts(state, {Line(NextTag(), command)}, step);
}

void ImapSession::SendParts(State state, const QList<QByteArray>& parts, ImapStep& step) {
    step.send += parts.first();
    unsentParts_ = parts.mid(1);
    state_ = state;
}

bool ImapSession::Offers(QByteArrayView capability) const {
    return capabilities_ && capabilities_->contains(capability.toByteArray().toUpper());
}

void ImapSession::TakeCapabilities(const std::vector<QByteArray>& words) {
    QSet<QByteArray> capabilities;
    for (const QByteArray& word : words) {
        capabilities.insert(word.toUpper());
    }
    capabilities_ = std::move(capabilities);
}

void ImapSession::Handle(const ImapResponse& response, ImapStep& step) {
    if (response.code == "CAPABILITY") {
        TakeCapabilities(ImapWords(response.codeArguments));
    } else if (response.code == "ALERT") {
        result_.alerts << response.text;
    }
    switch (response.kind) {
    case ImapResponseKind::Untagged:
        HandleUntagged(response, step);
        break;
    case ImapResponseKind::Continuation:
        HandleContinuation(response, step);
        break;
    case ImapResponseKind::Tagged:
        HandleTagged(response, step);
        break;
    }
}

void ImapSession::HandleUntagged(const ImapResponse& response, ImapStep& step) {
    if (state_ == State::Greeting) {
        switch (response.status) {
        case ImapStatus::Ok:
            Proceed(step);
            return;
        case ImapStatus::Preauth:
            authenticated_ = true;
            if (security_ == ImapSecurity::StartTls && !encrypted_) {
                // STARTTLS is no longer allowed; the mailbox would be read in plain text.
                End(ImapOutcome::EncryptionFailed,
                    QStringLiteral("logged in before STARTTLS: ") + response.text, Farewell::Logout,
                    step);
                return;
            }
            Proceed(step);
            return;
        case ImapStatus::Bye:
            End(ImapOutcome::ConnectionLost, response.text, Farewell::Close, step);
            return;
        default:
            End(ImapOutcome::ProtocolError, QStringLiteral("no greeting"), Farewell::Close, step);
            return;
        }
    }
    if (response.status == ImapStatus::Bye) {
        if (state_ != State::LoggingOut) {
            End(ImapOutcome::ConnectionLost, response.text, Farewell::Close, step);
        }
        return;
    }
    if (state_ == State::Examine && response.status == ImapStatus::Ok) {
        const std::optional<quint32> number = ImapNumber(response.codeArguments);
        if (response.code == "UIDVALIDITY" && number) {
            result_.mailbox.uidValidity = *number;
        } else if (response.code == "UIDNEXT" && number) {
            result_.mailbox.uidNext = *number;
        }
        return;
    }
    const bool watching = state_ == State::IdleStarting || state_ == State::Idling;
    if (response.keyword == "CAPABILITY") {
        std::vector<QByteArray> words;
        words.reserve(response.data.size());
        for (const ImapValue& value : response.data) {
            words.push_back(value.text);
        }
        TakeCapabilities(words);
    } else if (response.keyword == "EXISTS" && response.number) {
        result_.mailbox.messages = *response.number;
        if (watching) {
            step.events |= ImapEvent::MailboxChanged;
        }
    } else if (response.keyword == "EXPUNGE" || response.keyword == "FETCH") {
        if (watching) {
            step.events |= ImapEvent::MailboxChanged;
        }
    } else if (state_ == State::Search &&
               (response.keyword == "SEARCH" || response.keyword == "ESEARCH")) {
        CountUnseen(response);
    }
}

void ImapSession::CountUnseen(const ImapResponse& response) {
    ImapMailboxStatus& mailbox = result_.mailbox;
    if (response.keyword == "SEARCH") {
        for (const ImapValue& value : response.data) {
            if (const std::optional<quint32> uid = value.Number()) {
                ++mailbox.unseen;
                mailbox.highestUnseenUid = std::max(mailbox.highestUnseenUid, *uid);
            }
        }
        return;
    }
    // ESEARCH: an optional (TAG "a5") and UID, then pairs of a name and its value.
    const std::vector<ImapValue>& data = response.data;
    for (std::size_t index = 0; index + 1 < data.size(); ++index) {
        const std::optional<quint32> value = data[index + 1].Number();
        if (data[index].IsAtom("COUNT") && value) {
            mailbox.unseen = *value;
        } else if (data[index].IsAtom("MAX") && value) {
            mailbox.highestUnseenUid = *value;
        }
    }
}

void ImapSession::HandleContinuation(const ImapResponse&, ImapStep& step) {
    if (!unsentParts_.isEmpty()) {
        step.send += unsentParts_.takeFirst();
    } else if (state_ == State::Login && !saslResponse_.isEmpty()) {
        step.send += saslResponse_ + "\r\n";
        saslResponse_.clear();
    } else if (state_ == State::Login) {
        // PLAIN has no second challenge: cancel the exchange, the server then refuses it.
        step.send += "*\r\n";
    } else if (state_ == State::IdleStarting) {
        state_ = State::Idling;
        step.events |= ImapEvent::Idling;
    } else {
        End(ImapOutcome::ProtocolError, QStringLiteral("a continuation nobody asked for"),
            Farewell::Close, step);
    }
}

void ImapSession::HandleTagged(const ImapResponse& response, ImapStep& step) {
    if (ignoredTags_.removeOne(response.tag)) {
        return;
    }
    if (response.tag != tag_ || state_ == State::Greeting || state_ == State::Handshake) {
        End(ImapOutcome::ProtocolError, QStringLiteral("an answer to a command never sent"),
            Farewell::Close, step);
        return;
    }
    unsentParts_.clear();
    saslResponse_.clear();
    const bool ok = response.status == ImapStatus::Ok;
    switch (state_) {
    case State::Capability:
        if (!ok) {
            End(ImapOutcome::ProtocolError, response.text, Farewell::Logout, step);
            return;
        }
        if (!capabilities_) {
            capabilities_.emplace(); // a server that lists nothing offers nothing
        }
        Proceed(step);
        return;
    case State::StartTls:
        if (!ok) {
            End(ImapOutcome::EncryptionFailed, response.text, Farewell::Logout, step);
        } else if (reader_.HasPendingBytes()) {
            // Whatever came in plain text behind the answer would pass for encrypted.
            End(ImapOutcome::EncryptionFailed, QStringLiteral("plain text after STARTTLS"),
                Farewell::Close, step);
        } else {
            state_ = State::Handshake;
            step.events |= ImapEvent::StartTls;
        }
        return;
    case State::Login:
        if (!ok) {
            End(ImapOutcome::LoginRefused, response.text, Farewell::Logout, step);
            return;
        }
        authenticated_ = true;
        // A watch must know whether the logged-in server offers IDLE; a check does with
        // what it learned before (ESEARCH only saves bytes).
        if (response.code != "CAPABILITY" && purpose_ == Purpose::Watch) {
            capabilities_.reset();
        }
        Proceed(step);
        return;
    case State::Examine:
        MoveOn(response, examined_, ImapOutcome::MailboxMissing, step);
        return;
    case State::Search:
        MoveOn(response, searched_, ImapOutcome::ProtocolError, step);
        return;
    case State::IdleStarting:
        End(ImapOutcome::IdleUnsupported, response.text, Farewell::Logout, step);
        return;
    case State::Idling:
        // The server ended IDLE by itself; ask again unless it refused.
        if (!ok) {
            End(ImapOutcome::ProtocolError, response.text, Farewell::Logout, step);
            return;
        }
        Send(State::IdleStarting, "IDLE", step);
        return;
    case State::LoggingOut:
        state_ = State::Finished;
        step.events |= ImapEvent::Finished;
        return;
    case State::Greeting:
    case State::Handshake:
    case State::Finished:
        return;
    }
}

void ImapSession::MoveOn(const ImapResponse& response, bool& done, ImapOutcome refused,
                         ImapStep& step) {
    if (response.status != ImapStatus::Ok) {
        End(refused, response.text, Farewell::Logout, step);
        return;
    }
    done = true;
    Proceed(step);
}

void ImapSession::Proceed(ImapStep& step) {
    if (!capabilities_) {
        Send(State::Capability, "CAPABILITY", step);
        return;
    }
    if (security_ == ImapSecurity::StartTls && !encrypted_) {
        if (!Offers("STARTTLS")) {
            End(ImapOutcome::EncryptionFailed, QStringLiteral("STARTTLS is not offered"),
                Farewell::Logout, step);
            return;
        }
        Send(State::StartTls, "STARTTLS", step);
        return;
    }
    if (!authenticated_) {
        LogIn(step);
        return;
    }
    if (!examined_) {
        ImapCommand command(NextTag(), "EXAMINE", ImapLiterals::Synchronising);
        command.String(ImapMailboxName(mailbox_));
        SendParts(State::Examine, command.Parts(), step);
        return;
    }
    if (purpose_ == Purpose::Check) {
        if (!searched_) {
            Send(State::Search,
                 Offers("ESEARCH") ? "UID SEARCH RETURN (COUNT MAX) UNSEEN" : "UID SEARCH UNSEEN",
                 step);
            return;
        }
        End(ImapOutcome::Ok, {}, Farewell::Logout, step);
        return;
    }
    if (!Offers("IDLE")) {
        End(ImapOutcome::IdleUnsupported, QStringLiteral("IDLE is not offered"), Farewell::Logout,
            step);
        return;
    }
    Send(State::IdleStarting, "IDLE", step);
}

void ImapSession::LogIn(ImapStep& step) {
    // The last guard before the password goes out.
    if (security_ != ImapSecurity::None && !encrypted_) {
        End(ImapOutcome::EncryptionFailed, QStringLiteral("not encrypted"), Farewell::Close, step);
        return;
    }
    if (!CredentialsSendable(user_, password_)) {
        End(ImapOutcome::LoginRefused, QStringLiteral("the user name or password cannot be sent"),
            Farewell::Logout, step);
        return;
    }
    const QByteArray user = user_.toUtf8();
    const QByteArray password = password_.toUtf8();
    if (Offers("AUTH=PLAIN")) {
        const QByteArray response = (QByteArray(1, '\0') + user + '\0' + password).toBase64();
        if (Offers("SASL-IR")) {
            Send(State::Login, "AUTHENTICATE PLAIN " + response, step);
        } else {
            Send(State::Login, "AUTHENTICATE PLAIN", step);
            saslResponse_ = response;
        }
        return;
    }
    if (Offers("LOGINDISABLED")) {
        End(ImapOutcome::LoginRefused, QStringLiteral("the server offers no login to use here"),
            Farewell::Logout, step);
        return;
    }
    ImapCommand command(NextTag(), "LOGIN",
                        Offers("LITERAL+") ? ImapLiterals::NonSynchronising
                                           : ImapLiterals::Synchronising);
    command.String(user).String(password);
    SendParts(State::Login, command.Parts(), step);
}
