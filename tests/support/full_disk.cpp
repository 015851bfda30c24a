// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "full_disk.h"

#include <QDir>
#include <QFile>
#include <sys/mount.h>

namespace {

const QString FillerName = QStringLiteral(".filler");

} // namespace

FullDisk::FullDisk() {
    const QByteArray path = QFile::encodeName(mountPoint_.Path());
    mounted_ = ::mount("tmpfs", path.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                       "size=64k,mode=0700") == 0;
}

FullDisk::~FullDisk() {
    if (mounted_) {
        ::umount2(QFile::encodeName(mountPoint_.Path()).constData(), MNT_DETACH);
    }
}

QStringList FullDisk::Files() const {
    QStringList names = QDir(Path()).entryList(
        QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    names.removeAll(FillerName);
    return names;
}

void FullDisk::Fill() {
    QFile filler(FilePath(FillerName));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return;
    }
    const QByteArray page(4096, 'f');
    while (filler.write(page) == page.size()) {
    }
    // The last partial page, byte by byte.
    while (filler.write("f", 1) == 1) {
    }
}
