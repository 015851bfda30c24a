// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <memory>

// Outside Windows, wave files play through Qt Multimedia, which brings PulseAudio and a dozen
// codec libraries with it. It lives in a module of its own (sound_module/), loaded when the
// first sound plays, so that a clock that never plays one never loads them.
class SoundEffect {
public:
    virtual ~SoundEffect() = default;
    // Starts the wave file at `absolutePath` and returns at once; one still playing stops.
    virtual void Play(const QString& absolutePath) = 0;
};

// The module's one export: a new effect, which the caller owns.
using CreateSoundEffectFunction = SoundEffect* (*)();
inline constexpr char CreateSoundEffectSymbol[] = "zorbel_create_sound_effect";

// The module's file: where the installed layout puts it beside the running program, else the
// one of the build tree the program was built in (never another version's, installed beside
// a build), else the installed one.
QString SoundModulePath();

// Loads the module and makes an effect; nothing, with `error` saying why, when it cannot.
std::unique_ptr<SoundEffect> LoadSoundEffect(QString& error);
