// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/mail_check_run.h"

#include "core/window_bits.h"
#include "mail/imap_account.h"
#include "mail/imap_mail_error.h"
#include "mail/mail_error.h"
#include "mail/mail_passwords.h"
#include "net/etls_error.h"
#include "net/imap_check.h"
#include "net/pop3_client.h"
#include "platform/user_prompt.h"

#include <algorithm>
#include <utility>

namespace {

Pop3Security SecurityOf(const MailAccount& account) {
    switch (KnownSecurity(account.Security)) {
    case NoSecurity:
        return Pop3Security::None;
    case StartTlsSecurity:
        return Pop3Security::StartTls;
    case TlsSecurity:
        break;
    }
    return Pop3Security::Tls;
}

} // namespace

MailCheckRun::MailCheckRun(AccountTable& accounts, ClockSettings& settings, TPop3Client& pop3,
                           MailPasswords& passwords, DialUpMonitor& dialUp, MailRunHost& host)
    : accounts_(accounts), settings_(settings), pop3_(pop3), passwords_(passwords), dialUp_(dialUp),
      host_(host) {
    pop3_.OnConnect = [this](TSocketClient&) { POP3Connect(); };
    pop3_.OnDisconnect = [this](TSocketClient&) { POP3Disconnect(); };
    pop3_.OnConnectionFailed = [this](TSocketClient&) { POP3ConnectionFailed(); };
    pop3_.OnConnectionRequired = [this](bool& handled) { POP3ConnectionRequired(handled); };
    pop3_.OnInvalidHost = [this](bool& handled) { POP3InvalidHost(handled); };
    pop3_.OnAuthenticationFailed = [this](bool& handled) { POP3AuthenticationFailed(handled); };
}

MailCheckRun::~MailCheckRun() {
    // The component may outlive the run; its events must not reach a run that is gone.
    pop3_.OnConnect = nullptr;
    pop3_.OnDisconnect = nullptr;
    pop3_.OnConnectionFailed = nullptr;
    pop3_.OnConnectionRequired = nullptr;
    pop3_.OnInvalidHost = nullptr;
    pop3_.OnAuthenticationFailed = nullptr;
}

QString MailCheckRun::IdleCaption() {
    return QStringLiteral("メールチェック(&C)");
}

QString MailCheckRun::StopCaption() {
    return QStringLiteral("メールチェック強制終了(&C)");
}

void MailCheckRun::AdvanceTickCounter(int elapsedQuarterSeconds) {
    mailTickCount_ += std::uint32_t(elapsedQuarterSeconds);
}

int MailCheckRun::ConfiguredCount() const {
    return std::clamp(settings_.AccountListCount, 0, AccountTable::Capacity);
}

bool MailCheckRun::AnyNewMail() const {
    return std::any_of(
        accounts_.entries.begin(), accounts_.entries.end(),
        [](const MailAccount& account) { return account.Has(InUse) && account.NewMail != 0; });
}

void MailCheckRun::MailCheckTick() {
    if (host_.CurrentQuitState() == QuitState::MailStopped) {
        return;
    }
    if (flags_.testFlag(MailRunFlag::NotifyPending) || AnyNewMail()) {
        ShowNotification();
    }
    if ((host_.OpenWindowMask() & (MailSettingsWindow | CorrectionSettingsWindow)) != 0) {
        return;
    }
    if (!flags_.testFlag(MailRunFlag::CheckForced) &&
        (settings_.MailCheckAttr & PeriodicCheck) == 0) {
        return;
    }
    if (flags_.testFlag(MailRunFlag::CheckRunning)) {
        MailCheckStep();
    } else if (std::int64_t(mailTickCount_ / TicksPerSecond) >=
                   std::int64_t(settings_.Checkinterval) * 60 ||
               flags_.testFlag(MailRunFlag::CheckForced)) {
        StartRun();
    } else if (wantedAccounts_ != 0) {
        StartRun();
        wantedOnly_ = true;
    }
    if (mailCheckIndex_ < 0 || mailCheckIndex_ > AccountTable::Capacity) {
        host_.ShowMessage(
            WarningCaption(),
            QStringLiteral("Zorbelの動作が不安定です。一度終了してから再度起動してください。"));
    }
}

