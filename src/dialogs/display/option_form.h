// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/display/option_editing.h"
#include "dialogs/option_form_host.h"
#include "dialogs/settings_dialog.h"
#include "face/face_preview.h"
#include "platform/help_viewer.h"
#include "platform/user_prompt.h"
#include "settings/clock_settings.h"

#include <memory>
#include <vector>

class LoginStart;
class OptionOtherPage;
class OptionPage;

namespace Ui {
class OptionForm;
}

// The display settings dialog "表示設定". It edits a copy of the clock window's settings,
// shows it in a preview composed like the face, and writes it back on "適用" and "設定";
// "キャンセル" leaves the clock window as it was.
class TOptionForm : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 301;
    static constexpr int PreviewSide = 260;

    TOptionForm(OptionFormHost& host, Choosers& choosers, UserPrompt& prompt, HelpViewer& help,
                LoginStart& loginStart, QWidget* parent = nullptr);
    ~TOptionForm() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void AddPages(UserPrompt& prompt, LoginStart& loginStart);
    void ConnectButtons();
    void FillControls();
    void ControlsChanged();
    void RedrawPreview();

    // True when the applied settings were saved.
    bool Apply();
    void OkClose();

    OptionFormHost& host_;
    ClockSettings copy_;
    OptionEditing editing_;
    FacePreview facePreview_;

    std::unique_ptr<Ui::OptionForm> ui_;
    std::vector<OptionPage*> pages_;
    OptionOtherPage* otherPage_ = nullptr;
};
