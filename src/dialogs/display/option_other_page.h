// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/display/option_page.h"
#include "settings/clock_settings.h"

#include <array>
#include <memory>

class LoginStart;
class UserPrompt;

namespace Ui {
class PG_Other;
}

// The tab "その他": the window's display mode and shape, the icon bar, the drawing order
// and see-through drawing of the face, and whether the clock starts at login.
class OptionOtherPage : public OptionPage {
    Q_OBJECT
public:
    OptionOtherPage(OptionEditing& editing, LoginStart& loginStart, UserPrompt& prompt,
                    QWidget* parent);
    ~OptionOtherPage() override;

    void Fill() override;
    void UpdateEnabling() override;
    // The login start is kept outside the settings: apply writes or removes it here.
    void ApplyLoginStart();

private:
    void ConnectControls();
    void ChooseDisplayMode(int mode);

    std::unique_ptr<Ui::PG_Other> ui_;
    LoginStart& loginStart_;
    UserPrompt& prompt_;
};
