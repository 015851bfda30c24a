// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/aspect_fit.h"
#include "face/background_picture.h"
#include "face/jpeg_decoder.h"
#include "face/picture_loader.h"
#include "face_defaults.h"
#include "picture_bytes.h"
#include "temp_dir.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
        }
    }
    return image;
}

} // namespace

TEST(FacePictureDecoding, GoodJpegDecodesToRgb888AtFullSize) {
    const QByteArray jpeg = Encoded(Gradient(64, 48), "JPG");
    const DecodedPicture decoded = JpegDecoder::Decode(jpeg);
    ASSERT_TRUE(decoded.Ok()) << decoded.reason.toStdString();
    EXPECT_EQ(decoded.image.size(), QSize(64, 48));
    EXPECT_EQ(decoded.image.format(), QImage::Format_RGB888);
    const QColor corner = decoded.image.pixelColor(63, 47);
    EXPECT_NEAR(corner.red(), 251, 6);
    EXPECT_NEAR(corner.green(), 250, 6);
    EXPECT_NEAR(corner.blue(), 128, 6);
}

TEST(FacePictureDecoding, GreyJpegBecomesRgb) {
    const QImage grey = Gradient(16, 16).convertToFormat(QImage::Format_Grayscale8);
    const DecodedPicture decoded = JpegDecoder::Decode(Encoded(grey, "JPG"));
    ASSERT_TRUE(decoded.Ok());
    EXPECT_EQ(decoded.image.format(), QImage::Format_RGB888);
}

TEST(FacePictureDecoding, DamagedJpegsAreRejected) {
    const QByteArray good = Encoded(Gradient(200, 150), "JPG");
    QByteArray badMarker = good;
    badMarker[badMarker.indexOf(QByteArray("\xFF\xC0", 2)) + 1] = char(0xCF); // arithmetic SOF
    QByteArray scrambled = good;
    const qsizetype data = good.indexOf(QByteArray("\xFF\xDA", 2)) + 20;
    for (qsizetype i = data; i < data + 40; ++i) {
        scrambled[i] = char(0xFF);
    }
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"zero bytes", QByteArray()},
        {"not a jpeg", QByteArray("hello, world")},
        {"truncated in the data", good.left(good.size() / 2)},
        {"truncated in the header", good.left(40)},
        {"marker stream broken", scrambled},
        {"unsupported coding", badMarker},
        {"side over 16384", WithJpegSize(good, 20000, 10)},
        {"over 100 megapixels", WithJpegSize(good, 12000, 9000)},
        {"zero width", WithJpegSize(good, 0, 10)},
    };
    for (const Case& c : cases) {
        const DecodedPicture decoded = JpegDecoder::Decode(c.bytes);
        EXPECT_FALSE(decoded.Ok()) << c.name;
        EXPECT_FALSE(decoded.reason.isEmpty()) << c.name;
    }
}

