#include "platform/app_launcher.h"

#include <QDir>

QString AppLauncher::ResolveFile(const QString& file, const QString& folder) {
    if (file.isEmpty() || folder.isEmpty() || QDir::isAbsolutePath(file)) {
        return file;
    }
    return QDir::cleanPath(QDir(folder).absoluteFilePath(file));
}
