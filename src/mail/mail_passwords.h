// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/password_keyring.h"
#include "settings/mail_account.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <deque>
#include <functional>
#include <map>

// Where the mail passwords are kept, and how a check gets them. With a keyring on the desktop
// every password lives there, one entry per account named after its user ID and server, and
// the settings file's PassWord stays empty. A password found in the file (an older file, one
// brought from the Windows version, one typed while the keyring could not be reached) moves
// into the keyring after the next save. Without a keyring the passwords stay in the file.
//
// The keyring is called one call at a time and never waited for: a lookup whose answer has not
// come yet says so, and the caller looks again on a later tick. Once the keyring has failed or
// refused (a locked keyring whose unlock was refused answers "not found"), it is not called
// again until the program starts anew, so the user is asked to unlock it at most once per run.
class MailPasswords : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds DefaultWaitLimit{60000};

    enum class Keeping { Unknown, Keyring, SettingsFile };
    enum class State { Known, Pending, Unavailable };
    struct Lookup {
        State state = State::Unavailable;
        QString password;
    };

    // `accounts` are the records whose passwords move; they must outlive this object.
    MailPasswords(PasswordKeyring& keyring, AccountTable& accounts,
                  std::chrono::milliseconds waitLimit = DefaultWaitLimit);

    // The keyring entry of an account, as a person finds it in the keyring's own tool:
    // "user@server".
    static QString EntryName(const MailAccount& account);
    // The entries the configured accounts use.
    static QStringList EntriesInUse(const AccountTable& accounts);

    // Learns whether there is a keyring, by reading an entry that never exists: no unlock
    // prompt comes of it. Nothing is asked once the answer is known or while a call that
    // gives it is on its way.
    void Probe();
    // Where a password typed now is kept after the next save.
    Keeping Where() const;

    // The password to log in with: the settings file's if it has one, else the keyring's, read
    // on first need. Pending while the keyring has not answered, for at most the wait limit.
    Lookup PasswordFor(const MailAccount& account);

    // Called on each side of every save of the settings. Before: a password the keyring
    // already holds for its account leaves the record, so the file does not get it. After:
    // the passwords still in the records are written into the keyring; once it holds one, the
    // records let go of it and `saveAgain` writes the file without it.
    void BeforeSave();
    void AfterSave(std::function<void()> saveAgain);
    // Removes the entries of `before` that no configured account uses any more: the account was
    // deleted, or its user ID or server changed.
    void ForgetUnused(const QStringList& before);

    // Whether keyring calls are outstanding.
    bool Busy() const { return calling_ || !queue_.empty(); }
    // Runs the event loop until no call is outstanding or `limit` has passed, so that the
    // moves started by the last save can finish before the program ends.
    void Finish(std::chrono::milliseconds limit);

signals:
    // The keyring has answered; Where and PasswordFor may say something new.
    void Answered();

private:
    enum class KeyringState { Unknown, Usable, Unusable };
    struct Entry {
        enum class Status { Reading, Known, Failed } status = Status::Reading;
        QString password;
        QElapsedTimer reading;
    };
    struct Call {
        enum class Kind { Probe, Read, Write, Remove } kind;
        QString entry;
        QString password;
    };

    void Enqueue(Call call);
    void Next();
    void Settle(const Call& call, PasswordKeyring::Outcome outcome, const QString& password);
    // The records let go of a password the keyring now holds.
    void LetGo(const QString& entry, const QString& password);
    bool Queued(const Call& wanted) const;

    PasswordKeyring& keyring_;
    AccountTable& accounts_;
    std::chrono::milliseconds waitLimit_;
    KeyringState keyringState_ = KeyringState::Unknown;
    // Whether the keyring has handed out or taken an entry in this run.
    bool keyringUnlocked_ = false;
    std::map<QString, Entry> entries_;
    std::deque<Call> queue_;
    Call current_{};
    bool calling_ = false;
    bool saveWanted_ = false;
    std::function<void()> saveAgain_;
};