void MailCheckRun::ShowNotification() {
    if ((host_.OpenWindowMask() & MailNotificationWindow) != 0) {
        host_.RefreshMailNotificationWindow();
    } else {
        host_.OpenMailNotificationWindow();
    }
}

void MailCheckRun::StartRun() {
    flags_.setFlag(MailRunFlag::CheckRunning);
    wantedOnly_ = false;
    mailCheckIndex_ = 0;
    host_.SetRunCommandsEnabled(CommandState::Disabled);
    // The command stays available as the stop of the run in progress.
    host_.SetMailCheckCommand(CommandState::Enabled, StopCaption());
}

void MailCheckRun::EndRun() {
    flags_.setFlag(MailRunFlag::CheckRunning, false);
    flags_.setFlag(MailRunFlag::CheckForced, false);
    // A run for the accounts whose mailbox changed leaves the others' interval as it was.
    if (!std::exchange(wantedOnly_, false)) {
        mailTickCount_ = 0;
    }
    mailCheckIndex_ = 0;
    host_.SetRunCommandsEnabled(CommandState::Enabled);
    host_.SetMailCheckCommand(CommandState::Enabled, IdleCaption());
}

void MailCheckRun::MailCheckStep() {
    if (flags_.testFlag(MailRunFlag::CheckBusy)) {
        return;
    }
    if (host_.CurrentQuitState() == QuitState::ExitChosen) {
        host_.SetQuitState(QuitState::MailStopped);
        flags_.setFlag(MailRunFlag::CheckRunning, false);
        flags_.setFlag(MailRunFlag::CheckForced, false);
        flags_.setFlag(MailRunFlag::NotifyPending, false);
        mailTickCount_ = 0;
        mailCheckIndex_ = 0;
        imapCheck_.reset();
        return;
    }
    if (mailCheckIndex_ >= ConfiguredCount()) {
        if (flags_.testFlag(MailRunFlag::CheckForced)) {
            // A run asked for from the menu always reports.
            flags_.setFlag(MailRunFlag::NotifyPending);
        }
        EndRun();
        CompareMailCounts();
        return;
    }
    if (Visits(mailCheckIndex_) && CheckMailAccount(mailCheckIndex_) != AccountCheck::Ended) {
        return; // the next tick visits the same account again
    }
    if (flags_.testFlag(MailRunFlag::StopRequested)) {
        // The conversation was cut short by the stop command; its result is not valid.
        flags_.setFlag(MailRunFlag::StopRequested, false);
        SetMailError(ServerUnreachableError);
        EndRun();
        return;
    }
    wantedAccounts_ &= ~(1u << mailCheckIndex_);
    ++mailCheckIndex_;
}

bool MailCheckRun::Visits(int slot) const {
    return accounts_.entries[slot].Has(CheckOn) &&
           (!wantedOnly_ || (wantedAccounts_ & (1u << slot)) != 0);
}

void MailCheckRun::RequestAccountCheck(int slot) {
    if (slot >= 0 && slot < AccountTable::Capacity) {
        wantedAccounts_ |= 1u << slot;
    }
}

void MailCheckRun::EndAccountCheck() {
    flags_.setFlag(MailRunFlag::SessionOpen, false);
    flags_.setFlag(MailRunFlag::CheckBusy, false);
}

