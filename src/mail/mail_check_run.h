// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mail/imap_new_mail.h"
#include "mail/mail_run_host.h"
#include "platform/dial_up.h"
#include "settings/clock_settings.h"
#include "settings/mail_account.h"

#include <QFlags>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class ImapCheck;
class MailPasswords;
class TPop3Client;

// The flags of the mail check run, read on every tick and by the menu and the notification.
enum class MailRunFlag {
    CheckRunning = 0x01,  // a run over the accounts is in progress
    CheckBusy = 0x02,     // an account's conversation is in progress
    SessionOpen = 0x04,   // the POP3 session of that conversation is open
    CheckForced = 0x08,   // the run was asked for from the menu and reports at its end
    NotifyPending = 0x10, // the notification window is to be shown on the next tick
    // The stop command came during a conversation; the step that waits for that
    // conversation ends the run when it returns.
    StopRequested = 0x20,
};
Q_DECLARE_FLAGS(MailRunFlags, MailRunFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(MailRunFlags)

// The mail check run: started by the interval or the menu, it visits one account per clock
// tick, logs in with the POP3 component, reads the message count and logs out, and at the
// end marks the accounts whose count grew. An IMAP account is checked without waiting: its
// check runs on its connection's signals and the following ticks visit the account until it
// has ended; its count is the unseen messages, and its new mail the ones the previous check
// did not know (see JudgeImapMailbox). It runs on the clock window's tick and menu
// handlers; a conversation waits in a nested event loop, so ticks arrive in the middle of
// one and the run flags keep them from starting a second. An account whose password the
// keyring has not handed over yet is visited again on the following ticks until it has.
class MailCheckRun {
public:
    static constexpr int CheckTimeOut = 10000;
    // MailTickCount counts quarter seconds, the length of the clock window's quickest tick.
    static constexpr int TicksPerSecond = 4;

    MailCheckRun(AccountTable& accounts, ClockSettings& settings, TPop3Client& pop3,
                 MailPasswords& passwords, DialUpMonitor& dialUp, MailRunHost& host);
    ~MailCheckRun();
    MailCheckRun(const MailCheckRun&) = delete;
    MailCheckRun& operator=(const MailCheckRun&) = delete;

    // Step 1 of every tick: MailTickCount + the quarter seconds since the tick before.
    void AdvanceTickCounter(int elapsedQuarterSeconds);
    // The mail step of every running tick, right after AdvanceTickCounter.
    void MailCheckTick();
    // The popup menu command Menu_MailCheck: asks for a run on the next tick, or while a
    // run is in progress stops it.
    void Menu_MailCheckClick();
    bool CheckDialUpConnected();
    // The account's mailbox changed (its IDLE watch says so): the account is checked in a run
    // of its own on a coming tick, or after the run that is going.
    void RequestAccountCheck(int slot);

    std::uint32_t MailTickCount() const { return mailTickCount_; }
    void ResetMailTickCount() { mailTickCount_ = 0; }
    MailRunFlags Flags() const { return flags_; }
    bool MailCheckRunning() const { return flags_.testFlag(MailRunFlag::CheckRunning); }
    int MailCheckIndex() const { return mailCheckIndex_; }
    bool MailCheckBusy() const { return flags_.testFlag(MailRunFlag::CheckBusy); }
    bool MailSessionOpen() const { return flags_.testFlag(MailRunFlag::SessionOpen); }
    bool MailCheckForced() const { return flags_.testFlag(MailRunFlag::CheckForced); }
    bool MailNotifyPending() const { return flags_.testFlag(MailRunFlag::NotifyPending); }
    void SetMailNotifyPending(bool pending) { flags_.setFlag(MailRunFlag::NotifyPending, pending); }

    // The caption of Menu_MailCheck while idle and while a run is in progress.
    static QString IdleCaption();
    static QString StopCaption();

private:
    enum class AccountCheck { Ended, WaitingForPassword, InProgress };

    // What the run keeps of an IMAP account from one check to the next.
    struct ImapAccountState {
        QString mailbox; // ImapMailboxIdentity; another mailbox starts afresh
        std::optional<ImapMailboxMark> mark{};
        bool newMail = false; // found since the last comparison
    };

    void MailCheckStep();
    AccountCheck CheckMailAccount(int slot);
    AccountCheck StartImapCheck(int slot, const QString& password);
    AccountCheck FollowImapCheck(int slot);
    // Whether the run in progress visits this account.
    bool Visits(int slot) const;
    void CompareMailCounts();
    void SetMailError(int code);
    void StartRun();
    // The end-of-run steps that give the menu back; the caller decides on the comparison.
    void EndRun();
    void StopRun();
    void ShowNotification();
    bool AnyNewMail() const;
    // Clears MailCheckBusy and MailSessionOpen: the account's conversation is over.
    void EndAccountCheck();
    // AccountListCount within the table's five slots.
    int ConfiguredCount() const;

    // The POP3 component's events.
    void POP3Connect();
    void POP3Disconnect();
    void POP3ConnectionFailed();
    void POP3ConnectionRequired(bool& handled);
    void POP3InvalidHost(bool& handled);
    void POP3AuthenticationFailed(bool& handled);

    AccountTable& accounts_;
    ClockSettings& settings_;
    TPop3Client& pop3_;
    MailPasswords& passwords_;
    DialUpMonitor& dialUp_;
    MailRunHost& host_;

    std::uint32_t mailTickCount_ = 0;
    int mailCheckIndex_ = 0;
    MailRunFlags flags_;
    std::array<ImapAccountState, AccountTable::Capacity> imapAccounts_;
    std::unique_ptr<ImapCheck> imapCheck_; // of the account at mailCheckIndex_
    unsigned wantedAccounts_ = 0;          // one bit per slot, by RequestAccountCheck
    bool wantedOnly_ = false;              // the run visits the wanted accounts only
};
