// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <memory>

// Starting the clock when the user logs in. The state is kept where the desktop looks for
// it (an XDG autostart entry, or the per-user Run key on Windows) and not in the settings,
// so that what the dialog shows is what the next login does.
class LoginStart {
public:
    virtual ~LoginStart() = default;
    virtual bool IsEnabled() const = 0;
    // Writes or removes the entry; false when that failed and the entry is as it was.
    virtual bool SetEnabled(bool enabled) = 0;
    // Where the entry lives, for messages.
    virtual QString Location() const = 0;
};

// The login start of `program` with `arguments` for the current user. On Linux the entry is
// $XDG_CONFIG_HOME/autostart/zorbel.desktop, read when this is called.
std::unique_ptr<LoginStart> CreateSystemLoginStart(const QString& program,
                                                   const QStringList& arguments = {});
