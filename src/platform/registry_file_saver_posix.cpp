// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/registry_file_saver.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Deep enough for any sensible chain of links; a loop ends here instead of running forever.
constexpr int MostLinksFollowed = 40;

bool WriteAll(int descriptor, const QByteArray& contents) {
    const char* next = contents.constData();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, size_t(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// Makes the rename itself durable; a failure here does not undo a completed save.
void SyncFolder(const QByteArray& folder) {
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

// The file the links at `path` end in, which need not exist yet.
QString FollowLinks(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int step = 0; step < MostLinksFollowed; ++step) {
        const QFileInfo info(current);
        if (!info.isSymLink()) {
            return current;
        }
        current = info.symLinkTarget();
    }
    return current;
}

} // namespace

SaveResult RegistryFileSaver::Save(const QString& path, const QByteArray& contents,
                                   const BeforeReplace& beforeReplace) {
    const bool throughLink = QFileInfo(path).isSymLink();
    const QString targetPath = FollowLinks(path);
    const QByteArray target = QFile::encodeName(targetPath);
    // A file reached through a link is someone's own arrangement: it keeps its permissions.
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat existing {};
    if (throughLink && ::stat(target.constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    }

    QByteArray temporary = target + ".XXXXXX";
    // mkstemp creates the file with mode 0600, so the secrets are never readable by others.
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return SaveResult::FromSystemError(errno, path);
    }
    int error = 0;
    const auto step = [&error](bool succeeded) {
        if (!succeeded && error == 0) {
            error = errno;
        }
        return succeeded;
    };
    const bool written = step(::fchmod(descriptor, mode) == 0) &&
                         step(WriteAll(descriptor, contents)) && step(::fsync(descriptor) == 0);
    const bool closed = step(::close(descriptor) == 0);
    const bool go =
        written && closed && (!beforeReplace || beforeReplace(QFile::decodeName(temporary)));
    if (go) {
        step(::rename(temporary.constData(), target.constData()) == 0);
    }
    if (!go || error != 0) {
        ::unlink(temporary.constData());
        return SaveResult::FromSystemError(error != 0 ? error : EIO, path);
    }
    SyncFolder(QFile::encodeName(QFileInfo(targetPath).absolutePath()));
    return SaveResult::Saved();
}
