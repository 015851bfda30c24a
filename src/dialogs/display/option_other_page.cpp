#include "dialogs/display/option_other_page.h"

#include "dialogs/display/option_controls.h"
#include "dialogs/display/option_editing.h"
#include "platform/login_start.h"
#include "platform/user_prompt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

enum DisplayMode { NormalMode = 0, TopMostMode = 1, MouseHideMode = 2 };
constexpr int RoundedRectangleShape = 2;

} // namespace

OptionOtherPage::OptionOtherPage(OptionEditing& editing, LoginStart& loginStart, UserPrompt& prompt,
                                 QWidget* parent)
    : OptionPage(editing, parent), loginStart_(loginStart), prompt_(prompt) {
    setObjectName(QStringLiteral("PG_Other"));
    BuildDisplayGroup();
    BuildShapeGroup();
    BuildIconGroup();
    BuildOtherGroup();
    ConnectControls();
}

void OptionOtherPage::BuildDisplayGroup() {
    QGroupBox* group = MakeOptionGroup(QStringLiteral("ウィンドウの表示方法"), "GRP_WindowDisp",
                                       this, QRect(2, 0, 287, 74));
    RB_Normal = MakeOptionRadio(QStringLiteral("普通"), "RB_Normal", group, QRect(8, 16, 60, 18));
    RB_TopMost = MakeOptionRadio(QStringLiteral("常に前面表示する"), "RB_TopMost", group,
                                 QRect(74, 16, 150, 18));
    RB_MouseHide = MakeOptionRadio(QStringLiteral("マウスカーソルでゾルベルを隠す"), "RB_MouseHide",
                                   group, QRect(8, 34, 240, 18));
    MakeOptionLabel(QStringLiteral("隠れている時間"), "LBL_HideTime", group, QRect(26, 54, 88, 16));
    UPD_HideTime =
        MakeOptionSpinner("UPD_HideTime", "EDT_HideTime", 0, 10, group, QRect(116, 52, 50, 20));
    MakeOptionLabel(QStringLiteral("秒"), "LBL_HideTimeUnit", group, QRect(170, 54, 20, 16));
}

void OptionOtherPage::BuildShapeGroup() {
    QGroupBox* group = MakeOptionGroup(QStringLiteral("ウィンドウの形状"), "GRP_WindowDesign", this,
                                       QRect(2, 76, 287, 56));
    RB_WinRect = MakeOptionRadio(QStringLiteral("普通"), "RB_WinRect", group, QRect(8, 16, 60, 18));
    RB_WinEllipse =
        MakeOptionRadio(QStringLiteral("円形"), "RB_WinEllipse", group, QRect(74, 16, 60, 18));
    RB_WinRoundRect = MakeOptionRadio(QStringLiteral("角の丸い四角形"), "RB_WinRoundRect", group,
                                      QRect(140, 16, 126, 18));
    LBL_RoundSize =
        MakeOptionLabel(QStringLiteral("丸み"), "LBL_RoundSize", group, QRect(26, 36, 30, 16));
    UPD_RoundSize =
        MakeOptionSpinner("UPD_RoundSize", "EDT_RoundSize", 0, 100, group, QRect(58, 34, 56, 20));
}

void OptionOtherPage::BuildIconGroup() {
    QGroupBox* group =
        MakeOptionGroup(QStringLiteral("アイコン"), "GRP_Icon", this, QRect(2, 134, 287, 56));
    CBX_LargeIcon = MakeOptionCheck(QStringLiteral("大きいアイコン"), "CBX_LargeIcon", group,
                                    QRect(8, 16, 160, 18));
    CBX_IconBkFill = MakeOptionCheck(QStringLiteral("アイコンの背景を塗りつぶす"), "CBX_IconBkFill",
                                     group, QRect(8, 35, 182, 18));
    BTN_IconBkColor = MakeOptionButton(QStringLiteral("塗り潰し色"), "BTN_IconBkColor", group,
                                       QRect(192, 32, 74, 22));
}

void OptionOtherPage::BuildOtherGroup() {
    QGroupBox* group =
        MakeOptionGroup(QStringLiteral("その他"), "GRP_Other", this, QRect(2, 192, 287, 66));
    // The tab has no room for another row: the login box shares the first one.
    CBX_DigiAna = MakeOptionCheck(QStringLiteral("デジタルを前面に描画"), "CBX_DigiAna", group,
                                  QRect(8, 15, 140, 17));
    CBX_StartAtLogin = MakeOptionCheck(QStringLiteral("ログイン時に起動する"), "CBX_StartAtLogin",
                                       group, QRect(149, 15, 134, 17));
    CBX_AnalogClear = MakeOptionCheck(QStringLiteral("時計の針、デジタル文字を半透明描画する"),
                                      "CBX_AnalogClear", group, QRect(8, 32, 260, 17));
    QLabel* note = MakeOptionLabel(QStringLiteral("※フォント指定の文字は透過されません"),
                                   "LBL_ClearNote", group, QRect(26, 49, 240, 14));
    note->setStyleSheet(QStringLiteral("color: red"));
}

