// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/picture_list_model.h"

#include <algorithm>

namespace {

QString ListFullText() {
    return QString::fromUtf16(u"これ以上設定できません（最大%1件）").arg(PictureList::Capacity);
}

} // namespace

PictureListModel::PictureListModel(ClockSettings& settings, UserPrompt& prompt,
                                   FileExists fileExists)
    : settings_(settings), prompt_(prompt), fileExists_(std::move(fileExists)) {}

int PictureListModel::Count() const {
    return std::clamp(settings_.ImageListCounter, 0, PictureList::Capacity);
}

QString PictureListModel::At(int index) const {
    return index >= 0 && index < Count() ? settings_.pictureList.paths[index] : QString();
}

bool PictureListModel::HasRoomOrWarn() {
    if (Count() >= PictureList::Capacity) {
        prompt_.ShowMessage(WarningCaption(), ListFullText());
        return false;
    }
    return true;
}

void PictureListModel::Append(const QString& path) {
    const int count = Count();
    settings_.pictureList.paths[count] = path;
    settings_.ImageListCounter = count + 1;
    settings_.Image_File = path;
}

PictureListModel::AddOutcome PictureListModel::AddChosen(const QString& path) {
    if (!HasRoomOrWarn()) {
        return AddOutcome::ListFull;
    }
    const auto begin = settings_.pictureList.paths.begin();
    if (std::find(begin, begin + Count(), path) != begin + Count()) {
        return AddOutcome::AlreadyListed;
    }
    Append(path);
    return AddOutcome::Added;
}

PictureListModel::AddOutcome PictureListModel::AppendDropped(const QString& path) {
    if (!HasRoomOrWarn()) {
        return AddOutcome::ListFull;
    }
    Append(path.left(MaxPathLength));
    settings_.Set(NoImage, false);
    return AddOutcome::Added;
}

PictureListModel::DeleteOutcome PictureListModel::DeleteAt(int index) {
    const int count = Count();
    if (index < 0 || index >= count) {
        return DeleteOutcome::NoSuchEntry;
    }
    auto& paths = settings_.pictureList.paths;
    std::move(paths.begin() + index + 1, paths.begin() + count, paths.begin() + index);
    paths[count - 1].clear();
    settings_.ImageListCounter = count - 1;
    if (count - 1 == 0) {
        settings_.Set(NoImage, true);
        return DeleteOutcome::ListEmptied;
    }
    return DeleteOutcome::Deleted;
}

void PictureListModel::DeleteAll() {
    for (QString& path : settings_.pictureList.paths) {
        path.clear();
    }
    settings_.ImageListCounter = 0;
    settings_.Set(NoImage, true);
}

PictureListModel::SelectOutcome PictureListModel::Select(int index) {
    if (index < 0 || index >= Count()) {
        return SelectOutcome::NoSuchEntry;
    }
    const QString path = settings_.pictureList.paths[index];
    if (fileExists_(path)) {
        settings_.Image_File = path;
        return SelectOutcome::Selected;
    }
    const UserPrompt::Answer answer = prompt_.Ask(
        WarningCaption(), QString::fromUtf16(u"ファイルが見つかりません。リストから削除しますか?"));
    if (answer == UserPrompt::Answer::Yes) {
        DeleteAt(index);
        return SelectOutcome::Deleted;
    }
    return SelectOutcome::Kept;
}
