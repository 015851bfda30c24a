// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_other_page.h"

#include "dialogs/display/option_editing.h"
#include "platform/login_start.h"
#include "platform/user_prompt.h"
#include "ui_option_other_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

enum DisplayMode { NormalMode = 0, TopMostMode = 1, MouseHideMode = 2 };
constexpr int RoundedRectangleShape = 2;

} // namespace

OptionOtherPage::OptionOtherPage(OptionEditing& editing, LoginStart& loginStart, UserPrompt& prompt,
                                 QWidget* parent)
    : OptionPage(editing, parent), ui_(std::make_unique<Ui::PG_Other>()), loginStart_(loginStart),
      prompt_(prompt) {
    ui_->setupUi(this);
    ConnectControls();
}

OptionOtherPage::~OptionOtherPage() = default;

void OptionOtherPage::ConnectControls() {
    auto* modes = new QButtonGroup(this);
    auto* shapes = new QButtonGroup(this);
    const std::array<QRadioButton*, 3> modeRadios = {ui_->RB_Normal, ui_->RB_TopMost,
                                                     ui_->RB_MouseHide};
    const std::array<QRadioButton*, 3> shapeRadios = {ui_->RB_WinRect, ui_->RB_WinEllipse,
                                                      ui_->RB_WinRoundRect};
    for (int i = 0; i < 3; ++i) {
        modes->addButton(modeRadios[i], i);
        shapes->addButton(shapeRadios[i], i);
    }
    connect(modes, &QButtonGroup::idToggled, this, [this](int mode, bool on) {
        if (on) {
            ChooseDisplayMode(mode);
        }
    });
    connect(shapes, &QButtonGroup::idToggled, this, [this](int shape, bool on) {
        if (on) {
            editing_.Edit(ApplyEffect::MarksModified,
                          [shape](ClockSettings& copy) { copy.Form_Window_Type = shape; });
        }
    });
    connect(ui_->UPD_HideTime, &QSpinBox::valueChanged, this, [this](int seconds) {
        editing_.Edit(ApplyEffect::MarksModified,
                      [seconds](ClockSettings& copy) { copy.WindowHideInterval = seconds; });
    });
    connect(ui_->UPD_RoundSize, &QSpinBox::valueChanged, this, [this](int size) {
        editing_.Edit(ApplyEffect::MarksModified,
                      [size](ClockSettings& copy) { copy.Rect_Raund_Size = size; });
    });
    connect(ui_->CBX_LargeIcon, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(LargeIcon, on); });
    connect(ui_->CBX_IconBkFill, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(IconBkFill, on); });
    connect(ui_->BTN_IconBkColor, &QPushButton::clicked, this, [this] {
        editing_.ChooseColour(this, &ClockSettings::IconBkColor, ChooserApply::WhenChosen);
    });
    // The drawing order is taken by "設定" but does not make "適用" available.
    connect(ui_->CBX_DigiAna, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(DigiAna, on, ApplyEffect::LeavesModified); });
    connect(ui_->CBX_AnalogClear, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(AnalogClear, on); });
    connect(ui_->CBX_StartAtLogin, &QCheckBox::toggled, this,
            [this] { editing_.Changed(ApplyEffect::MarksModified); });
}

void OptionOtherPage::ApplyLoginStart() {
    const bool wanted = ui_->CBX_StartAtLogin->isChecked();
    if (wanted == loginStart_.IsEnabled()) {
        return;
    }
    if (!loginStart_.SetEnabled(wanted)) {
        prompt_.ShowMessage(
            WarningCaption(),
            QStringLiteral("ログイン時の起動を設定できません。\n%1").arg(loginStart_.Location()));
        // The box shows what the next login will do.
        const bool initialised = editing_.IsInitialised();
        editing_.SetInitialised(false);
        ui_->CBX_StartAtLogin->setChecked(loginStart_.IsEnabled());
        editing_.SetInitialised(initialised);
    }
}

void OptionOtherPage::ChooseDisplayMode(int mode) {
    editing_.Edit(ApplyEffect::MarksModified, [mode](ClockSettings& copy) {
        copy.Set(TopMost, mode == TopMostMode);
        copy.Set(MouseHide, mode == MouseHideMode);
    });
}

void OptionOtherPage::Fill() {
    const ClockSettings& copy = editing_.Copy();
    if (copy.Has(TopMost)) {
        ui_->RB_TopMost->setChecked(true);
    } else if (copy.Has(MouseHide)) {
        ui_->RB_MouseHide->setChecked(true);
    } else {
        ui_->RB_Normal->setChecked(true);
    }
    ui_->UPD_HideTime->setValue(copy.WindowHideInterval);
    const std::array<QRadioButton*, 3> shapeRadios = {ui_->RB_WinRect, ui_->RB_WinEllipse,
                                                      ui_->RB_WinRoundRect};
    if (copy.Form_Window_Type >= 0 && copy.Form_Window_Type < int(shapeRadios.size())) {
        shapeRadios[copy.Form_Window_Type]->setChecked(true);
    }
    ui_->UPD_RoundSize->setValue(copy.Rect_Raund_Size);
    ui_->CBX_LargeIcon->setChecked(copy.Has(LargeIcon));
    ui_->CBX_IconBkFill->setChecked(copy.Has(IconBkFill));
    ui_->CBX_DigiAna->setChecked(copy.Has(DigiAna));
    ui_->CBX_AnalogClear->setChecked(copy.Has(AnalogClear));
    ui_->CBX_StartAtLogin->setChecked(loginStart_.IsEnabled());
}

void OptionOtherPage::UpdateEnabling() {
    const ClockSettings& copy = editing_.Copy();
    const bool rounded = copy.Form_Window_Type == RoundedRectangleShape;
    ui_->LBL_RoundSize->setEnabled(rounded);
    ui_->UPD_RoundSize->setEnabled(rounded);
    ui_->BTN_IconBkColor->setEnabled(copy.Has(IconBkFill));
    ui_->CBX_AnalogClear->setEnabled(copy.Has(AnalogDisp));
}
