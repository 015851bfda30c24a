// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/default_icons.h"
#include "face/icon_bar.h"
#include "platform/qimage_canvas.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

namespace {

using Kind = RecordingCanvas::Kind;

IconBarPlacement Large() {
    return IconBarPlacement{{10, 20}, LargeIcon, 0x8000000F};
}

MailAccount WithMessages(int count, int attribute = CheckOn) {
    MailAccount account;
    account.MessageCount = count;
    account.Attribute = attribute | DefaultIcon;
    account.TextColor = 0x0000FF;
    account.TextBKColor = 0xFFFFFF;
    return account;
}

// One draw of the face's bar: the animations advance, then the bar is painted.
IconBarLayout DrawOnce(IconBar& bar, Canvas& canvas, const IconBarPlacement& placement,
                       const IconBarSources& sources) {
    return bar.Paint(canvas, placement, sources, bar.NextFrame(sources));
}

} // namespace

// Each of the nine is drawn at 32 × 32 and at twice that for dense screens, where it still
// measures 32 logical pixels.
TEST(FaceBuiltInIcons, NineImagesOf32PixelsAtEachDensity) {
    for (const int density : {1, 2}) {
        for (int index = 0; index < DefaultIconCount; ++index) {
            const QImage& icon = BuiltInIcon(index, density);
            ASSERT_FALSE(icon.isNull()) << index;
            EXPECT_EQ(icon.size(), QSize(32, 32) * density) << index;
            EXPECT_EQ(icon.deviceIndependentSize(), QSizeF(32, 32)) << index;
            EXPECT_EQ(qAlpha(icon.pixel(0, icon.height() - 1)), 0)
                << index << ": the keyed corner stays clear";
        }
        EXPECT_TRUE(BuiltInIcon(9, density).isNull());
        EXPECT_EQ(QImage(AboutLogoPath(density)).size(), QSize(242, 193) * density);
    }
    EXPECT_EQ(&BuiltInIcon(StatusIcon, 1.5), &BuiltInIcon(StatusIcon, 2))
        << "any denser screen gets the finer drawing";
    EXPECT_FALSE(QImage(ProgramIconPath()).isNull());
}

TEST(FaceIconBar, StatusIconAloneWithNothingConfigured) {
    struct Case {
        std::uint32_t attrib;
        int size;
    };
    for (const Case& c : {Case{LargeIcon, 36}, Case{0, 20}}) {
        IconBar bar;
        RecordingCanvas canvas;
        const IconBarLayout layout =
            DrawOnce(bar, canvas, IconBarPlacement{{4, 5}, c.attrib, 0}, IconBarSources{});
        EXPECT_EQ(layout.iconSize, c.size);
        EXPECT_EQ(layout.barWidth, c.size + 2);
        EXPECT_EQ(layout.barHeight, c.size + 2);
        const auto stretches = canvas.Of(Kind::Stretch);
        ASSERT_EQ(stretches.size(), 1u);
        EXPECT_EQ(stretches[0].points, (std::vector<QPoint>{{4, 5}, {4 + c.size, 5 + c.size}}));
    }
}

TEST(FaceIconBar, OverlaysScheduleAndAccountIcons) {
    AccountTable accounts;
    accounts.entries[0] = WithMessages(3);
    accounts.entries[1] = WithMessages(0);
    accounts.entries[2] = WithMessages(12);
    accounts.entries[3] = WithMessages(5); // beyond AccountListCount
    accounts.entries[4].Attribute = CheckOn;
    accounts.entries[4].ErrorCode = 10061; // unused slot, but errors count from all five
    IconBarSources sources;
    sources.accounts = &accounts;
    sources.accountListCount = 3;
    sources.hasScheduleToday = true;
    sources.mailCheckRunning = true;
    IconBar bar;
    RecordingCanvas canvas;
    const IconBarLayout layout = DrawOnce(bar, canvas, Large(), sources);
    EXPECT_EQ(layout.iconCount, 4);
    EXPECT_EQ(layout.barWidth, 4 * 36 + 2);
    // Status: base, mail-check mark, activity frame, error mark; then schedule and accounts.
    const auto stretches = canvas.Of(Kind::Stretch);
    ASSERT_EQ(stretches.size(), 4u + 1u + 2u);
    EXPECT_EQ(stretches[4].points[0], QPoint(46, 20));
    EXPECT_EQ(stretches[5].points[0], QPoint(82, 20));
    EXPECT_EQ(stretches[6].points[0], QPoint(118, 20));
    const auto texts = canvas.Of(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "3");
    EXPECT_EQ(texts[0].points[0], QPoint(82 + 36 - 10, 20 + 36 - 20)) << "bottom-right corner";
    EXPECT_EQ(texts[1].text, "12");
}

TEST(FaceIconBar, ActivityFramesCycleWhileBusy) {
    IconBar bar;
    RecordingCanvas canvas;
    IconBarSources busy;
    busy.manualCorrectionRunning = true;
    std::vector<int> frames;
    for (int pass = 0; pass < 4; ++pass) {
        DrawOnce(bar, canvas, Large(), busy);
        frames.push_back(bar.ActivityFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 0, 1}));
    DrawOnce(bar, canvas, Large(), IconBarSources{});
    EXPECT_EQ(bar.ActivityFrame(), 0);
}

TEST(FaceIconBar, BlinkingCountShowsOneSecondAndHidesTheNext) {
    AccountTable accounts;
    accounts.entries[0] = WithMessages(2, CheckOn | BlinkCount);
    IconBarSources sources;
    sources.accounts = &accounts;
    sources.accountListCount = 1;
    IconBar bar;
    std::vector<bool> shown;
    for (std::uint32_t tick = 1; tick <= 12; ++tick) {
        sources.mailTickCount = tick;
        RecordingCanvas canvas;
        const IconBarLayout layout = DrawOnce(bar, canvas, Large(), sources);
        EXPECT_EQ(layout.iconCount, 2) << "the icon stays";
        shown.push_back(!canvas.Of(Kind::Text).empty());
    }
    // The phase flips at ticks 4, 8, 12: hidden for four ticks, shown for four.
    EXPECT_EQ(shown, (std::vector<bool>{true, true, true, false, false, false, false, true, true,
                                        true, true, false}));
}

TEST(FaceIconBar, PixelsKeyOutTheFillColourAndFillWhenAsked) {
    for (const int ratio : {1, 2}) {
        QImage face(80 * ratio, 40 * ratio, QImage::Format_RGB32);
        face.setDevicePixelRatio(ratio);
        face.fill(qRgb(0, 0, 255));
        const Colour grey = 0x808080;
        {
            QImageCanvas canvas(face);
            IconBar bar;
            DrawOnce(bar, canvas, IconBarPlacement{{0, 0}, LargeIcon, grey, qreal(ratio)},
                     IconBarSources{});
            DrawOnce(bar, canvas,
                     IconBarPlacement{{40, 0}, LargeIcon | IconBkFill, grey, qreal(ratio)},
                     IconBarSources{});
        }
        const auto at = [&](int x, int y) { return face.pixel(x * ratio, y * ratio); };
        EXPECT_EQ(at(0, 35), qRgb(0, 0, 255)) << "keyed fill colour lets the face show";
        EXPECT_EQ(at(40, 35), qRgb(128, 128, 128)) << "IconBkFill fills the square";
        EXPECT_NE(at(18, 18), qRgb(0, 0, 255)) << "the artwork is drawn";
    }
}
