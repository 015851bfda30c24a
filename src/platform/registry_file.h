// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/registry_backend.h"
#include "platform/registry_tree.h"

#include <QString>

// The settings registry kept in one registry export file, for systems without a registry.
// The whole tree is read when the object is made and written back by Flush. Keys and
// values the program does not know are kept as they were.
//
// A file that is not a registry export at all, or is too large to be one the program wrote,
// is copied aside as FILE.bad and the program starts from an empty tree; a file that exists
// but cannot be read is never overwritten. Both are told by LoadProblem; the lines of a
// readable file that had to be skipped are reported on stderr.
class RegistryFile : public RegistryBackend {
public:
    // Where the program's keys live in the file.
    static const QString RootPath;
    // The program's own files are a few kilobytes; anything this large is not one of them.
    static constexpr qint64 MostFileBytes = 1024 * 1024;

    explicit RegistryFile(QString filePath);

    // $XDG_CONFIG_HOME/zorbel/zrbl.reg, or ~/.config/zorbel/zrbl.reg when XDG_CONFIG_HOME is
    // unset or not an absolute path.
    static QString DefaultPath();
    static QString DefaultPathFor(const QString& xdgConfigHome, const QString& home);

    std::unique_ptr<RegistryKey> OpenKey(const QString& path, OpenMode mode) override;
    bool DeleteKey(const QString& path) override;
    SaveResult Flush() override;
    QString LoadProblem() const override { return loadProblem_; }

    const QString& FilePath() const { return filePath_; }

private:
    void Load();
    void RefuseSaves(const QString& reason);
    void SetAside(const QString& reason);
    QString FullPath(const QString& path) const;
    // Zero when the file's folder exists or was made, else the errno of the failure.
    int MakeFolder() const;

    QString filePath_;
    RegistryTree tree_;
    bool changed_ = false;
    bool saveRefused_ = false; // the file could not be read, so writing would destroy it
    QString loadProblem_;
};
