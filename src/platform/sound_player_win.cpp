// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound_player.h"

#include <QDir>
#include <QFileInfo>

// windows.h must come first: the headers after it build on its declarations.
#include <windows.h>
// clang-format off
#include <mmsystem.h>
// clang-format on

namespace {

// sndPlaySound with SND_ASYNC returns at once and stops a sound still playing;
// SND_NODEFAULT keeps the system's default sound out when the file cannot be played.
class WaveSoundPlayer : public SoundPlayer {
public:
    void PlayAsync(const QString& file) override {
        if (!IsPlayableSoundFile(file)) {
            return;
        }
        const std::wstring path =
            QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()).toStdWString();
        sndPlaySoundW(path.c_str(), SND_ASYNC | SND_NODEFAULT);
    }
};

} // namespace

std::unique_ptr<SoundPlayer> CreateSystemSoundPlayer() {
    return std::make_unique<WaveSoundPlayer>();
}
