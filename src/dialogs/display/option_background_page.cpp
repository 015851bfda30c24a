// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_background_page.h"

#include "dialogs/display/option_editing.h"
#include "dialogs/display/option_picture_list_box.h"
#include "dialogs/standard_choosers.h"
#include "face/background_picture.h"
#include "ui_option_background_page.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

OptionBackgroundPage::OptionBackgroundPage(OptionEditing& editing, UserPrompt& prompt,
                                           QString dataFolder, QWidget* parent)
    : OptionPage(editing, parent), dataFolder_(std::move(dataFolder)),
      pictures_(editing.Copy(), prompt, [this](const QString& path) { return FileExists(path); }),
      ui_(std::make_unique<Ui::TS_Back>()) {
    ui_->setupUi(this);
    // Designer has no way to name the style's glyphs.
    ui_->ImageFileBrows->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    ui_->LBX_ImageFileList->SetPopupMenu(ui_->PP_Image);
    ConnectControls();
}

QString OptionBackgroundPage::PictureFilter() {
    return StandardChoosers::QtFilterFrom(
        QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟ (*.BMP)|*.BMP|JPEG (*.JPG)|*.JPG"));
}

bool OptionBackgroundPage::FileExists(const QString& path) const {
    return QFileInfo(BackgroundPicture(dataFolder_).Resolve(path)).isFile();
}

OptionBackgroundPage::~OptionBackgroundPage() = default;

void OptionBackgroundPage::ConnectControls() {
    connect(ui_->CBX_ImageFile, &QCheckBox::toggled, this, &OptionBackgroundPage::NoPictureToggled);
    connect(ui_->BTN_BackColor, &QPushButton::clicked, this, [this] {
        editing_.ChooseColour(this, &ClockSettings::BG_Color, ChooserApply::Always);
    });
    connect(ui_->ImageFileBrows, &QToolButton::clicked, this,
            &OptionBackgroundPage::BrowseForPicture);
    connect(ui_->LBX_ImageFileList, &OptionPictureListBox::EntryPicked, this,
            &OptionBackgroundPage::PickEntry);
    connect(ui_->LBX_ImageFileList, &OptionPictureListBox::DeleteRequested, this,
            &OptionBackgroundPage::DeleteSelected);
    connect(ui_->Del_Image, &QAction::triggered, this, &OptionBackgroundPage::DeleteSelected);
    connect(ui_->Del_AllImage, &QAction::triggered, this, &OptionBackgroundPage::DeleteAll);
}

void OptionBackgroundPage::Fill() {
    FillList();
    ui_->EDT_ImageFile->setText(editing_.Copy().Image_File);
    ui_->CBX_ImageFile->setChecked(editing_.Copy().Has(NoImage));
}

void OptionBackgroundPage::FillList() {
    const int row = ui_->LBX_ImageFileList->currentRow();
    ui_->LBX_ImageFileList->clear();
    for (int i = 0; i < pictures_.Count(); ++i) {
        ui_->LBX_ImageFileList->addItem(pictures_.At(i));
    }
    if (row >= 0 && ui_->LBX_ImageFileList->count() > 0) {
        ui_->LBX_ImageFileList->setCurrentRow(std::min(row, ui_->LBX_ImageFileList->count() - 1));
    }
}

void OptionBackgroundPage::UpdateEnabling() {
    const ClockSettings& copy = editing_.Copy();
    ui_->BTN_BackColor->setEnabled(copy.Has(NoImage) && copy.Has(AnalogDisp));
}

void OptionBackgroundPage::NoPictureToggled(bool checked) {
    if (!editing_.IsInitialised()) {
        return;
    }
    if (!checked && pictures_.Count() == 0) {
        BrowseForPicture();
        if (pictures_.Count() == 0) {
            // Without a picture there is nothing to show but the background colour.
            const QSignalBlocker blocker(ui_->CBX_ImageFile);
            ui_->CBX_ImageFile->setChecked(true);
            editing_.Changed(ApplyEffect::LeavesModified);
            return;
        }
    }
    editing_.SetBit(NoImage, checked);
}

void OptionBackgroundPage::BrowseForPicture() {
    if (!pictures_.HasRoomOrWarn()) {
        return;
    }
    const ClockSettings& copy = editing_.Copy();
    const QString current = BackgroundPicture(dataFolder_).Resolve(copy.Image_File);
    const QString startFolder =
        current.isEmpty() ? copy.CurrentDir : QFileInfo(current).absolutePath();
    const std::optional<QString> chosen = editing_.ChoosersInUse().ChooseFile(
        this, {QStringLiteral("開く"), startFolder, PictureFilter()});
    if (!chosen || pictures_.AddChosen(*chosen) != PictureListModel::AddOutcome::Added) {
        editing_.Changed(ApplyEffect::LeavesModified);
        return;
    }
    FillList();
    ui_->LBX_ImageFileList->setCurrentRow(pictures_.Count() - 1);
    ui_->EDT_ImageFile->setText(editing_.Copy().Image_File);
    editing_.Changed(ApplyEffect::MarksModified);
}

void OptionBackgroundPage::PickEntry(int row) {
    switch (pictures_.Select(row)) {
    case PictureListModel::SelectOutcome::Selected:
        ui_->EDT_ImageFile->setText(editing_.Copy().Image_File);
        break;
    case PictureListModel::SelectOutcome::Deleted:
        FillList();
        if (pictures_.Count() == 0) {
            ShowListEmptied();
        }
        break;
    case PictureListModel::SelectOutcome::Kept:
    case PictureListModel::SelectOutcome::NoSuchEntry:
        break;
    }
    editing_.Changed(ApplyEffect::LeavesModified);
}

void OptionBackgroundPage::DeleteSelected() {
    const PictureListModel::DeleteOutcome outcome =
        pictures_.DeleteAt(ui_->LBX_ImageFileList->currentRow());
    if (outcome == PictureListModel::DeleteOutcome::NoSuchEntry) {
        return;
    }
    FillList();
    if (outcome == PictureListModel::DeleteOutcome::ListEmptied) {
        ShowListEmptied();
    }
    editing_.Changed(ApplyEffect::LeavesModified);
}

void OptionBackgroundPage::DeleteAll() {
    pictures_.DeleteAll();
    FillList();
    ShowListEmptied();
    editing_.Changed(ApplyEffect::LeavesModified);
}

void OptionBackgroundPage::ShowListEmptied() {
    ui_->EDT_ImageFile->clear();
    ui_->CBX_ImageFile->setChecked(true);
}
