// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <memory>

// Guards against a second clock of the same user. The guard lasts as long as the object;
// it cannot go stale when the process dies, because the operating system releases it.
// On Linux it is a lock file in the user's own runtime folder, where no other user can
// create it first.
class SingleInstance {
public:
    enum class Result { First, AlreadyRunning, Failed };

    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Result Acquire();
    // After Failed: what could not be done, where, and why; may be empty.
    const QString& Problem() const { return problem_; }

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    QString problem_;
};
