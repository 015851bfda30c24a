// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/device_scale.h"
#include "face/face_renderer.h"
#include "face/face_snapshot.h"
#include "face/hand_geometry.h"
#include "face_defaults.h"
#include "platform/font_substitution.h"
#include "temp_dir.h"

#include <QDir>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

ClockTime At(int hour, int minute, int second) {
    ClockTime time =
        ClockTime::FromDateTime(QDateTime(QDate(2001, 8, 24), QTime(hour, minute, second)));
    return time;
}

// Only the hands on a plain background, so pixels can be read along them.
ClockSettings HandsOnly() {
    ClockSettings settings = DefaultFaceSettings();
    settings.Attrib = AnalogDisp | HandFill | NoImage | LargeIcon;
    settings.IconBarX = 1000; // off the image
    settings.BG_Color = 0x000000;
    settings.LongLength = 90;
    settings.ShortLength = 60;
    settings.SL_In_Color = 0x00FF00;
    settings.SL_Color = 0x00FF00;
    settings.SE_In_Color = 0xFF0000;
    settings.SE_Color = 0xFF0000;
    return settings;
}

FaceInputs Client(int width, int height) {
    FaceInputs in;
    in.clientSize = QSize(width, height);
    return in;
}

QString Resources() {
    return QDir(QStringLiteral(FACE_SOURCE_DIR)).filePath("resources/images");
}

} // namespace

TEST(FaceRenderer, FirstDrawShowsOnlyTheBackgroundColour) {
    ClockSettings settings = DefaultFaceSettings();
    settings.BG_Color = 0x204060;
    FaceRenderer renderer(Resources());
    const QImage& first = renderer.Compose(settings, At(10, 10, 0), Client(320, 200));
    EXPECT_EQ(first.pixel(5, 190), qRgb(0x60, 0x40, 0x20));
    EXPECT_TRUE(renderer.PictureSize().isEmpty()) << "the picture waits for the next draw";
    const QImage& second = renderer.Compose(settings, At(10, 10, 0), Client(320, 200));
    EXPECT_EQ(renderer.PictureSize(), QSize(320, 200));
    EXPECT_NE(second.pixel(5, 190), qRgb(0x60, 0x40, 0x20)) << "the sample picture is shown";
    EXPECT_FALSE(renderer.Layout().pictureMissing);
    EXPECT_EQ(renderer.Layout().iconBar, (IconBarLayout{36, 38, 38, 1}));
}

TEST(FaceRenderer, HandsFilledAlongTheirDirection) {
    ClockSettings settings = HandsOnly();
    FaceRenderer renderer;
    const QImage& image = renderer.Compose(settings, At(3, 0, 0), Client(320, 200));
    for (int distance = 10; distance <= 70; distance += 10) {
        EXPECT_EQ(image.pixel(160, 100 - distance), qRgb(0, 255, 0))
            << "minute hand up " << distance;
    }
    for (int distance = 10; distance <= 45; distance += 5) {
        EXPECT_EQ(image.pixel(160 + distance, 100), qRgb(0, 0, 255))
            << "hour hand right " << distance;
    }
    EXPECT_EQ(image.pixel(160 - 30, 100), qRgb(0, 0, 0)) << "nothing behind the short tail";
    EXPECT_EQ(image.pixel(160, 100), qRgb(0, 0, 0)) << "black centre dot";
}

TEST(FaceRenderer, MergeOrsTheHandIntoTheBackground) {
    ClockSettings settings = HandsOnly();
    settings.BG_Color = 0x0000FF;    // red
    settings.SL_In_Color = 0xFF0000; // blue
    settings.SL_Color = 0xFF0000;
    settings.Set(AnalogClear, true);
    FaceRenderer renderer;
    const QImage& image = renderer.Compose(settings, At(3, 0, 0), Client(320, 200));
    EXPECT_EQ(image.pixel(160, 50), qRgb(255, 0, 255)) << "blue over red reads magenta";
    settings.Set(AnalogClear, false);
    const QImage& copied = renderer.Compose(settings, At(3, 0, 0), Client(320, 200));
    EXPECT_EQ(copied.pixel(160, 50), qRgb(0, 0, 255));
}

