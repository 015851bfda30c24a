// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/imap_idle_watch.h"
#include "net/imap_server_opener.h"
#include "settings/clock_settings.h"
#include "settings/mail_account.h"

#include <QObject>
#include <array>
#include <chrono>
#include <functional>
#include <memory>

class MailPasswords;

// Keeps one IDLE watch per IMAP account while periodic checking is on, so that new mail shows
// within seconds rather than at the next interval. A watch only says when to check; the check
// itself is the mail run's, so the notification, the icon bar and the sound are the same as
// for any other check. An account checked only over dial-up gets no watch (its connection
// would stay open without one), and a server that offers no IDLE is left to periodic checks.
class ImapWatches : public QObject {
    Q_OBJECT

public:
    // How long the server has to answer LOGOUT when the program ends.
    static constexpr std::chrono::milliseconds ExitLimit{300};

    using CheckWanted = std::function<void(int slot)>;

    ImapWatches(const AccountTable& accounts, const ClockSettings& settings,
                MailPasswords& passwords, CheckWanted checkWanted, QObject* parent = nullptr);
    ~ImapWatches() override;

    // Drops every watch and starts those the accounts and settings call for now: at start and
    // whenever the mail settings have been applied.
    void Restart();
    // Logs every watch out, giving the server `limit`, and starts no more.
    void StopAll(std::chrono::milliseconds limit);
    // No watch holds a connection any more.
    bool AllStopped() const;

private:
    struct Watch {
        std::unique_ptr<ImapServerOpener> opener;
        std::unique_ptr<ImapIdleWatch> watch;
        bool stopped = false;
    };

    bool Wanted(const MailAccount& account) const;
    // Starts the watches whose password has come; those still waiting for the keyring start
    // when it answers.
    void StartWaiting();
    void Drop(Watch& watch);

    const AccountTable& accounts_;
    const ClockSettings& settings_;
    MailPasswords& passwords_;
    CheckWanted checkWanted_;
    std::array<Watch, AccountTable::Capacity> watches_;
    std::array<bool, AccountTable::Capacity> waiting_{}; // for the keyring's answer
    bool stopping_ = false;
};
