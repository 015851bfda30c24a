#pragma once

#include "dialogs/display/option_page.h"
#include "settings/clock_settings.h"

#include <array>

class LoginStart;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class UserPrompt;

// The tab "その他": the window's display mode and shape, the icon bar, the drawing order
// and see-through drawing of the face, and whether the clock starts at login.
class OptionOtherPage : public OptionPage {
    Q_OBJECT
public:
    OptionOtherPage(OptionEditing& editing, LoginStart& loginStart, UserPrompt& prompt,
                    QWidget* parent);

    void Fill() override;
    void UpdateEnabling() override;
    // The login start is kept outside the settings: apply writes or removes it here.
    void ApplyLoginStart();

private:
    void BuildDisplayGroup();
    void BuildShapeGroup();
    void BuildIconGroup();
    void BuildOtherGroup();
    void ConnectControls();
    void ChooseDisplayMode(int mode);

    QRadioButton* RB_Normal = nullptr;
    QRadioButton* RB_TopMost = nullptr;
    QRadioButton* RB_MouseHide = nullptr;
    QSpinBox* UPD_HideTime = nullptr;
    QRadioButton* RB_WinRect = nullptr;
    QRadioButton* RB_WinEllipse = nullptr;
    QRadioButton* RB_WinRoundRect = nullptr;
    QLabel* LBL_RoundSize = nullptr;
    QSpinBox* UPD_RoundSize = nullptr;
    QCheckBox* CBX_LargeIcon = nullptr;
    QCheckBox* CBX_IconBkFill = nullptr;
    QPushButton* BTN_IconBkColor = nullptr;
    QCheckBox* CBX_DigiAna = nullptr;
    QCheckBox* CBX_AnalogClear = nullptr;
    QCheckBox* CBX_StartAtLogin = nullptr;

    LoginStart& loginStart_;
    UserPrompt& prompt_;
};
