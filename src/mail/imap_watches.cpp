// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/imap_watches.h"

#include "mail/imap_account.h"
#include "mail/mail_passwords.h"

#include <algorithm>

namespace {

// How long each step of opening a watch's connection and each answer may take.
constexpr std::chrono::milliseconds WatchTimeOut{30000};

} // namespace

ImapWatches::ImapWatches(const AccountTable& accounts, const ClockSettings& settings,
                         MailPasswords& passwords, CheckWanted checkWanted, QObject* parent)
    : QObject(parent), accounts_(accounts), settings_(settings), passwords_(passwords),
      checkWanted_(std::move(checkWanted)) {
    connect(&passwords_, &MailPasswords::Answered, this, &ImapWatches::StartWaiting);
}

ImapWatches::~ImapWatches() {
    for (Watch& watch : watches_) {
        Drop(watch);
    }
}

bool ImapWatches::Wanted(const MailAccount& account) const {
    return (settings_.MailCheckAttr & PeriodicCheck) != 0 && account.Has(InUse) &&
           account.Has(CheckOn) && !account.Has(DialUpOnly) &&
           KnownProtocol(account.Protocol) == ImapProtocol;
}

void ImapWatches::Drop(Watch& watch) {
    // The watch goes before its opener, which it uses to the end.
    watch.watch.reset();
    watch.opener.reset();
    watch.stopped = false;
}

void ImapWatches::Restart() {
    stopping_ = false;
    const int configured = std::clamp(settings_.AccountListCount, 0, AccountTable::Capacity);
    for (int slot = 0; slot < AccountTable::Capacity; ++slot) {
        Drop(watches_[slot]);
        waiting_[slot] = slot < configured && Wanted(accounts_.entries[slot]);
    }
    StartWaiting();
}

void ImapWatches::StartWaiting() {
    for (int slot = 0; slot < AccountTable::Capacity && !stopping_; ++slot) {
        if (!waiting_[slot]) {
            continue;
        }
        const MailAccount& account = accounts_.entries[slot];
        const MailPasswords::Lookup password = passwords_.PasswordFor(account);
        if (password.state == MailPasswords::State::Pending) {
            continue;
        }
        waiting_[slot] = false;
        // Without a password the periodic check reports the account's error.
        if (password.state == MailPasswords::State::Unavailable ||
            !ImapSession::CredentialsSendable(account.UserID, password.password)) {
            continue;
        }
        Watch& watch = watches_[slot];
        watch.opener = ImapOpenerFor(account, WatchTimeOut);
        watch.watch = std::make_unique<ImapIdleWatch>(
            *watch.opener, ImapAccessOf(account, password.password),
            ImapIdleWatch::Timing{.replyTimeOut = WatchTimeOut}, &ImapIdleWatch::Now);
        connect(watch.watch.get(), &ImapIdleWatch::checkWanted, this,
                [this, slot] { checkWanted_(slot); });
        // A watch that ended for good (no IDLE, a refused login) leaves the account to the
        // periodic checks, which report what is wrong.
        connect(watch.watch.get(), &ImapIdleWatch::stopped, this,
                [&watch] { watch.stopped = true; });
        watch.watch->Start();
    }
}

void ImapWatches::StopAll(std::chrono::milliseconds limit) {
    stopping_ = true;
    waiting_.fill(false);
    for (Watch& watch : watches_) {
        if (watch.watch != nullptr && !watch.stopped) {
            watch.watch->Stop(limit);
        }
    }
}

bool ImapWatches::AllStopped() const {
    return std::all_of(watches_.begin(), watches_.end(),
                       [](const Watch& watch) { return watch.watch == nullptr || watch.stopped; });
}
