#include "dialogs/display/option_analog_page.h"

#include "dialogs/display/option_controls.h"
#include "dialogs/display/option_editing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 3> MarkIntervals = {1, 5, 15};

int IntervalIndexOf(int minutes) {
    const auto found = std::find(MarkIntervals.begin(), MarkIntervals.end(), minutes);
    return found == MarkIntervals.end() ? -1 : int(found - MarkIntervals.begin());
}

struct ColourButton {
    const char16_t* caption;
    const char* name;
    Colour ClockSettings::*field;
};

// Two columns of hand colours, then the marks; a cancelled chooser changes nothing here.
constexpr ColourButton ColourButtons[] = {
    {u"長針（枠色）", "BTN_LongEdgeColor", &ClockSettings::SL_Color},
    {u"長針（塗潰色）", "BTN_LongColor", &ClockSettings::SL_In_Color},
    {u"秒針色", "BTN_SecondColor", &ClockSettings::SS_Color},
    {u"短針(枠色)", "BTN_ShortEdgeColor", &ClockSettings::SE_Color},
    {u"短針（塗潰色）", "BTN_ShortColor", &ClockSettings::SE_In_Color},
    {u"メモリ色(大)", "BTN_MemBigColor", &ClockSettings::SM_Point_Color},
    {u"メモリ色(小)", "BTN_MemSmallColor", &ClockSettings::SM_Color},
};

const FontFields NumeralFont{&ClockSettings::FontName, &ClockSettings::FontSize,
                             &ClockSettings::FontColor, &ClockSettings::FontStyle};

} // namespace

OptionAnalogPage::OptionAnalogPage(OptionEditing& editing, QWidget* parent)
    : OptionPage(editing, parent) {
    setObjectName(QStringLiteral("TS_Analog"));
    BuildControls();
    BuildColourButtons();
    ConnectControls();
}

QCheckBox* OptionAnalogPage::BitCheck(const QString& caption, const char* name, const QRect& place,
                                      AttribBit bit) {
    QCheckBox* check = MakeOptionCheck(caption, name, this, place);
    bitChecks_.emplace_back(check, bit);
    connect(check, &QCheckBox::toggled, this, [this, bit](bool on) { editing_.SetBit(bit, on); });
    return check;
}

void OptionAnalogPage::BuildControls() {
    CBX_AnalogDisp =
        BitCheck(QStringLiteral("表示する"), "CBX_AnalogDisp", QRect(6, 4, 96, 18), AnalogDisp);
    CBX_SecondHandDisp = BitCheck(QStringLiteral("秒針表示"), "CBX_SecondHandDisp",
                                  QRect(120, 4, 96, 18), SecondHandDisp);
    CBX_MemoryDisp = BitCheck(QStringLiteral("メモリを表示する"), "CBX_MemoryDisp",
                              QRect(6, 24, 150, 18), MemoryDisp);

    CMB_MemDesign = MakeOptionCombo({QStringLiteral("線"), QStringLiteral("四角"),
                                     QStringLiteral("ひし形"), QStringLiteral("丸")},
                                    "CMB_MemDesign", this, QRect(22, 44, 64, 20));
    LBL_MemDesign = MakeOptionLabel(QStringLiteral("(区切り形状)"), "LBL_MemDesign", this,
                                    QRect(88, 46, 66, 16));
    CMB_MemInt = MakeOptionCombo({QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("15")},
                                 "CMB_MemInt", this, QRect(160, 44, 46, 20));
    LBL_MemInt = MakeOptionLabel(QStringLiteral("(間隔:分単位)"), "LBL_MemInt", this,
                                 QRect(208, 46, 80, 16));

    CBX_StringDisp = BitCheck(QStringLiteral("文字盤を表示する"), "CBX_StringDisp",
                              QRect(6, 70, 150, 18), StringDisp);
    BTM_StringFont = MakeOptionButton(QStringLiteral("フォントの種類"), "BTM_StringFont", this,
                                      QRect(170, 67, 104, 22));
    CBX_AnalogFixWin = BitCheck(QStringLiteral("時計の大きさをウィンドウの大きさに合わせる"),
                                "CBX_AnalogFixWin", QRect(6, 94, 272, 18), AnalogFixWin);
    CBX_AnalogCenter = BitCheck(QStringLiteral("時計中心はウィンドウの中心に合わせる"),
                                "CBX_AnalogCenter", QRect(6, 114, 272, 18), AnalogCenter);
    CBX_HandFill = BitCheck(QStringLiteral("針は塗り潰して描画"), "CBX_HandFill",
                            QRect(6, 136, 150, 18), HandFill);
    LBL_LineWidth =
        MakeOptionLabel(QStringLiteral("縁の太さ"), "LBL_LineWidth", this, QRect(170, 137, 52, 16));
    UPD_LineWidth =
        MakeOptionSpinner("UPD_LineWidth", "EDT_LineWidth", 1, 10, this, QRect(224, 134, 50, 22));

    analogControls_ = {CBX_SecondHandDisp, CBX_MemoryDisp,   CMB_MemDesign,  LBL_MemDesign,
                       CMB_MemInt,         LBL_MemInt,       CBX_StringDisp, BTM_StringFont,
                       CBX_AnalogFixWin,   CBX_AnalogCenter, CBX_HandFill,   LBL_LineWidth,
                       UPD_LineWidth};
}