MailCheckRun::AccountCheck MailCheckRun::CheckMailAccount(int slot) {
    if (flags_.testFlag(MailRunFlag::CheckBusy)) {
        return AccountCheck::Ended;
    }
    if (imapCheck_ != nullptr) {
        return FollowImapCheck(slot);
    }
    MailAccount& account = accounts_.entries[slot];
    if (!account.Has(CheckOn)) {
        EndAccountCheck();
        return AccountCheck::Ended;
    }
    if (account.Has(DialUpOnly) && !CheckDialUpConnected()) {
        SetMailError(NoDialUpWarning);
        account.ErrorCode = MailNoError; // a warning, not an error for the icon bar
        return AccountCheck::Ended;
    }
    const MailPasswords::Lookup password = passwords_.PasswordFor(account);
    if (password.state == MailPasswords::State::Pending) {
        return AccountCheck::WaitingForPassword;
    }
    if (password.state == MailPasswords::State::Unavailable) {
        // Without the password no login is tried at all.
        SetMailError(PasswordUnavailableError);
        return AccountCheck::Ended;
    }
    if (KnownProtocol(account.Protocol) == ImapProtocol) {
        return StartImapCheck(slot, password.password);
    }
    flags_.setFlag(MailRunFlag::CheckBusy);
    pop3_.Host = account.POP3;
    pop3_.UserID = account.UserID;
    pop3_.Password = password.password;
    pop3_.Port = quint16(ValidPort(account.Port) ? account.Port : 0);
    pop3_.TimeOut = CheckTimeOut;
    pop3_.Security = SecurityOf(account);
    pop3_.TrustedCertificate = account.TrustedCertificate;
    pop3_.TrustedServer = account.TrustedServer;
    if (flags_.testFlag(MailRunFlag::SessionOpen)) {
        SetMailError(AlreadyConnectedWarning);
        EndAccountCheck();
        return AccountCheck::Ended;
    }
    if (!ValidPort(account.Port)) {
        // A port outside 1..65535 would otherwise be cut to some other port.
        SetMailError(ServerUnreachableError);
        EndAccountCheck();
        return AccountCheck::Ended;
    }
    if (host_.CurrentQuitState() == QuitState::ExitChosen) {
        EndAccountCheck();
        host_.SetQuitState(QuitState::MailStopped);
        return AccountCheck::Ended;
    }
    flags_.setFlag(MailRunFlag::SessionOpen);
    account.ErrorCode = MailNoError;
    try {
        pop3_.Connect();
    } catch (const ETlsError& error) {
        SetMailError(error.Failure() == TlsFailure::CertificateUntrusted ? UntrustedCertificateError
                                                                         : EncryptionFailedError);
        EndAccountCheck();
        return AccountCheck::Ended;
    } catch (...) {
        SetMailError(ServerUnreachableError);
        EndAccountCheck();
        return AccountCheck::Ended;
    }
    if (host_.CurrentQuitState() != QuitState::Running) {
        // The program is ending: no logout, the socket closes with the program.
        EndAccountCheck();
        host_.SetQuitState(QuitState::MailStopped);
        return AccountCheck::Ended;
    }
    try {
        account.MessageCount = pop3_.MailCount();
        account.ResultText.clear();
        if (pop3_.Connected()) {
            pop3_.Disconnect();
        }
    } catch (...) {
        SetMailError(ServerUnreachableError);
    }
    EndAccountCheck();
    return AccountCheck::Ended;
}

MailCheckRun::AccountCheck MailCheckRun::StartImapCheck(int slot, const QString& password) {
    MailAccount& account = accounts_.entries[slot];
    if (!ValidPort(account.Port)) {
        SetMailError(ServerUnreachableError);
        return AccountCheck::Ended;
    }
    ImapAccountState& state = imapAccounts_[slot];
    if (const QString mailbox = ImapMailboxIdentity(account); mailbox != state.mailbox) {
        state = {.mailbox = mailbox};
    }
    account.ErrorCode = MailNoError;
    const std::chrono::milliseconds timeOut(CheckTimeOut);
    imapCheck_ = std::make_unique<ImapCheck>(ImapOpenerFor(account, timeOut),
                                             ImapAccessOf(account, password), timeOut);
    imapCheck_->Start();
    return AccountCheck::InProgress;
}

