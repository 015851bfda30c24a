// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/app_launcher.h"

#include <QDir>

QString AppLauncher::ResolveFile(const QString& file, const QString& folder) {
    if (file.isEmpty() || folder.isEmpty() || QDir::isAbsolutePath(file)) {
        return file;
    }
    return QDir::cleanPath(QDir(folder).absoluteFilePath(file));
}
