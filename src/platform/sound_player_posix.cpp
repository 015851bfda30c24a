// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

// QSoundEffect decodes and plays on the multimedia backend's own threads, so the GUI thread
// only starts and stops it. One effect is reused, so a new sound cuts off the previous one.
class SoundEffectPlayer : public SoundPlayer {
public:
    void PlayAsync(const QString& file) override {
        if (!IsPlayableSoundFile(file)) {
            return;
        }
        if (!effect_) {
            effect_ = std::make_unique<QSoundEffect>();
        }
        effect_->stop();
        effect_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
        effect_->play();
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace

std::unique_ptr<SoundPlayer> CreateSystemSoundPlayer() {
    return std::make_unique<SoundEffectPlayer>();
}
