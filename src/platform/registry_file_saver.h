// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/save_result.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Replaces a settings file in one step: the new contents go to a temporary file in the same
// folder, are flushed to the disk and then renamed over the old file. A crash at any point
// leaves either the old file or the new one, never a part of one, and a failed save leaves
// the old file as it was and no temporary file behind.
//
// A new file, and a file replaced in place, is readable and writable by the owner only
// (passwords are stored in plain text). A file reached through symbolic links is replaced
// where the links end, in that file's folder, with that file's permissions, so the links
// stay links.
class RegistryFileSaver {
public:
    // Runs after the temporary file is complete and synced, before the rename, with the
    // temporary file's path (empty where the platform does not name it); returning false
    // abandons the save there, as a crash at that moment would.
    using BeforeReplace = std::function<bool(const QString& temporaryPath)>;

    static SaveResult Save(const QString& path, const QByteArray& contents,
                           const BeforeReplace& beforeReplace = {});
};
