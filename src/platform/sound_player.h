// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <memory>

// Plays wave files for the alarms and the mail notification without holding up the clock.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts a wave file and returns at once; a sound still playing stops for it. A missing or
    // empty file plays nothing at all (there is no default sound), and without an audio device
    // nothing is heard.
    virtual void PlayAsync(const QString& file) = 0;
};

// The platform's player. Create it after the application object exists.
std::unique_ptr<SoundPlayer> CreateSystemSoundPlayer();

// Whether a file is worth handing to the player: an existing regular file with content.
bool IsPlayableSoundFile(const QString& file);
