// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/day_time_info_form.h"

#include "ui_day_time_info_form.h"

TDayTimeInfoForm::TDayTimeInfoForm(const CorrectionState& state, QWidget* parent)
    : NoticeWindow(Stacking::Normal, parent), ui_(std::make_unique<Ui::DayTimeInfoForm>()) {
    ui_->setupUi(this);
    AttachControls(ui_->MM_Message, ui_->Image1, ui_->AlarmClose);
    if (state.correctionTestMode) {
        AppendLine(state.pcTimeText);
        AppendLine(state.serverTimeText);
    } else {
        AppendLine(state.correctionResultText);
    }
}

TDayTimeInfoForm::~TDayTimeInfoForm() = default;
