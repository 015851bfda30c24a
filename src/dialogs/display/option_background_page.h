// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/display/option_page.h"
#include "face/picture_list_model.h"

#include <memory>

namespace Ui {
class TS_Back;
}

// The tab "背景画": the picture list, the current picture and the no-picture mode with its
// background colour.
class OptionBackgroundPage : public OptionPage {
    Q_OBJECT
public:
    OptionBackgroundPage(OptionEditing& editing, UserPrompt& prompt, QString dataFolder,
                         QWidget* parent);
    ~OptionBackgroundPage() override;

    void Fill() override;
    void UpdateEnabling() override;

    // Bitmaps and JPEG pictures, named in either case.
    static QString PictureFilter();

private:
    void ConnectControls();
    void FillList();
    bool FileExists(const QString& path) const;

    void NoPictureToggled(bool checked);
    void BrowseForPicture();
    void PickEntry(int row);
    void DeleteSelected();
    void DeleteAll();
    // An emptied list switches to no-picture mode through the box, as a click on it would.
    void ShowListEmptied();

    QString dataFolder_;
    PictureListModel pictures_;

    std::unique_ptr<Ui::TS_Back> ui_;
};
