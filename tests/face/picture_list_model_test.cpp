// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/picture_list_model.h"
#include "face_defaults.h"
#include "fake_prompt.h"

#include <gtest/gtest.h>
#include <set>

namespace {

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

class FacePictureList : public ::testing::Test {
protected:
    FacePictureList()
        : settings(DefaultFaceSettings()), model(settings, prompt, [this](const QString& path) {
              return existing.count(path) > 0;
          }) {}

    void Fill(int count) {
        for (int i = settings.ImageListCounter; i < count; ++i) {
            settings.pictureList.paths[i] = QStringLiteral("/p/%1.jpg").arg(i);
        }
        settings.ImageListCounter = count;
    }

    ClockSettings settings;
    FakePrompt prompt;
    std::set<QString> existing;
    PictureListModel model;
};

} // namespace

TEST_F(FacePictureList, ChosenFileIsAppendedAndMadeCurrent) {
    EXPECT_TRUE(model.HasRoomOrWarn());
    EXPECT_EQ(model.AddChosen("/p/new.bmp"), PictureListModel::AddOutcome::Added);
    EXPECT_EQ(model.Count(), 2);
    EXPECT_EQ(model.At(1), "/p/new.bmp");
    EXPECT_EQ(settings.Image_File, "/p/new.bmp");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(FacePictureList, ChosenDuplicateChangesNothing) {
    model.AddChosen("/p/a.jpg");
    settings.Image_File = "sample.jpg";
    EXPECT_EQ(model.AddChosen("/p/a.jpg"), PictureListModel::AddOutcome::AlreadyListed);
    EXPECT_EQ(model.Count(), 2);
    EXPECT_EQ(settings.Image_File, "sample.jpg") << "the current picture stays";
    EXPECT_EQ(model.AddChosen("/p/A.jpg"), PictureListModel::AddOutcome::Added)
        << "the comparison is exact";
}

TEST_F(FacePictureList, FullListRefusesWithTheMessage) {
    Fill(50);
    EXPECT_FALSE(model.HasRoomOrWarn());
    EXPECT_EQ(model.AppendDropped("/p/dropped.jpg"), PictureListModel::AddOutcome::ListFull);
    EXPECT_EQ(model.AddChosen("/p/chosen.jpg"), PictureListModel::AddOutcome::ListFull);
    ASSERT_EQ(prompt.messages.size(), 3u);
    EXPECT_EQ(prompt.messages[0].caption, U(u"警告"));
    EXPECT_EQ(prompt.messages[0].text, U(u"これ以上設定できません（最大50件）"));
    EXPECT_EQ(model.Count(), 50);
    EXPECT_NE(settings.Image_File, "/p/dropped.jpg");
}

TEST_F(FacePictureList, DropAppendsWithoutDuplicateCheckAndClearsNoImage) {
    settings.Set(NoImage, true);
    EXPECT_EQ(model.AppendDropped("sample.jpg"), PictureListModel::AddOutcome::Added);
    EXPECT_EQ(model.Count(), 2);
    EXPECT_FALSE(settings.Has(NoImage));
    const QString longPath = QString(300, u'x');
    Fill(49);
    EXPECT_EQ(model.AppendDropped(longPath), PictureListModel::AddOutcome::Added);
    EXPECT_EQ(model.At(49).size(), 255);
    EXPECT_EQ(settings.Image_File, model.At(49));
    EXPECT_EQ(model.AppendDropped("/p/51st.jpg"), PictureListModel::AddOutcome::ListFull);
}

TEST_F(FacePictureList, DeleteOneMovesTheRestUpAndKeepsTheCurrentPicture) {
    Fill(4);
    settings.Image_File = model.At(1);
    EXPECT_EQ(model.DeleteAt(1), PictureListModel::DeleteOutcome::Deleted);
    EXPECT_EQ(model.Count(), 3);
    EXPECT_EQ(model.At(0), "sample.jpg");
    EXPECT_EQ(model.At(1), "/p/2.jpg");
    EXPECT_EQ(model.At(2), "/p/3.jpg");
    EXPECT_TRUE(settings.pictureList.paths[3].isEmpty());
    EXPECT_EQ(settings.Image_File, "/p/1.jpg");
    EXPECT_EQ(model.DeleteAt(3), PictureListModel::DeleteOutcome::NoSuchEntry);
    EXPECT_EQ(model.DeleteAt(-1), PictureListModel::DeleteOutcome::NoSuchEntry);
}

TEST_F(FacePictureList, EmptyingTheListTurnsThePictureOff) {
    EXPECT_EQ(model.DeleteAt(0), PictureListModel::DeleteOutcome::ListEmptied);
    EXPECT_TRUE(settings.Has(NoImage));
    Fill(3);
    settings.Set(NoImage, false);
    model.DeleteAll();
    EXPECT_EQ(model.Count(), 0);
    EXPECT_TRUE(settings.Has(NoImage));
    EXPECT_TRUE(settings.pictureList.paths[2].isEmpty());
}

TEST_F(FacePictureList, SelectAsksAboutAMissingFile) {
    Fill(3);
    existing.insert("/p/1.jpg");
    EXPECT_EQ(model.Select(1), PictureListModel::SelectOutcome::Selected);
    EXPECT_EQ(settings.Image_File, "/p/1.jpg");
    EXPECT_TRUE(prompt.questions.empty());

    prompt.answers.push_back(UserPrompt::Answer::No);
    EXPECT_EQ(model.Select(2), PictureListModel::SelectOutcome::Kept);
    EXPECT_EQ(settings.Image_File, "/p/1.jpg");
    EXPECT_EQ(model.Count(), 3);

    prompt.answers.push_back(UserPrompt::Answer::Yes);
    EXPECT_EQ(model.Select(2), PictureListModel::SelectOutcome::Deleted);
    EXPECT_EQ(model.Count(), 2);
    ASSERT_EQ(prompt.questions.size(), 2u);
    EXPECT_EQ(prompt.questions[0].caption, U(u"警告"));
    EXPECT_EQ(prompt.questions[0].text, U(u"ファイルが見つかりません。リストから削除しますか?"));
    EXPECT_EQ(model.Select(7), PictureListModel::SelectOutcome::NoSuchEntry);
}
