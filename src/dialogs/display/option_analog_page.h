// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/display/option_page.h"
#include "settings/clock_settings.h"

#include <memory>
#include <vector>

class QCheckBox;

namespace Ui {
class TS_Analog;
}

// The tab "アナログ": whether and how the analog clock is drawn.
class OptionAnalogPage : public OptionPage {
    Q_OBJECT
public:
    OptionAnalogPage(OptionEditing& editing, QWidget* parent);
    ~OptionAnalogPage() override;

    void Fill() override;
    void UpdateEnabling() override;

private:
    void ConnectControls();

    std::unique_ptr<Ui::TS_Analog> ui_;
    // Each check box with the bit it shows.
    std::vector<std::pair<QCheckBox*, AttribBit>> bitChecks_;
    // Every control that follows CBX_AnalogDisp.
    std::vector<QWidget*> analogControls_;
};
