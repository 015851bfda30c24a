#include "platform/single_instance.h"

#include <QDir>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The lock lives in the per-user runtime folder where there is one, else in the temp folder
// with the user id in its name.
QString LockPath() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("zorbel-%1.lock").arg(getuid()));
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
    const QByteArray path = QFile::encodeName(LockPath());
    const int descriptor = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        return Result::Failed;
    }
    // flock is released by the kernel when the process ends, however it ends.
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        close(descriptor);
        return Result::AlreadyRunning;
    }
    handle_->descriptor = descriptor;
    return Result::First;
}
