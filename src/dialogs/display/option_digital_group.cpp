#include "dialogs/display/option_digital_group.h"

#include "dialogs/display/option_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

QStringList FromUtf16(std::initializer_list<const char16_t*> texts) {
    QStringList list;
    for (const char16_t* text : texts) {
        list.append(QString::fromUtf16(text));
    }
    return list;
}

} // namespace

DigitalGroupTraits DigitalGroupTraits::Time() {
    return {"GRP_DigiTime",
            QStringLiteral("時計"),
            "CBX_DigiTimeDisp",
            QStringLiteral("時計を表示する"),
            "RB_TimeLED",
            "RB_TimeFont",
            "CBX_DigiTimeSecDisp",
            QStringLiteral("秒を表示する"),
            "CBX_DigiTimeFill",
            "BTN_DigiTimeEdgeColor",
            "BTN_DigiTimeColor",
            "UPD_DigiTimeWidth",
            "EDT_DigiTimeWidth",
            "BTN_DigiTime",
            "CBX_DigiTimeFontDispType",
            "CBX_ClockTranslucent",
            QStringLiteral("半透明（時計）"),
            DigiTimeDisp,
            TimeFont,
            DigiTimeSecDisp,
            DigiTimeFill,
            ClockTranslucentBox,
            &ClockSettings::Digi_Edge_Color,
            &ClockSettings::Digi_Color,
            &ClockSettings::Digi_Width,
            {&ClockSettings::DigiTimeFontName, &ClockSettings::DigiTimeFontSize,
             &ClockSettings::DigiTimeFontColor, &ClockSettings::DigiTimeFontStyle},
            &ClockSettings::DigiTimeDispType,
            FromUtf16({u"15:45", u"3:15 PM", u"15:45.25", u"15時45分", u"15時45分25秒"})};
}

DigitalGroupTraits DigitalGroupTraits::Date() {
    return {"GRP_DigiDate",
            QStringLiteral("日付"),
            "CBX_DigiDateDisp",
            QStringLiteral("日付を表示する"),
            "RB_DateLED",
            "RB_DateFont",
            "CBX_DigiDateScene",
            QStringLiteral("西暦を表示する"),
            "CBX_DigiDateFill",
            "BTN_DigiDateEdgeColor",
            "BTN_DigiDateColor",
            "UPD_DateWidth",
            "EDT_DateWidth",
            "BTN_DigiDate",
            "CBX_DigiDateFontDispType",
            "CBX_DateTranslucent",
            QStringLiteral("半透明（日付）"),
            DigiDateDisp,
            DateFont,
            DigiDateScene,
            DigiDateFill,
            DateTranslucentBox,
            &ClockSettings::Date_Edge_Color,
            &ClockSettings::Date_Color,
            &ClockSettings::Date_Width,
            {&ClockSettings::DigiDateFontName, &ClockSettings::DigiDateFontSize,
             &ClockSettings::DigiDateFontColor, &ClockSettings::DigiDateFontStyle},
            &ClockSettings::DigiDateDispType,
            FromUtf16({u"平13.8.24", u"平13.8.24(金)", u"平成13年8月24日", u"平成13年8月24日(金)",
                       u"2001年8月24日", u"2001年8月24日(金)", u"01年8月24日", u"01年8月24日(金)",
                       u"2001/8/24", u"2001/8/24(金)", u"01/8/24", u"01/8/24(金)", u"24-Aug-01",
                       u"24-Aug-01(Fri)"})};
}

OptionDigitalGroup::OptionDigitalGroup(DigitalGroupTraits traits, OptionEditing& editing,
                                       QWidget* parent, const QRect& place)
    : QGroupBox(traits.caption, parent), traits_(std::move(traits)), editing_(editing) {
    setObjectName(QString::fromLatin1(traits_.groupName));
    setGeometry(place);
    BuildControls();
    ConnectControls();
}