// A hostile file must not keep the clock's only thread busy or take its memory: the scans,
// the decoder's buffers and the file's size are bounded, each refusal with a reason.
TEST(FacePictureDecoding, TheDecodersWorkIsBounded) {
    TestFolder folder;
    QFile huge(folder.FilePath("huge.jpg"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(ProgressiveJpegInScans(10));
    ASSERT_TRUE(huge.resize(JpegDecoder::MostFileBytes + 1));
    huge.close();
    struct Case {
        const char* name;
        std::function<DecodedPicture()> decode;
        bool decodes;
    };
    const Case cases[] = {
        {"100 scans", [] { return JpegDecoder::Decode(ProgressiveJpegInScans(100)); }, true},
        {"101 scans", [] { return JpegDecoder::Decode(ProgressiveJpegInScans(101)); }, false},
        {"883 scans", [] { return JpegDecoder::Decode(ProgressiveJpegInScans(883)); }, false},
        // Every coefficient of a progressive picture is kept: 16000 × 6000 would need 192 MB.
        {"progressive 16000 x 6000",
         [] { return JpegDecoder::Decode(WithJpegSize(ProgressiveJpegInScans(10), 16000, 6000)); },
         false},
        {"file over 64 MiB", [&] { return JpegDecoder::DecodeFile(huge.fileName()); }, false},
    };
    for (const Case& c : cases) {
        const DecodedPicture decoded = c.decode();
        EXPECT_EQ(decoded.Ok(), c.decodes) << c.name << ": " << decoded.reason.toStdString();
        EXPECT_EQ(decoded.reason.isEmpty(), c.decodes) << c.name;
    }
}

TEST(FacePictureLoading, DecoderChosenByExtension) {
    TestFolder folder;
    const QByteArray jpeg = Encoded(Gradient(20, 10), "JPG");
    const QByteArray bmp = Encoded(Gradient(20, 10), "BMP");
    struct Case {
        const char* name;
        const QByteArray& bytes;
        bool loads;
    };
    const Case cases[] = {
        {"a.jpg", jpeg, true}, {"b.JPEG", jpeg, true}, {"c.Jpg", jpeg, true},
        {"d.bmp", bmp, true},  {"e.BMP", bmp, true},   {"f.bmp", jpeg, false},
        {"g.jpg", bmp, false}, {"h.png", jpeg, false}, {"noextension", jpeg, false},
    };
    for (const Case& c : cases) {
        const DecodedPicture decoded = PictureLoader::Load(folder.Write(c.name, c.bytes));
        EXPECT_EQ(decoded.Ok(), c.loads) << c.name;
        if (decoded.Ok()) {
            EXPECT_EQ(decoded.image.size(), QSize(20, 10)) << c.name;
            EXPECT_EQ(decoded.image.format(), QImage::Format_RGB888) << c.name;
        }
    }
}

TEST(FacePictureLoading, DamagedBitmapsAreRejected) {
    TestFolder folder;
    const QByteArray bmp = Encoded(Gradient(100, 100), "BMP");
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty.bmp", QByteArray()},
        {"header.bmp", bmp.left(30)},
        {"truncated.bmp", bmp.left(bmp.size() / 2)},
        {"wide.bmp", WithBitmapSize(bmp, 30000, 10)},
        {"huge.bmp", WithBitmapSize(bmp, 16000, 16000)},
        // An old core header, 100 × 100 at 24 bits, with a few bytes of its 30000.
        {"core.bmp", QByteArray::fromHex("424d00000000000000001a0000000c0000006400640001001800"
                                         "ffffff")},
        // A header of no known size is read as a core header: 13974 × 1543 from 34 bytes.
        {"garbage.bmp", QByteArray::fromHex("424d000000000000000040000027010018009636070601001800"
                                            "ff0000ff626d70ff")},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(PictureLoader::Load(folder.Write(c.name, c.bytes)).Ok()) << c.name;
    }
}

TEST(FaceBackgroundPicture, MissingOrRejectedFileGivesNoPicture) {
    TestFolder folder;
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {{"missing.jpg", {}}, {"text.jpg", "not a picture"}};
    for (const Case& c : cases) {
        const QString file =
            c.bytes.isNull() ? folder.FilePath(c.name) : folder.Write(c.name, c.bytes);
        BackgroundPicture picture;
        EXPECT_FALSE(picture.EnsureLoaded(file)) << c.name;
        EXPECT_TRUE(picture.PictureSize().isEmpty()) << c.name;
        folder.Write(c.name, Encoded(Gradient(8, 8), "JPG"));
        EXPECT_FALSE(picture.EnsureLoaded(file)) << c.name << ": not read again on every draw";
    }
}

TEST(FaceBackgroundPicture, DecodedOnceUntilInvalidated) {
    TestFolder folder;
    const QString file = folder.Write("p.jpg", Encoded(Gradient(64, 32), "JPG"));
    BackgroundPicture picture;
    ASSERT_TRUE(picture.EnsureLoaded(file));
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_TRUE(picture.EnsureLoaded(file));
    EXPECT_EQ(picture.PictureSize(), QSize(64, 32)) << "the held picture is reused";
    picture.Invalidate();
    EXPECT_FALSE(picture.EnsureLoaded(file)) << "a reload reads the file again";
}

TEST(FaceBackgroundPicture, StretchedCopyRebuiltOnlyForNewSizeOrPicture) {
    TestFolder folder;
    ClockSettings settings = DefaultFaceSettings();
    settings.Image_File = folder.Write("p.jpg", Encoded(Gradient(64, 32), "JPG"));
    BackgroundPicture picture;
    picture.EnsureLoaded(settings.Image_File);
    const qint64 first = picture.Stretched(QSize(320, 200)).cacheKey();
    EXPECT_EQ(picture.Stretched(QSize(320, 200)).cacheKey(), first);
    EXPECT_EQ(picture.Stretched(QSize(320, 200)).size(), QSize(320, 200));
    EXPECT_NE(picture.Stretched(QSize(100, 100)).cacheKey(), first);
    const qint64 square = picture.Stretched(QSize(100, 100)).cacheKey();
    picture.Invalidate();
    picture.EnsureLoaded(settings.Image_File);
    EXPECT_NE(picture.Stretched(QSize(100, 100)).cacheKey(), square);
}

TEST(FaceBackgroundPicture, RelativePathFallsBackToTheDataFolder) {
    TestFolder data;
    data.Write("only-here.jpg", Encoded(Gradient(30, 20), "JPG"));
    BackgroundPicture withData(data.Path());
    EXPECT_TRUE(withData.EnsureLoaded(QStringLiteral("only-here.jpg")));
    EXPECT_EQ(withData.PictureSize(), QSize(30, 20));

    BackgroundPicture withoutData;
    EXPECT_FALSE(withoutData.EnsureLoaded(QStringLiteral("only-here.jpg")));
}

TEST(FaceAspectFit, LandscapeKeepsWidthPortraitAndSquareKeepHeight) {
    struct Case {
        QSize picture, client;
        std::optional<QSize> fitted;
    };
    const Case cases[] = {
        {{640, 480}, {320, 200}, QSize(320, 240)},
        {{480, 640}, {320, 200}, QSize(150, 200)},
        {{500, 500}, {320, 200}, QSize(200, 200)},
        {{1000, 333}, {320, 200}, QSize(320, 106)}, // 333 × 0.32 truncated
        {{0, 0}, {320, 200}, std::nullopt},
    };
    for (const Case& c : cases) {
        ClockSettings settings = DefaultFaceSettings();
        settings.Width = c.client.width();
        settings.Height = c.client.height();
        EXPECT_EQ(FitClientSizeToPicture(settings, c.picture), c.fitted)
            << c.picture.width() << "x" << c.picture.height();
    }
    ClockSettings noPicture = DefaultFaceSettings();
    noPicture.Set(NoImage, true);
    EXPECT_EQ(FitClientSizeToPicture(noPicture, {640, 480}), std::nullopt);
    ClockSettings noFile = DefaultFaceSettings();
    noFile.Image_File.clear();
    EXPECT_EQ(FitClientSizeToPicture(noFile, {640, 480}), std::nullopt);
}

TEST(FacePictureDecoding, ProgressiveDecodesFourComponentIsRejected) {
    const QString fixtures = QDir(QStringLiteral(FACE_SOURCE_DIR)).filePath("tests/fixtures/face");
    const DecodedPicture progressive = JpegDecoder::DecodeFile(fixtures + "/progressive.jpg");
    ASSERT_TRUE(progressive.Ok()) << progressive.reason.toStdString();
    EXPECT_EQ(progressive.image.size(), QSize(48, 32));
    EXPECT_GT(qRed(progressive.image.pixel(24, 0)), 200) << "red at the top";
    EXPECT_GT(qBlue(progressive.image.pixel(24, 31)), 200) << "blue at the bottom";
    EXPECT_FALSE(JpegDecoder::DecodeFile(fixtures + "/cmyk.jpg").Ok());
}
