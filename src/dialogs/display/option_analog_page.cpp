// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_analog_page.h"

#include "dialogs/display/option_editing.h"
#include "ui_option_analog_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 3> MarkIntervals = {1, 5, 15};

int IntervalIndexOf(int minutes) {
    const auto found = std::find(MarkIntervals.begin(), MarkIntervals.end(), minutes);
    return found == MarkIntervals.end() ? -1 : int(found - MarkIntervals.begin());
}

struct ColourButton {
    QPushButton* Ui::TS_Analog::*button;
    Colour ClockSettings::*field;
};

// Two columns of hand colours, then the marks; a cancelled chooser changes nothing here.
constexpr ColourButton ColourButtons[] = {
    {&Ui::TS_Analog::BTN_LongEdgeColor, &ClockSettings::SL_Color},
    {&Ui::TS_Analog::BTN_LongColor, &ClockSettings::SL_In_Color},
    {&Ui::TS_Analog::BTN_SecondColor, &ClockSettings::SS_Color},
    {&Ui::TS_Analog::BTN_ShortEdgeColor, &ClockSettings::SE_Color},
    {&Ui::TS_Analog::BTN_ShortColor, &ClockSettings::SE_In_Color},
    {&Ui::TS_Analog::BTN_MemBigColor, &ClockSettings::SM_Point_Color},
    {&Ui::TS_Analog::BTN_MemSmallColor, &ClockSettings::SM_Color},
};

const FontFields NumeralFont{&ClockSettings::FontName, &ClockSettings::FontSize,
                             &ClockSettings::FontColor, &ClockSettings::FontStyle};

} // namespace

OptionAnalogPage::OptionAnalogPage(OptionEditing& editing, QWidget* parent)
    : OptionPage(editing, parent), ui_(std::make_unique<Ui::TS_Analog>()) {
    ui_->setupUi(this);
    bitChecks_ = {{ui_->CBX_AnalogDisp, AnalogDisp},     {ui_->CBX_SecondHandDisp, SecondHandDisp},
                  {ui_->CBX_MemoryDisp, MemoryDisp},     {ui_->CBX_StringDisp, StringDisp},
                  {ui_->CBX_AnalogFixWin, AnalogFixWin}, {ui_->CBX_AnalogCenter, AnalogCenter},
                  {ui_->CBX_HandFill, HandFill}};
    analogControls_ = {ui_->CBX_SecondHandDisp, ui_->CBX_MemoryDisp, ui_->CMB_MemDesign,
                       ui_->LBL_MemDesign,      ui_->CMB_MemInt,     ui_->LBL_MemInt,
                       ui_->CBX_StringDisp,     ui_->BTM_StringFont, ui_->CBX_AnalogFixWin,
                       ui_->CBX_AnalogCenter,   ui_->CBX_HandFill,   ui_->LBL_LineWidth,
                       ui_->UPD_LineWidth};
    for (const ColourButton& entry : ColourButtons) {
        analogControls_.push_back((*ui_).*entry.button);
    }
    ConnectControls();
}

OptionAnalogPage::~OptionAnalogPage() = default;

void OptionAnalogPage::ConnectControls() {
    for (const auto& [check, bit] : bitChecks_) {
        connect(check, &QCheckBox::toggled, this,
                [this, bit = bit](bool on) { editing_.SetBit(bit, on); });
    }
    for (const ColourButton& entry : ColourButtons) {
        connect((*ui_).*entry.button, &QPushButton::clicked, this, [this, field = entry.field] {
            editing_.ChooseColour(this, field, ChooserApply::WhenChosen);
        });
    }
    connect(ui_->CMB_MemDesign, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            editing_.Edit(ApplyEffect::MarksModified,
                          [index](ClockSettings& copy) { copy.MemPoint_Design = index; });
        }
    });
    connect(ui_->CMB_MemInt, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            editing_.Edit(ApplyEffect::MarksModified, [index](ClockSettings& copy) {
                copy.Mem_Interval = MarkIntervals[index];
            });
        }
    });
    // The numeral font is taken by "設定" but does not make "適用" available.
    connect(ui_->BTM_StringFont, &QPushButton::clicked, this,
            [this] { editing_.ChooseFont(this, NumeralFont, ChooserApply::Never); });
    connect(ui_->UPD_LineWidth, &QSpinBox::valueChanged, this, [this](int value) {
        editing_.Edit(ApplyEffect::MarksModified,
                      [value](ClockSettings& copy) { copy.Line_Width = value; });
    });
}

void OptionAnalogPage::Fill() {
    ClockSettings& copy = editing_.Copy();
    // Values the lists do not offer are replaced, so that the copy says what the dialog shows.
    if (copy.MemPoint_Design < 0 || copy.MemPoint_Design >= ui_->CMB_MemDesign->count()) {
        copy.MemPoint_Design = 0;
    }
    if (IntervalIndexOf(copy.Mem_Interval) < 0) {
        copy.Mem_Interval = 1;
    }
    for (const auto& [check, bit] : bitChecks_) {
        check->setChecked(copy.Has(bit));
    }
    ui_->CMB_MemDesign->setCurrentIndex(copy.MemPoint_Design);
    ui_->CMB_MemInt->setCurrentIndex(IntervalIndexOf(copy.Mem_Interval));
    ui_->UPD_LineWidth->setValue(copy.Line_Width);
}

void OptionAnalogPage::UpdateEnabling() {
    const ClockSettings& copy = editing_.Copy();
    const bool shown = copy.Has(AnalogDisp);
    for (QWidget* control : analogControls_) {
        control->setEnabled(shown);
    }
    const bool marks = shown && copy.Has(MemoryDisp);
    for (QWidget* control :
         {static_cast<QWidget*>(ui_->CMB_MemDesign), static_cast<QWidget*>(ui_->LBL_MemDesign),
          static_cast<QWidget*>(ui_->CMB_MemInt), static_cast<QWidget*>(ui_->LBL_MemInt)}) {
        control->setEnabled(marks);
    }
    ui_->BTM_StringFont->setEnabled(shown && copy.Has(StringDisp));
}
