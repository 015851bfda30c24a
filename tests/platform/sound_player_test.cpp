// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound_effect_module.h"
#include "platform/sound_player.h"
#include "temp_dir.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A valid 8-bit mono wave file of `samples` silent samples.
QByteArray SilentWave(int samples) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1)
        << quint16(8);
    out.writeRawData("data", 4);
    out << quint32(samples);
    bytes.append(QByteArray(samples, char(0x80)));
    return bytes;
}

TEST(SchedulePlatformSound, OnlyFilesWithContentArePlayable) {
    const TestFolder folder;
    EXPECT_FALSE(IsPlayableSoundFile(QString()));
    EXPECT_FALSE(IsPlayableSoundFile(folder.FilePath("missing.wav")));
    EXPECT_FALSE(IsPlayableSoundFile(folder.Write("empty.wav", {})));
    EXPECT_FALSE(IsPlayableSoundFile(folder.Path()));
    EXPECT_TRUE(IsPlayableSoundFile(folder.Write("tone.wav", SilentWave(800))));
}

#ifndef _WIN32
TEST(SchedulePlatformSound, TheMultimediaModuleLoadsAndMakesAnEffect) {
    QString error;
    const std::unique_ptr<SoundEffect> effect = LoadSoundEffect(error);
    EXPECT_NE(effect, nullptr) << SoundModulePath().toStdString() << ": " << error.toStdString();
}
#endif

TEST(SchedulePlatformSound, PlayingReturnsAtOnceAndAcceptsReplacement) {
    // The test machine has no audio device: playing must stay silent and must not block.
    const TestFolder folder;
    const QString first = folder.Write("first.wav", SilentWave(80000));
    const QString second = folder.Write("second.wav", SilentWave(800));
    std::unique_ptr<SoundPlayer> player = CreateSystemSoundPlayer();
    player->PlayAsync(first);
    player->PlayAsync(folder.FilePath("missing.wav"));
    player->PlayAsync(second);
    QCoreApplication::processEvents();
    // Qt loads a sample on a thread of its own; an effect let go of mid-load leaves the loader's
    // objects behind for the leak checker to find, so the loads settle first.
    QTest::qWait(500);
    player.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SUCCEED();
}

} // namespace
