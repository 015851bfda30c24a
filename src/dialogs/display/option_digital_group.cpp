// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_digital_group.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

DigitalGroupTraits DigitalGroupTraits::Time() {
    return {DigiTimeDisp,
            TimeFont,
            DigiTimeSecDisp,
            DigiTimeFill,
            ClockTranslucentBox,
            &ClockSettings::Digi_Edge_Color,
            &ClockSettings::Digi_Color,
            &ClockSettings::Digi_Width,
            {&ClockSettings::DigiTimeFontName, &ClockSettings::DigiTimeFontSize,
             &ClockSettings::DigiTimeFontColor, &ClockSettings::DigiTimeFontStyle},
            &ClockSettings::DigiTimeDispType};
}

DigitalGroupTraits DigitalGroupTraits::Date() {
    return {DigiDateDisp,
            DateFont,
            DigiDateScene,
            DigiDateFill,
            DateTranslucentBox,
            &ClockSettings::Date_Edge_Color,
            &ClockSettings::Date_Color,
            &ClockSettings::Date_Width,
            {&ClockSettings::DigiDateFontName, &ClockSettings::DigiDateFontSize,
             &ClockSettings::DigiDateFontColor, &ClockSettings::DigiDateFontStyle},
            &ClockSettings::DigiDateDispType};
}

OptionDigitalGroup::OptionDigitalGroup(DigitalGroupTraits traits,
                                       const DigitalGroupControls& controls, OptionEditing& editing,
                                       QObject* parent)
    : QObject(parent), traits_(std::move(traits)), controls_(controls), editing_(editing) {
    // The two radios are one choice, apart from any other radio of the tab.
    auto* style = new QButtonGroup(controls_.group);
    style->addButton(controls_.led);
    style->addButton(controls_.fontRadio);
    ConnectControls();
}

void OptionDigitalGroup::ConnectControls() {
    QWidget* group = controls_.group;
    connect(controls_.disp, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(traits_.dispBit, on); });
    // Going back to the segments is taken by "設定" but does not make "適用" available.
    connect(controls_.led, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            editing_.SetBit(traits_.fontBit, false, ApplyEffect::LeavesModified);
        }
    });
    connect(controls_.fontRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            editing_.SetBit(traits_.fontBit, true);
        }
    });
    connect(controls_.detail, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(traits_.detailBit, on); });
    connect(controls_.fill, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(traits_.fillBit, on); });
    connect(controls_.edgeColour, &QPushButton::clicked, this, [this, group] {
        editing_.ChooseColour(group, traits_.edgeColour, ChooserApply::Always);
    });
    connect(controls_.fillColour, &QPushButton::clicked, this, [this, group] {
        editing_.ChooseColour(group, traits_.fillColour, ChooserApply::Always);
    });
    connect(controls_.width, &QSpinBox::valueChanged, this, [this](int value) {
        editing_.Edit(ApplyEffect::MarksModified,
                      [this, value](ClockSettings& copy) { copy.*traits_.width = value; });
    });
    connect(controls_.translucent, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(traits_.translucentBit, on); });
    connect(controls_.fontButton, &QPushButton::clicked, this,
            [this, group] { editing_.ChooseFont(group, traits_.font, ChooserApply::Always); });
    connect(controls_.format, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            editing_.Edit(ApplyEffect::MarksModified, [this, index](ClockSettings& copy) {
                copy.*traits_.formatIndex = index;
            });
        }
    });
}

void OptionDigitalGroup::Fill() {
    const ClockSettings& copy = editing_.Copy();
    controls_.disp->setChecked(copy.Has(traits_.dispBit));
    (copy.Has(traits_.fontBit) ? controls_.fontRadio : controls_.led)->setChecked(true);
    controls_.detail->setChecked(copy.Has(traits_.detailBit));
    controls_.fill->setChecked(copy.Has(traits_.fillBit));
    controls_.translucent->setChecked(copy.Has(traits_.translucentBit));
    controls_.width->setValue(copy.*traits_.width);
    const int formatIndex = copy.*traits_.formatIndex;
    // An index the list does not hold shows the first item; the copy keeps its value.
    QComboBox* format = controls_.format;
    format->setCurrentIndex(formatIndex >= 0 && formatIndex < format->count() ? formatIndex : 0);
}

void OptionDigitalGroup::UpdateEnabling() {
    const ClockSettings& copy = editing_.Copy();
    const bool shown = copy.Has(traits_.dispBit);
    const bool segments = shown && !copy.Has(traits_.fontBit);
    const bool font = shown && copy.Has(traits_.fontBit);
    controls_.led->setEnabled(shown);
    controls_.fontRadio->setEnabled(shown);
    controls_.translucent->setEnabled(shown);
    for (QWidget* control : std::initializer_list<QWidget*>{
             controls_.detail, controls_.fill, controls_.edgeColour, controls_.fillColour,
             controls_.widthLabel, controls_.width}) {
        control->setEnabled(segments);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             controls_.fontButton, controls_.formatLabel, controls_.format}) {
        control->setEnabled(font);
    }
}
