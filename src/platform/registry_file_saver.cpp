#include "platform/registry_file_saver.h"

#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

bool SyncToDisk(QSaveFile& file) {
    if (!file.flush()) {
        return false;
    }
#ifdef Q_OS_UNIX
    // The rename must not reach the disk before the data it points to.
    return ::fsync(file.handle()) == 0;
#else
    return true; // QSaveFile::commit syncs the file itself where it can
#endif
}

} // namespace

bool RegistryFileSaver::Save(const QString& path, const QByteArray& contents,
                             const BeforeReplace& beforeReplace) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // Set before any byte is written so that the secrets are never readable by others.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(contents) != contents.size() || !SyncToDisk(file)) {
        file.cancelWriting();
        return false;
    }
    if (beforeReplace && !beforeReplace()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
