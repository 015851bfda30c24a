// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/data_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DataFolder() {
    const QString fromEnvironment = qEnvironmentVariable("ZORBEL_DATA_DIR");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    const QString beside = QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral("../share/zorbel"));
    if (QFileInfo::exists(beside)) {
        return QDir::cleanPath(beside);
    }
#ifdef ZORBEL_INSTALLED_DATA_DIR
    if (QFileInfo::exists(QStringLiteral(ZORBEL_INSTALLED_DATA_DIR))) {
        return QStringLiteral(ZORBEL_INSTALLED_DATA_DIR);
    }
#endif
#ifdef ZORBEL_BUILD_DATA_DIR
    return QStringLiteral(ZORBEL_BUILD_DATA_DIR);
#else
    return QString();
#endif
}