void OptionAnalogPage::BuildColourButtons() {
    constexpr int columns = 3;
    for (int i = 0; i < int(std::size(ColourButtons)); ++i) {
        const ColourButton& entry = ColourButtons[i];
        const QRect place(6 + (i % columns) * 90, 164 + (i / columns) * 26, 88, 24);
        QPushButton* button =
            MakeOptionButton(QString::fromUtf16(entry.caption), entry.name, this, place);
        connect(button, &QPushButton::clicked, this, [this, field = entry.field] {
            editing_.ChooseColour(this, field, ChooserApply::WhenChosen);
        });
        analogControls_.push_back(button);
    }
}

void OptionAnalogPage::ConnectControls() {
    connect(CMB_MemDesign, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            editing_.Edit(ApplyEffect::MarksModified,
                          [index](ClockSettings& copy) { copy.MemPoint_Design = index; });
        }
    });
    connect(CMB_MemInt, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            editing_.Edit(ApplyEffect::MarksModified, [index](ClockSettings& copy) {
                copy.Mem_Interval = MarkIntervals[index];
            });
        }
    });
    // The numeral font is taken by "設定" but does not make "適用" available.
    connect(BTM_StringFont, &QPushButton::clicked, this,
            [this] { editing_.ChooseFont(this, NumeralFont, ChooserApply::Never); });
    connect(UPD_LineWidth, &QSpinBox::valueChanged, this, [this](int value) {
        editing_.Edit(ApplyEffect::MarksModified,
                      [value](ClockSettings& copy) { copy.Line_Width = value; });
    });
}

void OptionAnalogPage::Fill() {
    ClockSettings& copy = editing_.Copy();
    // Values the lists do not offer are replaced, so that the copy says what the dialog shows.
    if (copy.MemPoint_Design < 0 || copy.MemPoint_Design >= CMB_MemDesign->count()) {
        copy.MemPoint_Design = 0;
    }
    if (IntervalIndexOf(copy.Mem_Interval) < 0) {
        copy.Mem_Interval = 1;
    }
    for (const auto& [check, bit] : bitChecks_) {
        check->setChecked(copy.Has(bit));
    }
    CMB_MemDesign->setCurrentIndex(copy.MemPoint_Design);
    CMB_MemInt->setCurrentIndex(IntervalIndexOf(copy.Mem_Interval));
    UPD_LineWidth->setValue(copy.Line_Width);
}

void OptionAnalogPage::UpdateEnabling() {
    const ClockSettings& copy = editing_.Copy();
    const bool shown = copy.Has(AnalogDisp);
    for (QWidget* control : analogControls_) {
        control->setEnabled(shown);
    }
    const bool marks = shown && copy.Has(MemoryDisp);
    for (QWidget* control :
         {static_cast<QWidget*>(CMB_MemDesign), static_cast<QWidget*>(LBL_MemDesign),
          static_cast<QWidget*>(CMB_MemInt), static_cast<QWidget*>(LBL_MemInt)}) {
        control->setEnabled(marks);
    }
    BTM_StringFont->setEnabled(shown && copy.Has(StringDisp));
}
