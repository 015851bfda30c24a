#include "platform/registry_file_saver.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int descriptor, const QByteArray& contents) {
    const char* next = contents.constData();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, size_t(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
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

} // namespace

bool RegistryFileSaver::Save(const QString& path, const QByteArray& contents,
                             const BeforeReplace& beforeReplace) {
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary = target + ".XXXXXX";
    // mkstemp creates the file with mode 0600, so the secrets are never readable by others.
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return false;
    }
    const bool written = ::fchmod(descriptor, S_IRUSR | S_IWUSR) == 0 &&
                         WriteAll(descriptor, contents) && ::fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
    const bool go =
        written && closed && (!beforeReplace || beforeReplace(QFile::decodeName(temporary)));
    if (!go || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    SyncFolder(QFile::encodeName(QFileInfo(path).absolutePath()));
    return true;
}