TEST(FaceRenderer, DigiAnaDecidesWhatLiesOnTop) {
    ClockSettings settings = HandsOnly();
    settings.Attrib |= DigiTimeDisp | DigiTimeFill;
    settings.Digi_x = 150;
    settings.Digi_y = 20;
    settings.Digi_Color = 0x00FFFF; // yellow segments
    settings.Digi_Edge_Color = 0x00FFFF;
    // At 11:00 the tens digit 1 lights its right segments over the minute hand's line.
    const int x = 150 + 27;
    const int y = 20 + 40;
    FaceRenderer renderer;
    settings.Set(DigiAna, true);
    EXPECT_EQ(renderer.Compose(settings, At(11, 0, 0), Client(320, 200)).pixel(x, y),
              qRgb(255, 255, 0))
        << "digits cover the hands";
    settings.Set(DigiAna, false);
    settings.Digi_x = 160 - 27;
    EXPECT_EQ(renderer.Compose(settings, At(11, 0, 0), Client(320, 200)).pixel(160, y),
              qRgb(0, 255, 0))
        << "hands cover the digits";
    EXPECT_EQ(renderer.Layout().timeSize, QSize(5 * 37 + 1, 54)) << "no seconds";
}

TEST(FaceRenderer, MissingPictureIsReportedAndShowsTheColour) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Image_File = QStringLiteral("/nonexistent/picture.jpg");
    settings.BG_Color = 0x00FF00;
    FaceRenderer renderer;
    renderer.Compose(settings, At(1, 2, 3), Client(100, 80));
    const QImage& image = renderer.Compose(settings, At(1, 2, 3), Client(100, 80));
    EXPECT_TRUE(renderer.Layout().pictureMissing);
    EXPECT_FALSE(settings.Has(NoImage)) << "the caller stores it";
    EXPECT_EQ(image.pixel(99, 79), qRgb(0, 255, 0));
    EXPECT_EQ(image.size(), QSize(100, 80));
}

TEST(FaceRenderer, NoImageNeverOpensThePicture) {
    ClockSettings settings = DefaultFaceSettings();
    settings.Set(NoImage, true);
    FaceRenderer renderer(Resources());
    renderer.Compose(settings, At(1, 2, 3), Client(320, 200));
    renderer.Compose(settings, At(1, 2, 3), Client(320, 200));
    EXPECT_TRUE(renderer.PictureSize().isEmpty());
}

TEST(FaceRenderer, PlacementFrameAroundTheMeasuredTime) {
    ClockSettings settings = HandsOnly();
    settings.Attrib = DigiTimeDisp | DigiTimeFill | NoImage;
    settings.Digi_x = 40;
    settings.Digi_y = 60;
    FaceInputs in = Client(320, 200);
    in.placementMode = PlacementTime;
    FaceRenderer renderer;
    const QImage& image = renderer.Compose(settings, At(12, 34, 56), in);
    const QSize block = renderer.Layout().timeSize;
    // The dashed white frame runs from (x - width, y - width) to the block's far corner.
    int white = 0;
    for (int x = 39; x < 40 + block.width(); ++x) {
        white += image.pixel(x, 59) == qRgb(255, 255, 255) ? 1 : 0;
    }
    EXPECT_GT(white, block.width() / 4);
    EXPECT_LT(white, block.width()) << "dashed, not solid";
}

TEST(FaceRenderer, EllipseRimDrawnOnlyForRoundShapes) {
    ClockSettings settings = HandsOnly();
    settings.Attrib = NoImage;
    settings.BG_Color = 0x000000;
    FaceRenderer renderer;
    settings.Form_Window_Type = 0;
    EXPECT_EQ(renderer.Compose(settings, At(0, 0, 0), Client(100, 100)).pixel(50, 1),
              qRgb(0, 0, 0));
    settings.Form_Window_Type = 1;
    EXPECT_NE(renderer.Compose(settings, At(0, 0, 0), Client(100, 100)).pixel(50, 1),
              qRgb(0, 0, 0));
    EXPECT_NE(renderer.Compose(settings, At(0, 0, 0), Client(100, 100)).pixel(50, 98),
              qRgb(0, 0, 0));
    EXPECT_EQ(renderer.Compose(settings, At(0, 0, 0), Client(100, 100)).pixel(50, 50),
              qRgb(0, 0, 0));
}

