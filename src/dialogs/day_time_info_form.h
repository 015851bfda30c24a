// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/notice_window.h"
#include "timesync/correction_state.h"

#include <memory>

namespace Ui {
class DayTimeInfoForm;
}

// The result window of a correction or check started from the popup menu: the computer's
// and the server's time after a check, the time corrected to after a correction.
class TDayTimeInfoForm : public NoticeWindow {
    Q_OBJECT
public:
    explicit TDayTimeInfoForm(const CorrectionState& state, QWidget* parent = nullptr);
    ~TDayTimeInfoForm() override;

private:
    std::unique_ptr<Ui::DayTimeInfoForm> ui_;
};
