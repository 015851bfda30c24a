// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>
#include <memory>

// The desktop's keyring, where people expect a program to keep its passwords: the Secret
// Service (GNOME Keyring, KeePassXC), KWallet, or the Windows Credential Store. Every call
// returns at once; its answer comes later from the event loop, and never after the keyring
// object has gone.
class PasswordKeyring {
public:
    enum class Outcome {
        Done,
        // No such entry. A locked keyring whose unlock was refused answers a read the same way.
        NotFound,
        // No keyring, no session bus, access denied, or the keyring broke down.
        Failed,
    };
    using ReadAnswer = std::function<void(Outcome, const QString& password)>;
    using Answer = std::function<void(Outcome)>;

    virtual ~PasswordKeyring() = default;
    virtual void Read(const QString& entry, ReadAnswer answer) = 0;
    // Creates the entry or replaces its password.
    virtual void Write(const QString& entry, const QString& password, Answer answer) = 0;
    virtual void Remove(const QString& entry, Answer answer) = 0;
};

// The keyring of the user's desktop session; the program's entries are kept under the service
// name "Zorbel".
std::unique_ptr<PasswordKeyring> CreateDesktopKeyring();
