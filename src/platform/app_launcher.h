// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <memory>

// Starts the programs and documents that schedules and the mail notification name.
class AppLauncher {
public:
    // The window state a started program is asked for, as the schedules store it.
    enum ShowType : int { ShowNormal = 0, ShowMinimised = 1, ShowMaximised = 2 };

    virtual ~AppLauncher() = default;
    // Starts `file`: a program directly, with `options` split into arguments as a shell
    // would split them but never run through a shell; any other file with the desktop's
    // default application. `folder`, when not empty and existing, is the working folder of
    // what is started (never of the clock); a relative `file` is looked up there.
    // False for a missing file, a folder, a show type other than 0, 1 and 2, or a refused start.
    virtual bool Launch(const QString& file, const QString& options, const QString& folder,
                        int showType) = 0;
    // Launch without options or working folder, in a normal window.
    virtual bool Open(const QString& file) = 0;

protected:
    // Where a relative `file` is: in `folder`, where the started program runs, when one is
    // given; otherwise in the clock's own working folder.
    static QString ResolveFile(const QString& file, const QString& folder);
};

// The platform's launcher.
std::unique_ptr<AppLauncher> CreateSystemAppLauncher();
