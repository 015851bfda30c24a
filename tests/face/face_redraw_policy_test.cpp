// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/face_redraw_policy.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// One remembered frame and the inputs of the next tick, which a test then changes.
struct RedrawScene {
    ClockSettings settings;
    ClockTime time;
    AccountTable accounts;
    std::vector<QImage> images{QImage(32, 32, QImage::Format_RGB32)};
    FaceInputs inputs;
    FaceRedrawPolicy policy;

    RedrawScene() {
        settings.Attrib = DefaultAttrib;
        time.hour = 7;
        time.minute = 5;
        time.second = 9;
        inputs.clientSize = QSize(320, 200);
        inputs.iconBar.accounts = &accounts;
        inputs.iconBar.accountImages = &images;
        inputs.iconBar.mailTickCount = 1;
        policy.Remember(settings, time, inputs);
    }
};

struct RedrawFixture : RedrawScene, ::testing::Test {};

} // namespace

TEST_F(RedrawFixture, NothingChangedWithinTheSameSecond) {
    time.millisecond = 750;
    inputs.iconBar.mailTickCount = 2;
    accounts.entries[0].ResultText = QStringLiteral("alice: 3 messages"); // not on the face
    EXPECT_FALSE(policy.NeedsCompose(settings, time, inputs));
}

TEST_F(RedrawFixture, EveryInputOfThePictureCounts) {
    struct Change {
        const char* what;
        std::function<void(RedrawScene&)> apply;
    };
    const Change changes[] = {
        {"next second", [](RedrawScene& f) { f.time.second = 10; }},
        {"a setting", [](RedrawScene& f) { f.settings.SL_Color = 0x123456; }},
        {"a picture of the list",
         [](RedrawScene& f) { f.settings.pictureList.paths[3] = "x.jpg"; }},
        {"the client size", [](RedrawScene& f) { f.inputs.clientSize = QSize(300, 200); }},
        {"a screen of another density", [](RedrawScene& f) { f.inputs.devicePixelRatio = 2; }},
        {"placement", [](RedrawScene& f) { f.inputs.placementMode = PlacementTime; }},
        {"a mail count", [](RedrawScene& f) { f.accounts.entries[1].MessageCount = 3; }},
        {"an account's own icon read again",
         [](RedrawScene& f) { f.images[0] = QImage(32, 32, QImage::Format_RGB32); }},
        {"the schedule icon", [](RedrawScene& f) { f.inputs.iconBar.hasScheduleToday = true; }},
        {"the error mark", [](RedrawScene& f) { f.inputs.iconBar.correctionError = true; }},
        {"a running mail check", [](RedrawScene& f) { f.inputs.iconBar.mailCheckRunning = true; }},
        {"a running correction",
         [](RedrawScene& f) { f.inputs.iconBar.manualCorrectionRunning = true; }},
    };
    for (const Change& change : changes) {
        RedrawScene fresh;
        change.apply(fresh);
        EXPECT_TRUE(fresh.policy.NeedsCompose(fresh.settings, fresh.time, fresh.inputs))
            << change.what;
    }
}

TEST_F(RedrawFixture, ActivityAndBlinkKeepDrawing) {
    inputs.iconBar.mailCheckRunning = true;
    policy.Remember(settings, time, inputs);
    EXPECT_TRUE(policy.NeedsCompose(settings, time, inputs)) << "the activity mark moves each tick";

    inputs.iconBar.mailCheckRunning = false;
    inputs.iconBar.accountListCount = 1;
    accounts.entries[0].MessageCount = 2;
    accounts.entries[0].Attribute = InUse | CheckOn | BlinkCount;
    policy.Remember(settings, time, inputs);
    inputs.iconBar.mailTickCount = 3;
    EXPECT_FALSE(policy.NeedsCompose(settings, time, inputs));
    inputs.iconBar.mailTickCount = 4;
    EXPECT_TRUE(policy.NeedsCompose(settings, time, inputs)) << "the count blinks on this tick";
}

TEST_F(RedrawFixture, ForgetMakesTheNextTickDraw) {
    policy.Forget();
    EXPECT_TRUE(policy.NeedsCompose(settings, time, inputs));
}
