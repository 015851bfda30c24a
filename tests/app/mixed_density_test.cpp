// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_form.h"
#include "app/window_frame.h"
#include "core/device_scale.h"
#include "face/face_snapshot.h"
#include "fake_clock_services.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

// The clock window on two screens of different pixel density, the primary one to the right
// of the other (the off-screen platform's screens, from two_screens.json).
namespace {

struct MixedDensityFixture : FakeClockServices, ::testing::Test {
    void SetUp() override {
        if (QGuiApplication::screens().size() != 2) {
            GTEST_SKIP() << "needs the two screens of two_screens.json";
        }
    }

    std::unique_ptr<TMainForm> Start(QPoint stored) {
        persistence.stored.clock.Left = stored.x();
        persistence.stored.clock.Top = stored.y();
        auto form = std::make_unique<TMainForm>(Services());
        form->show();
        return form;
    }

    static QScreen* Dense() { return QGuiApplication::primaryScreen(); }
};

} // namespace

TEST_F(MixedDensityFixture, AWindowStoredOffEveryScreenComesBackOnThePrimaryOne) {
    auto form = Start(QPoint(-5000, -5000));
    EXPECT_TRUE(Dense()->geometry().contains(form->frameGeometry()))
        << form->frameGeometry().x() << ", " << form->frameGeometry().y();
}

// Moved onto the dense screen while the tick stands still (as while a part is placed), the
// window shows the face drawn at that screen's density at once.
TEST_F(MixedDensityFixture, MovingToADenserScreenDrawsTheFaceForIt) {
    auto form = Start(QPoint(100, 100));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->FaceDrawCount() >= 2; }, 3000));
    EXPECT_EQ(form->Face().Image().devicePixelRatio(), 1);

    form->DrawTimer().Stop();
    form->move(Dense()->geometry().topLeft() + QPoint(100, 100));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return form->Face().Image().devicePixelRatio() == 2; }, 3000));
    EXPECT_EQ(form->Face().Image().size(), form->ClientSize() * 2);

    ClockSettings settings = form->Records().clock;
    FaceInputs in;
    in.clientSize = form->ClientSize();
    in.devicePixelRatio = 2;
    const QImage expected = RenderFaceSnapshot(settings, form->CurrentClockTime(), in, QString());
    QTest::qWait(100);
    const QImage shown =
        form->grab(QRect(QPoint(FrameThickness, FrameThickness), form->ClientSize()))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.size(), expected.size());
    EXPECT_TRUE(shown == expected) << "the window shows the dense face pixel for pixel";
}
