// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_form.h"

#include "dialogs/display/option_analog_page.h"
#include "dialogs/display/option_background_page.h"
#include "dialogs/display/option_digital_page.h"
#include "dialogs/display/option_other_page.h"
#include "dialogs/display/option_preview.h"
#include "ui_option_form.h"

#include <QEvent>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Where the preview square lies inside its group box.
const QPoint PreviewOrigin(3, 18);

DisplayMode DisplayModeOf(const ClockSettings& settings) {
    if (settings.Has(TopMost)) {
        return DisplayMode::TopMost;
    }
    return settings.Has(MouseHide) ? DisplayMode::MouseHide : DisplayMode::Normal;
}

} // namespace

TOptionForm::TOptionForm(OptionFormHost& host, Choosers& choosers, UserPrompt& prompt,
                         HelpViewer& help, LoginStart& loginStart, QWidget* parent)
    : SettingsDialog(prompt, help, HelpContext, Border::NoBorderIcons, parent), host_(host),
      copy_(host.WindowSettings()), editing_(copy_, choosers, [this] { ControlsChanged(); }),
      facePreview_(host.PictureDataFolder()), ui_(std::make_unique<Ui::OptionForm>()) {
    ui_->setupUi(this);
    AddPages(prompt, loginStart);
    ConnectButtons();
    FillControls();
    AttachStandardButtons(ui_->BTM_Cansel, ui_->BTN_Help);
}

TOptionForm::~TOptionForm() = default;

void TOptionForm::AddPages(UserPrompt& prompt, LoginStart& loginStart) {
    auto* analog = new OptionAnalogPage(editing_, ui_->PG_Second);
    auto* digital = new OptionDigitalPage(editing_, ui_->PG_Second);
    auto* back =
        new OptionBackgroundPage(editing_, prompt, host_.PictureDataFolder(), ui_->PG_Second);
    otherPage_ = new OptionOtherPage(editing_, loginStart, prompt, ui_->PG_Second);
    pages_ = {analog, digital, back, otherPage_};
    // Each page's form carries its tab's caption.
    for (OptionPage* page : pages_) {
        ui_->PG_Second->addTab(page, page->windowTitle());
    }
    ui_->PG_Second->setCurrentWidget(back);
    // The pages join the form after its buttons, but Tab reaches the buttons last.
    QWidget* previous = previousInFocusChain();
    while (previous != this && previous->focusPolicy() == Qt::NoFocus) {
        previous = previous->previousInFocusChain();
    }
    for (QWidget* button : std::initializer_list<QWidget*>{ui_->BTM_okclose, ui_->BTM_Cansel,
                                                           ui_->BTM_reflect, ui_->BTN_Help}) {
        setTabOrder(previous, button);
        previous = button;
    }
}

void TOptionForm::ConnectButtons() {
    connect(ui_->BTM_okclose, &QPushButton::clicked, this, &TOptionForm::OkClose);
    connect(ui_->BTM_reflect, &QPushButton::clicked, this, &TOptionForm::Apply);
}

void TOptionForm::FillControls() {
    editing_.SetInitialised(false);
    for (OptionPage* page : pages_) {
        page->Fill();
    }
    editing_.SetInitialised(true);
    for (OptionPage* page : pages_) {
        page->UpdateEnabling();
    }
}

void TOptionForm::ControlsChanged() {
    for (OptionPage* page : pages_) {
        page->UpdateEnabling();
    }
    RedrawPreview();
}

void TOptionForm::RedrawPreview() {
    const QRect area = FacePreview::PreviewArea(QSize(copy_.Width, copy_.Height), PreviewSide);
    ui_->IMG_Preview->setGeometry(area.translated(PreviewOrigin));
    ui_->IMG_Preview->Show(facePreview_.Compose(copy_, host_.CurrentClockTime(),
                                                host_.IconSources(),
                                                ui_->IMG_Preview->devicePixelRatio()));
    ui_->BTM_reflect->setEnabled(editing_.IsModified());
}

bool TOptionForm::Apply() {
    ClockSettings& window = host_.WindowSettings();
    const bool pictureChanges = !copy_.Has(NoImage) && copy_.Image_File != window.Image_File;
    editing_.ClearModified();
    ui_->BTM_reflect->setEnabled(false);

    // The copy's picture list is the list box's content, in its order.
    window = copy_;
    const bool saved = ConfirmSaved(host_.SaveSettings());
    if (!saved) {
        editing_.MarkModified();
    }
    host_.InvalidatePicture();
    copy_ = window;
    if (pictureChanges) {
        host_.DrawFaceNow();
        host_.FitWindowToPicture();
        // A later apply writes the copy again; it must not undo the fit.
        copy_.Width = window.Width;
        copy_.Height = window.Height;
    }
    // After the fit, so that the shape is cut to the window's new size.
    host_.ChooseWindowShape(StoredWindowShape(window.Form_Window_Type));
    host_.SetRatioMenuItem(window.Has(NoImage) ? CommandState::Disabled : CommandState::Enabled);
    host_.SetDisplayMode(DisplayModeOf(window));
    otherPage_->ApplyLoginStart();
    RedrawPreview();
    return saved;
}

void TOptionForm::OkClose() {
    // The second save keeps the size the picture fit may have given the window.
    if (Apply() && ConfirmSaved(host_.SaveSettings())) {
        accept();
    }
}

void TOptionForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RedrawPreview();
}

void TOptionForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        RedrawPreview();
    }
}
