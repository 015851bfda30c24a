// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_digital_page.h"

#include "dialogs/display/option_digital_group.h"
#include "ui_option_digital_page.h"

OptionDigitalPage::OptionDigitalPage(OptionEditing& editing, QWidget* parent)
    : OptionPage(editing, parent), ui_(std::make_unique<Ui::TS_Digital>()) {
    ui_->setupUi(this);
    time_ = new OptionDigitalGroup(
        DigitalGroupTraits::Time(),
        {ui_->GRP_DigiTime, ui_->CBX_DigiTimeDisp, ui_->RB_TimeLED, ui_->RB_TimeFont,
         ui_->CBX_DigiTimeSecDisp, ui_->CBX_DigiTimeFill, ui_->BTN_DigiTimeEdgeColor,
         ui_->BTN_DigiTimeColor, ui_->LBL_DigiTimeWidth, ui_->UPD_DigiTimeWidth, ui_->BTN_DigiTime,
         ui_->LBL_DigiTimeFontDispType, ui_->CBX_DigiTimeFontDispType, ui_->CBX_ClockTranslucent},
        editing, this);
    date_ = new OptionDigitalGroup(
        DigitalGroupTraits::Date(),
        {ui_->GRP_DigiDate, ui_->CBX_DigiDateDisp, ui_->RB_DateLED, ui_->RB_DateFont,
         ui_->CBX_DigiDateScene, ui_->CBX_DigiDateFill, ui_->BTN_DigiDateEdgeColor,
         ui_->BTN_DigiDateColor, ui_->LBL_DateWidth, ui_->UPD_DateWidth, ui_->BTN_DigiDate,
         ui_->LBL_DigiDateFontDispType, ui_->CBX_DigiDateFontDispType, ui_->CBX_DateTranslucent},
        editing, this);
}

OptionDigitalPage::~OptionDigitalPage() = default;

void OptionDigitalPage::Fill() {
    time_->Fill();
    date_->Fill();
}

void OptionDigitalPage::UpdateEnabling() {
    time_->UpdateEnabling();
    date_->UpdateEnabling();
}