MailCheckRun::AccountCheck MailCheckRun::FollowImapCheck(int slot) {
    if (!imapCheck_->Finished()) {
        return AccountCheck::InProgress;
    }
    const ImapResult result = imapCheck_->Result();
    imapCheck_.reset();
    MailAccount& account = accounts_.entries[slot];
    if (result.outcome != ImapOutcome::Ok) {
        SetMailError(ImapMailError(result.outcome));
        return AccountCheck::Ended;
    }
    ImapAccountState& state = imapAccounts_[slot];
    const ImapNewMail judged = JudgeImapMailbox(state.mark, result.mailbox);
    state.mark = judged.mark;
    state.newMail = state.newMail || judged.newMail;
    account.MessageCount = judged.count;
    account.ResultText.clear();
    return AccountCheck::Ended;
}

void MailCheckRun::CompareMailCounts() {
    if (flags_.testFlag(MailRunFlag::CheckRunning)) {
        return;
    }
    bool newMail = false;
    for (int slot = 0; slot < AccountTable::Capacity; ++slot) {
        MailAccount& account = accounts_.entries[slot];
        if (!account.Has(CheckOn)) {
            continue;
        }
        // An IMAP account's unseen count falls and rises as mail is read or marked; what
        // counts is whether a message came that the previous check did not know.
        const bool arrived = KnownProtocol(account.Protocol) == ImapProtocol
                                 ? std::exchange(imapAccounts_[slot].newMail, false)
                                 : account.MessageCount > account.PreviousCount;
        if (arrived) {
            account.NewMail = 1;
            newMail = true;
        }
        account.PreviousCount = account.MessageCount;
    }
    if (newMail) {
        flags_.setFlag(MailRunFlag::NotifyPending);
    }
}

void MailCheckRun::SetMailError(int code) {
    if (mailCheckIndex_ < 0 || mailCheckIndex_ >= AccountTable::Capacity) {
        return;
    }
    MailAccount& account = accounts_.entries[mailCheckIndex_];
    account.ResultText = MailErrorText(code);
    account.ErrorCode = code;
}

void MailCheckRun::Menu_MailCheckClick() {
    if (flags_.testFlag(MailRunFlag::CheckRunning)) {
        StopRun();
        return;
    }
    host_.SetRunCommandsEnabled(CommandState::Disabled);
    mailTickCount_ = std::uint32_t(-1); // reads 0 after the next tick's increase
    flags_.setFlag(MailRunFlag::CheckForced);
}

void MailCheckRun::StopRun() {
    if (imapCheck_ != nullptr) {
        // The conversation is cut short; its result is not valid.
        imapCheck_.reset();
        SetMailError(ServerUnreachableError);
        EndRun();
        return;
    }
    if (flags_.testFlag(MailRunFlag::CheckBusy)) {
        // The step waiting for this conversation ends the run once it returns.
        flags_.setFlag(MailRunFlag::StopRequested);
        pop3_.Abort();
        return;
    }
    EndRun();
}

bool MailCheckRun::CheckDialUpConnected() {
    try {
        return dialUp_.CheckDialUpConnected();
    } catch (...) {
        return false;
    }
}

void MailCheckRun::POP3Connect() {
    flags_.setFlag(MailRunFlag::SessionOpen);
}

void MailCheckRun::POP3Disconnect() {}

void MailCheckRun::POP3ConnectionFailed() {
    SetMailError(ConnectionFailedError);
}

void MailCheckRun::POP3ConnectionRequired(bool& handled) {
    handled = true;
    SetMailError(ConnectionRequiredWarning);
}

void MailCheckRun::POP3InvalidHost(bool& handled) {
    handled = true; // the host is looked up once more
    SetMailError(InvalidHostError);
}

void MailCheckRun::POP3AuthenticationFailed(bool& handled) {
    SetMailError(LoginFailedError);
    // Log out at once; the refusal reaches the check as an exception after this.
    try {
        pop3_.Disconnect();
    } catch (...) {
    }
    handled = false;
}
