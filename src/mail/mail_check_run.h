#pragma once

#include "mail/mail_run_host.h"
#include "platform/dial_up.h"
#include "settings/clock_settings.h"
#include "settings/mail_account.h"

#include <cstdint>

class TPop3Client;

// The mail check run: started by the interval or the menu, it visits one account per clock
// tick, logs in with the POP3 component, reads the message count and logs out, and at the
// end marks the accounts whose count grew. It runs on the clock window's tick and menu
// handlers; a conversation waits in a nested event loop, so ticks arrive in the middle of
// one and the run flags keep them from starting a second.
class MailCheckRun {
public:
    static constexpr int CheckTimeOut = 10000;
    static constexpr int TicksPerSecond = 4;

    MailCheckRun(AccountTable& accounts, ClockSettings& settings, TPop3Client& pop3,
                 DialUpMonitor& dialUp, MailRunHost& host);
    ~MailCheckRun();
    MailCheckRun(const MailCheckRun&) = delete;
    MailCheckRun& operator=(const MailCheckRun&) = delete;

    // Step 1 of every tick: MailTickCount + 1.
    void AdvanceTickCounter();
    // The mail step of every running tick, right after AdvanceTickCounter.
    void MailCheckTick();
    // The popup menu command Menu_MailCheck: asks for a run on the next tick, or while a
    // run is in progress stops it.
    void Menu_MailCheckClick();
    bool CheckDialUpConnected();

    std::uint32_t MailTickCount() const { return mailTickCount_; }
    void ResetMailTickCount() { mailTickCount_ = 0; }
    int MailCheckRunning() const { return mailCheckRunning_; }
    int MailCheckIndex() const { return mailCheckIndex_; }
    int MailCheckBusy() const { return mailCheckBusy_; }
    int MailSessionOpen() const { return mailSessionOpen_; }
    int MailCheckForced() const { return mailCheckForced_; }
    int MailNotifyPending() const { return mailNotifyPending_; }
    void SetMailNotifyPending(int pending) { mailNotifyPending_ = pending; }

    // The caption of Menu_MailCheck while idle and while a run is in progress.
    static QString IdleCaption();
    static QString StopCaption();

private:
    void MailCheckStep();
    void CheckMailAccount(int slot);
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
    void POP3Failure(bool& handled);

    AccountTable& accounts_;
    ClockSettings& settings_;
    TPop3Client& pop3_;
    DialUpMonitor& dialUp_;
    MailRunHost& host_;

    std::uint32_t mailTickCount_ = 0;
    int mailCheckRunning_ = 0;
    int mailCheckIndex_ = 0;
    int mailCheckBusy_ = 0;
    int mailSessionOpen_ = 0;
    int mailCheckForced_ = 0;
    int mailNotifyPending_ = 0;
    // Set by the stop command while a conversation is in progress; the step that waits for
    // that conversation ends the run when it returns.
    bool stopRequested_ = false;
};
