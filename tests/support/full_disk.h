// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "temp_dir.h"

#include <QByteArray>
#include <QString>

// A small tmpfs of its own for one test, which Fill() then fills to the last byte, so that
// every later write to it fails as on a full disk. Mounting needs root: where it is not
// permitted, Mounted() is false and the test skips.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool Mounted() const { return mounted_; }
    QString Path() const { return mountPoint_.Path(); }
    QString FilePath(const QString& name) const { return mountPoint_.FilePath(name); }
    // Before Fill(): writes a file on the disk and returns its path.
    QString Write(const QString& name, const QByteArray& bytes) const {
        return mountPoint_.Write(name, bytes);
    }
    // The names of the files on the disk, the filler's excepted.
    QStringList Files() const;

    // Takes every byte the disk has left.
    void Fill();

private:
    TestFolder mountPoint_;
    bool mounted_ = false;
};