void OptionDigitalGroup::BuildControls() {
    // Fixed rows from the top; the format list takes the whole width, as the date formats
    // are long.
    const int inner = width() - 16;
    disp_ = MakeOptionCheck(traits_.dispCaption, traits_.dispName, this, QRect(8, 18, inner, 18));
    led_ = MakeOptionRadio(QStringLiteral("LED風"), traits_.ledName, this, QRect(8, 38, inner, 18));
    fontRadio_ = MakeOptionRadio(QStringLiteral("フォント"), traits_.fontRadioName, this,
                                 QRect(8, 56, inner, 18));
    // The two radios are one choice, apart from any other radio of the tab.
    auto* style = new QButtonGroup(this);
    style->addButton(led_);
    style->addButton(fontRadio_);

    detail_ =
        MakeOptionCheck(traits_.detailCaption, traits_.detailName, this, QRect(8, 76, inner, 18));
    fill_ = MakeOptionCheck(QStringLiteral("塗りつぶす"), traits_.fillName, this,
                            QRect(8, 94, inner, 18));
    edgeColour_ = MakeOptionButton(QStringLiteral("縁の色"), traits_.edgeColourName, this,
                                   QRect(8, 114, 54, 22));
    fillColour_ = MakeOptionButton(QStringLiteral("塗り潰し色"), traits_.fillColourName, this,
                                   QRect(64, 114, 64, 22));
    widthLabel_ = MakeOptionLabel(QStringLiteral("太さ"), nullptr, this, QRect(8, 143, 30, 16));
    width_ = MakeOptionSpinner(traits_.widthSpinName, traits_.widthEditName, 1, 10, this,
                               QRect(40, 140, 50, 22));
    fontButton_ = MakeOptionButton(QStringLiteral("フォントの種類"), traits_.fontButtonName, this,
                                   QRect(8, 166, inner, 22));
    formatLabel_ =
        MakeOptionLabel(QStringLiteral("表示形式"), nullptr, this, QRect(8, 194, inner, 16));
    format_ =
        MakeOptionCombo(traits_.formats, traits_.formatName, this, QRect(4, 211, width() - 8, 22));
    translucent_ = MakeOptionCheck(traits_.translucentCaption, traits_.translucentName, this,
                                   QRect(8, 237, inner, 18));
}

void OptionDigitalGroup::ConnectControls() {
    connect(disp_, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(traits_.dispBit, on); });
    // Going back to the segments is taken by "設定" but does not make "適用" available.
    connect(led_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            editing_.SetBit(traits_.fontBit, false, ApplyEffect::LeavesModified);
        }
    });
    connect(fontRadio_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            editing_.SetBit(traits_.fontBit, true);
        }
    });
    connect(detail_, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(traits_.detailBit, on); });
    connect(fill_, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(traits_.fillBit, on); });
    connect(edgeColour_, &QPushButton::clicked, this,
            [this] { editing_.ChooseColour(this, traits_.edgeColour, ChooserApply::Always); });
    connect(fillColour_, &QPushButton::clicked, this,
            [this] { editing_.ChooseColour(this, traits_.fillColour, ChooserApply::Always); });
    connect(width_, &QSpinBox::valueChanged, this, [this](int value) {
        editing_.Edit(ApplyEffect::MarksModified,
                      [this, value](ClockSettings& copy) { copy.*traits_.width = value; });
    });
    connect(translucent_, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(traits_.translucentBit, on); });
    connect(fontButton_, &QPushButton::clicked, this,
            [this] { editing_.ChooseFont(this, traits_.font, ChooserApply::Always); });
    connect(format_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            editing_.Edit(ApplyEffect::MarksModified, [this, index](ClockSettings& copy) {
                copy.*traits_.formatIndex = index;
            });
        }
    });
}

void OptionDigitalGroup::Fill() {
    const ClockSettings& copy = editing_.Copy();
    disp_->setChecked(copy.Has(traits_.dispBit));
    (copy.Has(traits_.fontBit) ? fontRadio_ : led_)->setChecked(true);
    detail_->setChecked(copy.Has(traits_.detailBit));
    fill_->setChecked(copy.Has(traits_.fillBit));
    translucent_->setChecked(copy.Has(traits_.translucentBit));
    width_->setValue(copy.*traits_.width);
    const int formatIndex = copy.*traits_.formatIndex;
    // An index the list does not hold shows the first item; the copy keeps its value.
    format_->setCurrentIndex(formatIndex >= 0 && formatIndex < format_->count() ? formatIndex : 0);
}

void OptionDigitalGroup::UpdateEnabling() {
    const ClockSettings& copy = editing_.Copy();
    const bool shown = copy.Has(traits_.dispBit);
    const bool segments = shown && !copy.Has(traits_.fontBit);
    const bool font = shown && copy.Has(traits_.fontBit);
    led_->setEnabled(shown);
    fontRadio_->setEnabled(shown);
    translucent_->setEnabled(shown);
    for (QWidget* control : std::initializer_list<QWidget*>{detail_, fill_, edgeColour_,
                                                            fillColour_, widthLabel_, width_}) {
        control->setEnabled(segments);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{fontButton_, formatLabel_, format_}) {
        control->setEnabled(font);
    }
}
