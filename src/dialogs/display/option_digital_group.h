// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/display/option_editing.h"
#include "settings/clock_settings.h"

#include <QObject>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The controls of one block, as its page's form lays them out.
struct DigitalGroupControls {
    QGroupBox* group;
    QCheckBox* disp;
    QRadioButton* led;
    QRadioButton* fontRadio;
    QCheckBox* detail; // seconds or year box
    QCheckBox* fill;
    QPushButton* edgeColour;
    QPushButton* fillColour;
    QLabel* widthLabel;
    QSpinBox* width;
    QPushButton* fontButton;
    QLabel* formatLabel;
    QComboBox* format;
    QCheckBox* translucent;
};

// What distinguishes the time block from the date block: the bits and fields it edits.
struct DigitalGroupTraits {
    AttribBit dispBit;
    AttribBit fontBit;
    AttribBit detailBit;
    AttribBit fillBit;
    AttribBit translucentBit; // stored for the user, read by nothing else
    Colour ClockSettings::*edgeColour;
    Colour ClockSettings::*fillColour;
    int ClockSettings::*width;
    FontFields font;
    int ClockSettings::*formatIndex;

    static DigitalGroupTraits Time();
    static DigitalGroupTraits Date();
};

// One block of the tab "デジタル", the time or the date: shown or not, segments ("LED風")
// or a font, and the settings of each style.
class OptionDigitalGroup : public QObject {
    Q_OBJECT
public:
    OptionDigitalGroup(DigitalGroupTraits traits, const DigitalGroupControls& controls,
                       OptionEditing& editing, QObject* parent);

    void Fill();
    void UpdateEnabling();

private:
    void ConnectControls();

    DigitalGroupTraits traits_;
    DigitalGroupControls controls_;
    OptionEditing& editing_;
};
