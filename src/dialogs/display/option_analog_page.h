#pragma once

#include "dialogs/display/option_page.h"
#include "settings/clock_settings.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The tab "アナログ": whether and how the analog clock is drawn.
class OptionAnalogPage : public OptionPage {
    Q_OBJECT
public:
    OptionAnalogPage(OptionEditing& editing, QWidget* parent);

    void Fill() override;
    void UpdateEnabling() override;

private:
    void BuildControls();
    void BuildColourButtons();
    void ConnectControls();
    QCheckBox* BitCheck(const QString& caption, const char* name, const QRect& place,
                        AttribBit bit);

    QCheckBox* CBX_AnalogDisp = nullptr;
    QCheckBox* CBX_SecondHandDisp = nullptr;
    QCheckBox* CBX_MemoryDisp = nullptr;
    QComboBox* CMB_MemDesign = nullptr;
    QLabel* LBL_MemDesign = nullptr;
    QComboBox* CMB_MemInt = nullptr;
    QLabel* LBL_MemInt = nullptr;
    QCheckBox* CBX_StringDisp = nullptr;
    QPushButton* BTM_StringFont = nullptr;
    QCheckBox* CBX_AnalogFixWin = nullptr;
    QCheckBox* CBX_AnalogCenter = nullptr;
    QCheckBox* CBX_HandFill = nullptr;
    QLabel* LBL_LineWidth = nullptr;
    QSpinBox* UPD_LineWidth = nullptr;

    // Each check box with the bit it shows.
    std::vector<std::pair<QCheckBox*, AttribBit>> bitChecks_;
    // Every control that follows CBX_AnalogDisp.
    std::vector<QWidget*> analogControls_;
};
