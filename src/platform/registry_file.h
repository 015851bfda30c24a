#pragma once

#include "platform/registry_backend.h"
#include "platform/registry_tree.h"

#include <QString>

// The settings registry kept in one registry export file, for systems without a registry.
// The whole tree is read when the object is made and written back by Flush. Keys and
// values the program does not know are kept as they were.
//
// A file that is not a registry export at all is copied aside as FILE.bad and the program
// starts from an empty tree; a file that exists but cannot be read is never overwritten.
// Both are reported on stderr.
class RegistryFile : public RegistryBackend {
public:
    // Where the program's keys live in the file.
    static const QString RootPath;

    explicit RegistryFile(QString filePath);

    // $XDG_CONFIG_HOME/zorbel/zrbl.reg, or ~/.config/zorbel/zrbl.reg when XDG_CONFIG_HOME is
    // unset or not an absolute path.
    static QString DefaultPath();
    static QString DefaultPathFor(const QString& xdgConfigHome, const QString& home);

    std::unique_ptr<RegistryKey> OpenKey(const QString& path, OpenMode mode) override;
    bool DeleteKey(const QString& path) override;
    bool Flush() override;

    const QString& FilePath() const { return filePath_; }

private:
    void Load();
    void SetAside(const QString& reason);
    QString FullPath(const QString& path) const;
    bool MakeFolder() const;

    QString filePath_;
    RegistryTree tree_;
    bool changed_ = false;
    bool saveRefused_ = false; // the file could not be read, so writing would destroy it
};
