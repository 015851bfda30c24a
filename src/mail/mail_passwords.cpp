// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/mail_passwords.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace {

// An entry name no account can have: account entries always hold an "@".
const QString kProbeEntry = QStringLiteral("keyring-check");

} // namespace

MailPasswords::MailPasswords(PasswordKeyring& keyring, AccountTable& accounts,
                             std::chrono::milliseconds waitLimit)
    : keyring_(keyring), accounts_(accounts), waitLimit_(waitLimit) {}

QString MailPasswords::EntryName(const MailAccount& account) {
    return account.UserID + QLatin1Char('@') + account.POP3.trimmed().toLower();
}

QStringList MailPasswords::EntriesInUse(const AccountTable& accounts) {
    QStringList names;
    for (const MailAccount& account : accounts.entries) {
        if (account.Has(InUse) && !names.contains(EntryName(account))) {
            names << EntryName(account);
        }
    }
    return names;
}

void MailPasswords::Probe() {
    // Any call on its way settles the answer as well.
    if (keyringState_ == KeyringState::Unknown && !Busy()) {
        Enqueue({Call::Kind::Probe, kProbeEntry, {}});
    }
}

MailPasswords::Keeping MailPasswords::Where() const {
    switch (keyringState_) {
    case KeyringState::Usable:
        return Keeping::Keyring;
    case KeyringState::Unusable:
        return Keeping::SettingsFile;
    case KeyringState::Unknown:
        break;
    }
    return Keeping::Unknown;
}

MailPasswords::Lookup MailPasswords::PasswordFor(const MailAccount& account) {
    if (!account.PassWord.isEmpty()) {
        return {State::Known, account.PassWord};
    }
    const QString name = EntryName(account);
    const auto found = entries_.find(name);
    if (found == entries_.end()) {
        if (keyringState_ == KeyringState::Unusable) {
            return {State::Unavailable, {}};
        }
        entries_[name].reading.start();
        Enqueue({Call::Kind::Read, name, {}});
        // The answer may have come at once; the entry says what it is now.
        return PasswordFor(account);
    }
    const Entry& entry = found->second;
    switch (entry.status) {
    case Entry::Status::Known:
        return {State::Known, entry.password};
    case Entry::Status::Failed:
        return {State::Unavailable, {}};
    case Entry::Status::Reading:
        break;
    }
    // A read still running after the limit counts as failed; its late answer serves later.
    const bool waitedEnough = std::chrono::milliseconds(entry.reading.elapsed()) >= waitLimit_;
    return {waitedEnough ? State::Unavailable : State::Pending, {}};
}

void MailPasswords::BeforeSave() {
    for (MailAccount& account : accounts_.entries) {
        if (!account.Has(InUse) || account.PassWord.isEmpty()) {
            continue;
        }
        const auto found = entries_.find(EntryName(account));
        if (found != entries_.end() && found->second.status == Entry::Status::Known &&
            found->second.password == account.PassWord) {
            account.PassWord.clear();
        }
    }
}

void MailPasswords::AfterSave(std::function<void()> saveAgain) {
    saveAgain_ = std::move(saveAgain);
    if (keyringState_ == KeyringState::Unusable) {
        return;
    }
    // Two accounts of one entry that disagree on the password keep theirs in the file: the
    // keyring could hold only one of them.
    std::map<QString, QString> moving;
    QStringList disagreeing;
    for (const MailAccount& account : accounts_.entries) {
        if (!account.Has(InUse) || account.PassWord.isEmpty()) {
            continue;
        }
        const auto [found, added] = moving.emplace(EntryName(account), account.PassWord);
        if (!added && found->second != account.PassWord) {
            disagreeing << found->first;
        }
    }
    for (const auto& [entry, password] : moving) {
        const Call write{Call::Kind::Write, entry, password};
        if (!disagreeing.contains(entry) && !Queued(write)) {
            Enqueue(write);
        }
    }
}

void MailPasswords::ForgetUnused(const QStringList& before) {
    const QStringList inUse = EntriesInUse(accounts_);
    for (const QString& name : before) {
        if (!inUse.contains(name)) {
            Enqueue({Call::Kind::Remove, name, {}});
        }
    }
}

