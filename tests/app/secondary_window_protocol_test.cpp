// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/secondary_window_protocol.h"
#include "fake_prompt.h"

#include <gtest/gtest.h>
#include <new>

namespace {

class FakeBand : public WindowBandHost {
public:
    int hideResets = 0;
    int leftTopmost = 0;
    int restored = 0;
    int restarts = 0;
    void ResetHideDelay() override { ++hideResets; }
    void LeaveTopmostBand() override { ++leftTopmost; }
    void RestoreDisplayBand() override { ++restored; }
    void RestartTick() override { ++restarts; }
};

struct ProtocolFixture : ::testing::Test {
    FakeBand band;
    FakePrompt prompt;
    SecondaryWindowProtocol protocol{band, prompt};
};

} // namespace

TEST_F(ProtocolFixture, WindowBitIsSetWhileTheWindowRunsAndClearedWhenItCloses) {
    std::uint32_t maskInside = 0;
    protocol.OpenSecondaryWindow(AboutWindow, [&] {
        maskInside = protocol.OpenWindowMask();
        EXPECT_EQ(band.hideResets, 1);
        EXPECT_EQ(band.leftTopmost, 1);
        protocol.CloseSecondaryWindow(AboutWindow);
        return true;
    });
    EXPECT_EQ(maskInside, std::uint32_t(AboutWindow));
    EXPECT_EQ(protocol.OpenWindowMask(), 0u);
    EXPECT_EQ(band.restored, 1);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ProtocolFixture, BandIsRestoredOnlyWhenTheLastWindowCloses) {
    protocol.OpenSecondaryWindow(ScheduleSettingsWindow, [&] {
        protocol.OpenSecondaryWindow(AlarmWindow, [&] {
            EXPECT_EQ(protocol.OpenWindowMask(),
                      std::uint32_t(ScheduleSettingsWindow | AlarmWindow));
            protocol.CloseSecondaryWindow(AlarmWindow);
            return true;
        });
        EXPECT_EQ(band.restored, 0);
        EXPECT_TRUE(protocol.IsOpen(ScheduleSettingsWindow));
        protocol.CloseSecondaryWindow(ScheduleSettingsWindow);
        return true;
    });
    EXPECT_EQ(band.restored, 1);
    EXPECT_FALSE(protocol.AnyOpen());
}

TEST_F(ProtocolFixture, FailedCreationWarnsAndRestoresTheClock) {
    protocol.OpenSecondaryWindow(MailNotificationWindow, [] { return false; });
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(prompt.messages[0].text,
              QStringLiteral("何らかの要因によりウィンドウを作成できません"));
    EXPECT_EQ(protocol.OpenWindowMask(), 0u);
    EXPECT_EQ(band.restored, 1);
    EXPECT_EQ(band.restarts, 1);
}

TEST_F(ProtocolFixture, FailedCreationBesideAnOpenWindowKeepsThatWindowsBit) {
    protocol.OpenSecondaryWindow(AlarmWindow, [&] {
        protocol.OpenSecondaryWindow(MailNotificationWindow, [] {
            throw std::bad_alloc();
            return true;
        });
        EXPECT_EQ(protocol.OpenWindowMask(), std::uint32_t(AlarmWindow));
        EXPECT_EQ(band.restored, 0);
        protocol.CloseSecondaryWindow(AlarmWindow);
        return true;
    });
    EXPECT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(protocol.OpenWindowMask(), 0u);
}
