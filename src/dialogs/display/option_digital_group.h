#pragma once

#include "dialogs/display/option_editing.h"
#include "settings/clock_settings.h"

#include <QGroupBox>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// What distinguishes the time group from the date group: names, captions, bits, fields.
struct DigitalGroupTraits {
    const char* groupName;
    QString caption;
    const char* dispName;
    QString dispCaption;
    const char* ledName;
    const char* fontRadioName;
    const char* detailName; // seconds or year box
    QString detailCaption;
    const char* fillName;
    const char* edgeColourName;
    const char* fillColourName;
    const char* widthSpinName;
    const char* widthEditName;
    const char* fontButtonName;
    const char* formatName;
    const char* translucentName;
    QString translucentCaption;
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
    QStringList formats;

    static DigitalGroupTraits Time();
    static DigitalGroupTraits Date();
};

// One block of the tab "デジタル", the time or the date: shown or not, segments ("LED風")
// or a font, and the settings of each style.
class OptionDigitalGroup : public QGroupBox {
    Q_OBJECT
public:
    OptionDigitalGroup(DigitalGroupTraits traits, OptionEditing& editing, QWidget* parent,
                       const QRect& place);

    void Fill();
    void UpdateEnabling();

private:
    void BuildControls();
    void ConnectControls();

    DigitalGroupTraits traits_;
    OptionEditing& editing_;

    QCheckBox* disp_ = nullptr;
    QRadioButton* led_ = nullptr;
    QRadioButton* fontRadio_ = nullptr;
    QCheckBox* detail_ = nullptr;
    QCheckBox* fill_ = nullptr;
    QPushButton* edgeColour_ = nullptr;
    QPushButton* fillColour_ = nullptr;
    QLabel* widthLabel_ = nullptr;
    QSpinBox* width_ = nullptr;
    QPushButton* fontButton_ = nullptr;
    QLabel* formatLabel_ = nullptr;
    QComboBox* format_ = nullptr;
    QCheckBox* translucent_ = nullptr;
};
