// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound_player.h"

#include <QFileInfo>

bool IsPlayableSoundFile(const QString& file) {
    const QFileInfo info(file);
    return !file.isEmpty() && info.isFile() && info.size() > 0;
}