bool MailPasswords::Queued(const Call& wanted) const {
    const auto same = [&wanted](const Call& call) {
        return call.kind == wanted.kind && call.entry == wanted.entry &&
               call.password == wanted.password;
    };
    return (calling_ && same(current_)) || std::any_of(queue_.begin(), queue_.end(), same);
}

void MailPasswords::Enqueue(Call call) {
    queue_.push_back(std::move(call));
    Next();
}

void MailPasswords::Next() {
    while (!calling_ && !queue_.empty()) {
        current_ = queue_.front();
        queue_.pop_front();
        if (keyringState_ == KeyringState::Unusable) {
            // Not called again in this run: the call fails as the keyring would.
            Settle(current_, PasswordKeyring::Outcome::Failed, {});
            continue;
        }
        calling_ = true;
        const QPointer<MailPasswords> self(this);
        const auto answered = [this, self](PasswordKeyring::Outcome outcome,
                                           const QString& password) {
            if (self.isNull()) {
                return; // the keyring outlived the run it answered
            }
            calling_ = false;
            Settle(current_, outcome, password);
            Next();
            if (!Busy() && saveWanted_ && saveAgain_) {
                saveWanted_ = false;
                saveAgain_();
            }
            emit Answered();
        };
        switch (current_.kind) {
        case Call::Kind::Probe:
        case Call::Kind::Read:
            keyring_.Read(current_.entry, answered);
            break;
        case Call::Kind::Write:
            keyring_.Write(current_.entry, current_.password,
                           [answered](PasswordKeyring::Outcome outcome) { answered(outcome, {}); });
            break;
        case Call::Kind::Remove:
            keyring_.Remove(current_.entry, [answered](PasswordKeyring::Outcome outcome) {
                answered(outcome, {});
            });
            break;
        }
    }
}

void MailPasswords::Settle(const Call& call, PasswordKeyring::Outcome outcome,
                           const QString& password) {
    using Outcome = PasswordKeyring::Outcome;
    const bool done = outcome == Outcome::Done;
    // A locked keyring whose unlocking was refused answers a read with "not found". Only a
    // probe or a removal may find nothing without the keyring having refused; a read may too
    // once this run has read or written an entry, which only an unlocked keyring does.
    const bool missingEntry = call.kind == Call::Kind::Read && keyringUnlocked_;
    const bool harmless =
        outcome == Outcome::NotFound &&
        (call.kind == Call::Kind::Probe || call.kind == Call::Kind::Remove || missingEntry);
    if (done && (call.kind == Call::Kind::Read || call.kind == Call::Kind::Write)) {
        keyringUnlocked_ = true;
    }
    if (done || harmless) {
        if (keyringState_ == KeyringState::Unknown) {
            keyringState_ = KeyringState::Usable;
        }
    } else {
        keyringState_ = KeyringState::Unusable;
    }
    switch (call.kind) {
    case Call::Kind::Probe:
        break;
    case Call::Kind::Read: {
        Entry& entry = entries_[call.entry];
        entry.status = done ? Entry::Status::Known : Entry::Status::Failed;
        entry.password = password;
        break;
    }
    case Call::Kind::Write:
        if (done) {
            Entry& entry = entries_[call.entry];
            entry.status = Entry::Status::Known;
            entry.password = call.password;
            LetGo(call.entry, call.password);
        }
        break;
    case Call::Kind::Remove:
        if (done || harmless) {
            entries_.erase(call.entry);
        }
        break;
    }
}

void MailPasswords::LetGo(const QString& entry, const QString& password) {
    for (MailAccount& account : accounts_.entries) {
        if (account.Has(InUse) && account.PassWord == password && EntryName(account) == entry) {
            account.PassWord.clear();
            saveWanted_ = true;
        }
    }
}

void MailPasswords::Finish(std::chrono::milliseconds limit) {
    if (!Busy()) {
        return;
    }
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(this, &MailPasswords::Answered, &loop, [this, &loop] {
        if (!Busy()) {
            loop.quit();
        }
    });
    deadline.start(limit);
    loop.exec();
}