TEST(FaceFonts, NamedJapaneseFontsMapToIpaFonts) {
    InstallFontSubstitutions();
    const struct {
        const char16_t* named;
        const char* family;
    } cases[] = {{u"ＭＳ Ｐ明朝", "IPAPMincho"},
                 {u"ＭＳ Ｐゴシック", "IPAPGothic"},
                 {u"ＭＳ 明朝", "IPAMincho"},
                 {u"ＭＳ ゴシック", "IPAGothic"}};
    for (const auto& c : cases) {
        const QFont font(QString::fromUtf16(c.named));
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(c.family));
    }
}

// Writes the faces to ZORBEL_FACE_RENDER_DIR when set, for a person to look at.
TEST(FaceSnapshot, RendersTheFaceWithThePictureAtSeveralSettings) {
    InstallFontSubstitutions();
    const QString outputFolder = qEnvironmentVariable("ZORBEL_FACE_RENDER_DIR");
    struct Case {
        const char* name;
        ClockTime time;
        std::uint32_t setBits;
        std::uint32_t clearBits;
        int shape;
        QSize client;
    };
    const Case cases[] = {
        {"default-0930", At(9, 30, 15), 0, 0, 0, {320, 200}},
        {"numerals-text-1545",
         At(15, 45, 25),
         StringDisp | TimeFont | DateFont | DigiDateScene,
         0,
         1,
         {320, 200}},
        {"ellipse-large-2359", At(23, 59, 59), AnalogCenter, 0, 1, {400, 300}},
        {"roundrect-noseconds-0000",
         At(0, 0, 0),
         DigiDateScene,
         DigiTimeSecDisp | AnalogFixWin,
         2,
         {320, 200}},
    };
    for (const Case& c : cases) {
        ClockSettings settings = DefaultFaceSettings();
        settings.Attrib = (settings.Attrib | c.setBits) & ~c.clearBits;
        settings.Form_Window_Type = c.shape;
        settings.DigiTimeDispType = 4;
        settings.DigiDateDispType = 3;
        if ((c.setBits & TimeFont) != 0) {
            settings.Digi_x = 170;
            settings.Digi_y = 160;
            settings.Date_x = 6;
            settings.Date_y = 8;
        }
        FaceInputs in;
        in.clientSize = c.client;
        const QImage image = RenderFaceSnapshot(settings, c.time, in, Resources());
        EXPECT_EQ(image.size(), c.client) << c.name;
        EXPECT_FALSE(settings.Has(NoImage)) << c.name;
        if (!outputFolder.isEmpty()) {
            EXPECT_TRUE(
                image.save(QDir(outputFolder).filePath(QString::fromLatin1(c.name) + ".png")));
        }
    }
}

TEST(FaceSnapshot, IconBarWithMailAndPlacementFrame) {
    InstallFontSubstitutions();
    AccountTable accounts;
    accounts.entries[0].MessageCount = 3;
    accounts.entries[0].Attribute = CheckOn | DefaultIcon;
    accounts.entries[1].MessageCount = 12;
    accounts.entries[1].Attribute = CheckOn | DefaultIcon;
    accounts.entries[1].ErrorCode = 1;
    accounts.entries[1].TextColor = 0xFFFFFF;
    accounts.entries[1].TextBKColor = 0x800000;
    ClockSettings settings = DefaultFaceSettings();
    settings.IconBarX = 10;
    settings.IconBarY = 150;
    settings.Digi_x = 150;
    settings.Digi_y = 130;
    settings.Set(DigiTimeSecDisp, false);
    FaceInputs in;
    in.clientSize = QSize(320, 200);
    in.placementMode = PlacementTime;
    in.iconBar.accounts = &accounts;
    in.iconBar.accountListCount = 2;
    in.iconBar.hasScheduleToday = true;
    in.iconBar.mailCheckRunning = true;
    in.iconBar.mailTickCount = 1;
    const QImage image = RenderFaceSnapshot(settings, At(10, 8, 30), in, Resources());
    EXPECT_EQ(settings.IconBarWidth, 4 * 36 + 2);
    // The account count's opaque background sits in the last icon's bottom-right corner.
    EXPECT_EQ(image.pixel(10 + 4 * 36 - 1, 150 + 36 - 1), qRgb(0, 0, 0x80));
    const QString outputFolder = qEnvironmentVariable("ZORBEL_FACE_RENDER_DIR");
    if (!outputFolder.isEmpty()) {
        EXPECT_TRUE(image.save(QDir(outputFolder).filePath("placing-time-with-mail.png")));
    }
}

