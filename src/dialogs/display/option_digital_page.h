// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/display/option_page.h"

#include <memory>

class OptionDigitalGroup;

namespace Ui {
class TS_Digital;
}

// The tab "デジタル": the time group and the date group side by side.
class OptionDigitalPage : public OptionPage {
    Q_OBJECT
public:
    OptionDigitalPage(OptionEditing& editing, QWidget* parent);
    ~OptionDigitalPage() override;

    void Fill() override;
    void UpdateEnabling() override;

private:
    std::unique_ptr<Ui::TS_Digital> ui_;
    OptionDigitalGroup* time_ = nullptr;
    OptionDigitalGroup* date_ = nullptr;
};
