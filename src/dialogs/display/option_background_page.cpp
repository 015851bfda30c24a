#include "dialogs/display/option_background_page.h"

#include "dialogs/display/option_controls.h"
#include "dialogs/display/option_editing.h"
#include "dialogs/display/option_picture_list_box.h"
#include "face/background_picture.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

OptionBackgroundPage::OptionBackgroundPage(OptionEditing& editing, UserPrompt& prompt,
                                           QString dataFolder, QWidget* parent)
    : OptionPage(editing, parent), dataFolder_(std::move(dataFolder)),
      pictures_(editing.Copy(), prompt, [this](const QString& path) { return FileExists(path); }) {
    setObjectName(QStringLiteral("TS_Back"));
    BuildControls();
    ConnectControls();
}

bool OptionBackgroundPage::FileExists(const QString& path) const {
    return QFileInfo(BackgroundPicture(dataFolder_).Resolve(path)).isFile();
}

void OptionBackgroundPage::BuildControls() {
    CBX_ImageFile =
        MakeOptionCheck(QStringLiteral("背景なし"), "CBX_ImageFile", this, QRect(6, 7, 96, 18));
    BTN_BackColor =
        MakeOptionButton(QStringLiteral("背景色"), "BTN_BackColor", this, QRect(110, 4, 80, 24));

    EDT_ImageFile = new QLineEdit(this);
    EDT_ImageFile->setObjectName(QStringLiteral("EDT_ImageFile"));
    EDT_ImageFile->setGeometry(6, 34, 240, 22);
    // It only shows the current picture; the picture is chosen from the list or the chooser.
    EDT_ImageFile->setReadOnly(true);

    ImageFileBrows = new QToolButton(this);
    ImageFileBrows->setObjectName(QStringLiteral("ImageFileBrows"));
    ImageFileBrows->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    ImageFileBrows->setToolTip(QStringLiteral("参照"));
    ImageFileBrows->setGeometry(250, 34, 26, 22);

    LBX_ImageFileList = new OptionPictureListBox(this);
    LBX_ImageFileList->setObjectName(QStringLiteral("LBX_ImageFileList"));
    LBX_ImageFileList->setGeometry(6, 62, 270, 186);

    PP_Image = new QMenu(this);
    PP_Image->setObjectName(QStringLiteral("PP_Image"));
    Del_Image = PP_Image->addAction(QStringLiteral("リストから削除(&D)"));
    Del_Image->setObjectName(QStringLiteral("Del_Image"));
    Del_AllImage = PP_Image->addAction(QStringLiteral("すべて削除(&E)"));
    Del_AllImage->setObjectName(QStringLiteral("Del_AllImage"));
    LBX_ImageFileList->SetPopupMenu(PP_Image);
}

void OptionBackgroundPage::ConnectControls() {
    connect(CBX_ImageFile, &QCheckBox::toggled, this, &OptionBackgroundPage::NoPictureToggled);
    connect(BTN_BackColor, &QPushButton::clicked, this, [this] {
        editing_.ChooseColour(this, &ClockSettings::BG_Color, ChooserApply::Always);
    });
    connect(ImageFileBrows, &QToolButton::clicked, this, &OptionBackgroundPage::BrowseForPicture);
    connect(LBX_ImageFileList, &OptionPictureListBox::EntryPicked, this,
            &OptionBackgroundPage::PickEntry);
    connect(LBX_ImageFileList, &OptionPictureListBox::DeleteRequested, this,
            &OptionBackgroundPage::DeleteSelected);
    connect(Del_Image, &QAction::triggered, this, &OptionBackgroundPage::DeleteSelected);
    connect(Del_AllImage, &QAction::triggered, this, &OptionBackgroundPage::DeleteAll);
}

void OptionBackgroundPage::Fill() {
    FillList();
    EDT_ImageFile->setText(editing_.Copy().Image_File);
    CBX_ImageFile->setChecked(editing_.Copy().Has(NoImage));
}

void OptionBackgroundPage::FillList() {
    const int row = LBX_ImageFileList->currentRow();
    LBX_ImageFileList->clear();
    for (int i = 0; i < pictures_.Count(); ++i) {
        LBX_ImageFileList->addItem(pictures_.At(i));
    }
    if (row >= 0 && LBX_ImageFileList->count() > 0) {
        LBX_ImageFileList->setCurrentRow(std::min(row, LBX_ImageFileList->count() - 1));
    }
}

void OptionBackgroundPage::UpdateEnabling() {
    const ClockSettings& copy = editing_.Copy();
    BTN_BackColor->setEnabled(copy.Has(NoImage) && copy.Has(AnalogDisp));
}

void OptionBackgroundPage::NoPictureToggled(bool checked) {
    if (!editing_.IsInitialised()) {
        return;
    }
    if (!checked && pictures_.Count() == 0) {
        BrowseForPicture();
        if (pictures_.Count() == 0) {
            // Without a picture there is nothing to show but the background colour.
            const QSignalBlocker blocker(CBX_ImageFile);
            CBX_ImageFile->setChecked(true);
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
    const std::optional<QString> chosen = editing_.Choosers().ChoosePictureFile(this, startFolder);
    if (!chosen || pictures_.AddChosen(*chosen) != PictureListModel::AddOutcome::Added) {
        editing_.Changed(ApplyEffect::LeavesModified);
        return;
    }
    FillList();
    LBX_ImageFileList->setCurrentRow(pictures_.Count() - 1);
    EDT_ImageFile->setText(editing_.Copy().Image_File);
    editing_.Changed(ApplyEffect::MarksModified);
}

void OptionBackgroundPage::PickEntry(int row) {
    switch (pictures_.Select(row)) {
    case PictureListModel::SelectOutcome::Selected:
        EDT_ImageFile->setText(editing_.Copy().Image_File);
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
        pictures_.DeleteAt(LBX_ImageFileList->currentRow());
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
    EDT_ImageFile->clear();
    CBX_ImageFile->setChecked(true);
}