void OptionOtherPage::ConnectControls() {
    auto* modes = new QButtonGroup(this);
    auto* shapes = new QButtonGroup(this);
    const std::array<QRadioButton*, 3> modeRadios = {RB_Normal, RB_TopMost, RB_MouseHide};
    const std::array<QRadioButton*, 3> shapeRadios = {RB_WinRect, RB_WinEllipse, RB_WinRoundRect};
    for (int i = 0; i < 3; ++i) {
        modes->addButton(modeRadios[i], i);
        shapes->addButton(shapeRadios[i], i);
    }
    connect(modes, &QButtonGroup::idToggled, this, [this](int mode, bool on) {
        if (on) {
            ChooseDisplayMode(mode);
        }
    });
    connect(shapes, &QButtonGroup::idToggled, this, [this](int shape, bool on) {
        if (on) {
            editing_.Edit(ApplyEffect::MarksModified,
                          [shape](ClockSettings& copy) { copy.Form_Window_Type = shape; });
        }
    });
    connect(UPD_HideTime, &QSpinBox::valueChanged, this, [this](int seconds) {
        editing_.Edit(ApplyEffect::MarksModified,
                      [seconds](ClockSettings& copy) { copy.WindowHideInterval = seconds; });
    });
    connect(UPD_RoundSize, &QSpinBox::valueChanged, this, [this](int size) {
        editing_.Edit(ApplyEffect::MarksModified,
                      [size](ClockSettings& copy) { copy.Rect_Raund_Size = size; });
    });
    connect(CBX_LargeIcon, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(LargeIcon, on); });
    connect(CBX_IconBkFill, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(IconBkFill, on); });
    connect(BTN_IconBkColor, &QPushButton::clicked, this, [this] {
        editing_.ChooseColour(this, &ClockSettings::IconBkColor, ChooserApply::WhenChosen);
    });
    // The drawing order is taken by "設定" but does not make "適用" available.
    connect(CBX_DigiAna, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(DigiAna, on, ApplyEffect::LeavesModified); });
    connect(CBX_AnalogClear, &QCheckBox::toggled, this,
            [this](bool on) { editing_.SetBit(AnalogClear, on); });
    connect(CBX_StartAtLogin, &QCheckBox::toggled, this,
            [this] { editing_.Changed(ApplyEffect::MarksModified); });
}

void OptionOtherPage::ApplyLoginStart() {
    const bool wanted = CBX_StartAtLogin->isChecked();
    if (wanted == loginStart_.IsEnabled()) {
        return;
    }
    if (!loginStart_.SetEnabled(wanted)) {
        prompt_.ShowMessage(
            QStringLiteral("警告"),
            QStringLiteral("ログイン時の起動を設定できません。\n%1").arg(loginStart_.Location()));
        // The box shows what the next login will do.
        const bool initialised = editing_.IsInitialised();
        editing_.SetInitialised(false);
        CBX_StartAtLogin->setChecked(loginStart_.IsEnabled());
        editing_.SetInitialised(initialised);
    }
}

void OptionOtherPage::ChooseDisplayMode(int mode) {
    editing_.Edit(ApplyEffect::MarksModified, [mode](ClockSettings& copy) {
        copy.Set(TopMost, mode == TopMostMode);
        copy.Set(MouseHide, mode == MouseHideMode);
    });
}

void OptionOtherPage::Fill() {
    const ClockSettings& copy = editing_.Copy();
    if (copy.Has(TopMost)) {
        RB_TopMost->setChecked(true);
    } else if (copy.Has(MouseHide)) {
        RB_MouseHide->setChecked(true);
    } else {
        RB_Normal->setChecked(true);
    }
    UPD_HideTime->setValue(copy.WindowHideInterval);
    const std::array<QRadioButton*, 3> shapeRadios = {RB_WinRect, RB_WinEllipse, RB_WinRoundRect};
    if (copy.Form_Window_Type >= 0 && copy.Form_Window_Type < int(shapeRadios.size())) {
        shapeRadios[copy.Form_Window_Type]->setChecked(true);
    }
    UPD_RoundSize->setValue(copy.Rect_Raund_Size);
    CBX_LargeIcon->setChecked(copy.Has(LargeIcon));
    CBX_IconBkFill->setChecked(copy.Has(IconBkFill));
    CBX_DigiAna->setChecked(copy.Has(DigiAna));
    CBX_AnalogClear->setChecked(copy.Has(AnalogClear));
    CBX_StartAtLogin->setChecked(loginStart_.IsEnabled());
}

void OptionOtherPage::UpdateEnabling() {
    const ClockSettings& copy = editing_.Copy();
    const bool rounded = copy.Form_Window_Type == RoundedRectangleShape;
    LBL_RoundSize->setEnabled(rounded);
    UPD_RoundSize->setEnabled(rounded);
    BTN_IconBkColor->setEnabled(copy.Has(IconBkFill));
    CBX_AnalogClear->setEnabled(copy.Has(AnalogDisp));
}
