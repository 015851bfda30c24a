// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Whether a save of the settings reached the disk and, when it did not, why: in words for the
// user's message box and in words for the terminal.
class SaveResult {
public:
    enum class Problem {
        None,
        DiskFull,
        NotPermitted,
        ReadOnlyDisk,
        // The file could not be read at start; writing it would destroy what it holds.
        UnreadableAtStart,
        Other,
    };

    static SaveResult Saved() { return SaveResult(); }
    // `detail` is the system's own text for the failure, shown where no better words exist.
    static SaveResult Failed(Problem problem, QString path, QString detail = QString());
    // From the errno of the system call that failed.
    static SaveResult FromSystemError(int error, QString path);

    bool Ok() const { return problem_ == Problem::None; }
    Problem Why() const { return problem_; }
    // The reason and the file, in Japanese, for a message box.
    QString UserText() const;
    // One English line for stderr.
    QString LogText() const;

private:
    Problem problem_ = Problem::None;
    QString path_;
    QString detail_;
};
