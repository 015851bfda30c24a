// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound_effect_module.h"
#include "platform/sound_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QtDebug>

namespace {

// Loads the player on the first sound; a module that cannot be loaded is not tried again.
class LazySoundPlayer : public SoundPlayer {
public:
    void PlayAsync(const QString& file) override {
        if (!IsPlayableSoundFile(file)) {
            return;
        }
        if (!effect_ && !loadFailed_) {
            QString error;
            effect_ = LoadSoundEffect(error);
            loadFailed_ = !effect_;
            if (loadFailed_) {
                qWarning().noquote() << "No sound can be played:" << error;
            }
        }
        if (effect_) {
            effect_->Play(QFileInfo(file).absoluteFilePath());
        }
    }

private:
    std::unique_ptr<SoundEffect> effect_;
    bool loadFailed_ = false;
};

} // namespace

QString SoundModulePath() {
    const QString beside = QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral(ZORBEL_SOUND_MODULE_FROM_PROGRAM));
    for (const QString& candidate : {beside, QStringLiteral(ZORBEL_BUILD_SOUND_MODULE)}) {
        if (QFileInfo::exists(candidate)) {
            return QDir::cleanPath(candidate);
        }
    }
    return QStringLiteral(ZORBEL_INSTALLED_SOUND_MODULE);
}

std::unique_ptr<SoundEffect> LoadSoundEffect(QString& error) {
    // Never unloaded: the effects it made keep their code there to the end.
    QLibrary module(SoundModulePath());
    const auto create =
        reinterpret_cast<CreateSoundEffectFunction>(module.resolve(CreateSoundEffectSymbol));
    if (create == nullptr) {
        error = module.errorString();
        return nullptr;
    }
    return std::unique_ptr<SoundEffect>(create());
}

std::unique_ptr<SoundPlayer> CreateSystemSoundPlayer() {
    return std::make_unique<LazySoundPlayer>();
}
