#include "platform/sound_player.h"

#include <QFileInfo>

bool IsPlayableSoundFile(const QString& file) {
    const QFileInfo info(file);
    return !file.isEmpty() && info.isFile() && info.size() > 0;
}
