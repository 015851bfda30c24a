// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture_drop.h"
#include "face/face_renderer.h"
#include "fake_prompt.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace {

using Outcome = PictureDropEffects::Outcome;

const PictureDropEffects Added{Outcome::Added, true, true};
const PictureDropEffects Refused{Outcome::ListFull, false, false};
const PictureDropEffects NothingDropped{};

class PlacementPictureDrop : public ::testing::Test {
protected:
    PlacementPictureDrop() {
        settings.pictureList.paths[0] = QStringLiteral("sample.jpg");
        settings.ImageListCounter = 1;
        settings.Image_File = QStringLiteral("sample.jpg");
        settings.Set(NoImage, true);
    }

    void Fill(int count) {
        for (int i = settings.ImageListCounter; i < count; ++i) {
            settings.pictureList.paths[i] = QStringLiteral("/p/%1.jpg").arg(i);
        }
        settings.ImageListCounter = count;
    }

    // What the window does with the effects: load the new picture at once.
    void Reload(FaceRenderer& face) {
        face.InvalidatePicture();
        if (!face.EnsurePictureLoaded(settings.Image_File)) {
            settings.Set(NoImage, true);
        }
    }

    ClockSettings settings;
    FakePrompt prompt;
    PictureDrop drop{settings, prompt};
};

TEST_F(PlacementPictureDrop, OnlyTheFirstOfSeveralFilesIsAdded) {
    const QStringList files{"/pics/one.jpg", "/pics/two.bmp", "/pics/three.jpg"};
    EXPECT_EQ(drop.Take(files), Added);
    EXPECT_EQ(settings.ImageListCounter, 2);
    EXPECT_EQ(settings.pictureList.paths[1], "/pics/one.jpg");
    EXPECT_TRUE(settings.pictureList.paths[2].isEmpty());
    EXPECT_EQ(settings.Image_File, "/pics/one.jpg");
    EXPECT_FALSE(settings.Has(NoImage));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(PlacementPictureDrop, FiftyFirstPictureIsRefusedAndNothingChanges) {
    Fill(49);
    EXPECT_EQ(drop.Take({"/pics/fiftieth.jpg"}), Added);
    const ClockSettings before = settings;
    settings.Set(NoImage, true);

    EXPECT_EQ(drop.Take({"/pics/fifty-first.jpg"}), Refused);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, QString::fromUtf16(u"警告"));
    EXPECT_EQ(prompt.messages[0].text, QString::fromUtf16(u"これ以上設定できません（最大50件）"));
    EXPECT_EQ(settings.ImageListCounter, 50);
    EXPECT_EQ(settings.pictureList.paths, before.pictureList.paths);
    EXPECT_EQ(settings.Image_File, "/pics/fiftieth.jpg");
    EXPECT_TRUE(settings.Has(NoImage)) << "NoImage is left alone";
}

TEST_F(PlacementPictureDrop, LongPathIsCutTo255Characters) {
    const QString longPath = "/" + QString(300, u'x') + ".jpg";
    EXPECT_EQ(drop.Take({longPath}), Added);
    EXPECT_EQ(settings.pictureList.paths[1], longPath.left(255));
    EXPECT_EQ(settings.Image_File, longPath.left(255));
}

TEST_F(PlacementPictureDrop, DropWithoutAFileChangesNothing) {
    EXPECT_EQ(drop.Take({}), NothingDropped);
    EXPECT_EQ(drop.Take({QString(), QString()}), NothingDropped);
    EXPECT_EQ(settings.ImageListCounter, 1);
    EXPECT_TRUE(settings.Has(NoImage));
    EXPECT_EQ(drop.Take({QString(), "/pics/local.jpg"}), Added)
        << "an entry that names no file is passed over";
    EXPECT_EQ(settings.pictureList.paths[1], "/pics/local.jpg");
}

TEST_F(PlacementPictureDrop, TextFileStaysListedAndShowsTheBackgroundColour) {
    TestFolder folder;
    const QString text = folder.Write("notes.txt", "not a picture\n");
    const PictureDropEffects effects = drop.Take({text});
    EXPECT_EQ(effects, Added);
    EXPECT_FALSE(settings.Has(NoImage));

    FaceRenderer face;
    Reload(face);
    EXPECT_TRUE(settings.Has(NoImage));
    EXPECT_TRUE(face.PictureSize().isEmpty());
    EXPECT_EQ(settings.ImageListCounter, 2);
    EXPECT_EQ(settings.pictureList.paths[1], text);
    EXPECT_EQ(settings.Image_File, text);
}

TEST_F(PlacementPictureDrop, DroppedPictureIsShownAtOnce) {
    FaceRenderer face;
    settings.Image_File = QStringLiteral("/no/such/file.jpg");
    Reload(face);
    ASSERT_TRUE(face.PictureSize().isEmpty());

    const QString picture = SourceDir() + "/resources/images/sample.jpg";
    ASSERT_EQ(drop.Take({picture}), Added);
    Reload(face);
    EXPECT_FALSE(settings.Has(NoImage));
    EXPECT_FALSE(face.PictureSize().isEmpty());
}

} // namespace
