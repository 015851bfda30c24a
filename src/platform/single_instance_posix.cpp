// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString SystemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

struct SingleInstance::Handle {
    int descriptor = -1;
};

SingleInstance::SingleInstance() : handle_(std::make_unique<Handle>()) {}

SingleInstance::~SingleInstance() {
    if (handle_->descriptor >= 0) {
        close(handle_->descriptor);
    }
}

SingleInstance::Result SingleInstance::Acquire() {
    // $XDG_RUNTIME_DIR, or without one a folder in the temp folder made for this user alone.
    // Qt checks that the folder belongs to this user and that nobody else may enter it; a
    // shared folder would let another user create the lock first and keep the clock away.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        problem_ =
            QStringLiteral("このユーザー専用の実行時フォルダ（XDG_RUNTIME_DIR）を使えません。"
                           "他のユーザーのものか、他のユーザーも入れるフォルダです。");
        return Result::Failed;
    }
    const QString path = QDir(folder).filePath(QStringLiteral("zorbel-%1.lock").arg(getuid()));
    const QByteArray encoded = QFile::encodeName(path);
    const int descriptor =
        open(encoded.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0) {
        problem_ = QStringLiteral("%1\n%2").arg(path, SystemText(errno));
        return Result::Failed;
    }
    // flock is released by the kernel when the process ends, however it ends.
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(descriptor);
        if (error == EWOULDBLOCK) {
            return Result::AlreadyRunning;
        }
        problem_ = QStringLiteral("%1\n%2").arg(path, SystemText(error));
        return Result::Failed;
    }
    handle_->descriptor = descriptor;
    return Result::First;
}
