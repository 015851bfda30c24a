// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/registry_file_saver.h"

#include <QSaveFile>

// QSaveFile writes to a temporary file in the same folder, syncs it on commit and then
// replaces the old file; it does not name the temporary file.
SaveResult RegistryFileSaver::Save(const QString& path, const QByteArray& contents,
                                   const BeforeReplace& beforeReplace) {
    QSaveFile file(path);
    const auto failed = [&file, &path] {
        const SaveResult::Problem problem = file.error() == QFileDevice::PermissionsError
                                                ? SaveResult::Problem::NotPermitted
                                                : SaveResult::Problem::Other;
        const QString reason = file.errorString();
        file.cancelWriting();
        return SaveResult::Failed(problem, path, reason);
    };
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.flush()) {
        return failed();
    }
    if (beforeReplace && !beforeReplace(QString())) {
        file.cancelWriting();
        return SaveResult::Failed(SaveResult::Problem::Other, path);
    }
    if (!file.commit()) {
        return SaveResult::Failed(SaveResult::Problem::Other, path, file.errorString());
    }
    return SaveResult::Saved();
}
