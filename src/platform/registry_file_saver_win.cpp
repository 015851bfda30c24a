#include "platform/registry_file_saver.h"

#include <QSaveFile>

// QSaveFile writes to a temporary file in the same folder, syncs it on commit and then
// replaces the old file; it does not name the temporary file.
bool RegistryFileSaver::Save(const QString& path, const QByteArray& contents,
                             const BeforeReplace& beforeReplace) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.flush()) {
        file.cancelWriting();
        return false;
    }
    if (beforeReplace && !beforeReplace(QString())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