namespace {

FaceInputs DenseClient(int width, int height, qreal ratio) {
    FaceInputs in = Client(width, height);
    in.devicePixelRatio = ratio;
    return in;
}

} // namespace

// On a dense screen the face has the device pixels of the client area and real detail in
// them; everything it measures stays logical. (That dense drawing lies where the plain one
// does is the canvas's rule, tested there.)
TEST(FaceRenderer, DrawsAtTheScreensDensity) {
    InstallFontSubstitutions();
    ClockSettings settings = HandsOnly();
    settings.Attrib |= SecondHandDisp | DigiTimeDisp;
    const ClockTime time = At(10, 8, 37);
    FaceRenderer plainRenderer;
    plainRenderer.Compose(settings, time, Client(320, 200));
    for (const qreal ratio : {1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        FaceRenderer renderer;
        const QImage& dense = renderer.Compose(settings, time, DenseClient(320, 200, ratio));
        EXPECT_EQ(dense.size(), DeviceScale(ratio).Size(QSize(320, 200)));
        EXPECT_EQ(dense.devicePixelRatio(), ratio);
        EXPECT_EQ(renderer.Layout(), plainRenderer.Layout());
    }

    // A doubled image has four equal pixels in every aligned square of two; the second
    // hand's slanted edges do not.
    FaceRenderer denseRenderer;
    const QImage& dense = denseRenderer.Compose(settings, time, DenseClient(320, 200, 2));
    const QRect secondHand =
        QRect(QPoint(160, 100), PointOnRadius(QPoint(160, 100), 86, DegreesToRadians(37 * 6)))
            .normalized();
    int unevenSquares = 0;
    for (int y = 2 * secondHand.top(); y < 2 * secondHand.bottom(); y += 2) {
        for (int x = 2 * secondHand.left(); x < 2 * secondHand.right(); x += 2) {
            const QRgb first = dense.pixel(x, y);
            unevenSquares += dense.pixel(x + 1, y) != first || dense.pixel(x, y + 1) != first ||
                             dense.pixel(x + 1, y + 1) != first;
        }
    }
    EXPECT_GT(unevenSquares, 20);
}

// A picture with more pixels than the window comes onto the dense face from its source, not
// shrunk to the logical size first.
TEST(FaceRenderer, ThePictureIsStretchedToDevicePixels) {
    TestFolder folder;
    QImage checks(640, 400, QImage::Format_RGB888);
    for (int y = 0; y < checks.height(); ++y) {
        for (int x = 0; x < checks.width(); ++x) {
            checks.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 90));
        }
    }
    ASSERT_TRUE(checks.save(folder.FilePath("checks.bmp")));
    ClockSettings settings = DefaultFaceSettings();
    settings.Attrib = 0; // the picture alone
    settings.Image_File = folder.FilePath("checks.bmp");
    settings.IconBarX = 1000;
    FaceRenderer renderer;
    renderer.Compose(settings, At(10, 0, 0), DenseClient(320, 200, 2));
    const QImage& face = renderer.Compose(settings, At(10, 0, 0), DenseClient(320, 200, 2));
    EXPECT_TRUE(face.convertToFormat(QImage::Format_RGB888) == checks);
}
