// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound_effect_module.h"

#include <QSoundEffect>
#include <QUrl>
#include <QtGlobal>

namespace {

// QSoundEffect decodes and plays on the multimedia backend's own threads, so the GUI thread
// only starts and stops it. One effect is reused, so a new sound cuts off the previous one.
class QtSoundEffect : public SoundEffect {
public:
    void Play(const QString& absolutePath) override {
        effect_.stop();
        effect_.setSource(QUrl::fromLocalFile(absolutePath));
        effect_.play();
    }

private:
    QSoundEffect effect_;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundEffect* zorbel_create_sound_effect() {
    return new QtSoundEffect;
}
