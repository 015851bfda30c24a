#include "dialogs/option_form.h"

#include "dialogs/dialog_look.h"
#include "dialogs/option_analog_page.h"
#include "dialogs/option_background_page.h"
#include "dialogs/option_controls.h"
#include "dialogs/option_digital_page.h"
#include "dialogs/option_other_page.h"
#include "dialogs/option_preview.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr int ClientWidth = 568;
constexpr int ClientHeight = 321;
// Where the preview square lies inside its group box.
const QPoint PreviewOrigin(3, 18);

int DisplayModeOf(const ClockSettings& settings) {
    if (settings.Has(TopMost)) {
        return 1;
    }
    return settings.Has(MouseHide) ? 2 : 0;
}

} // namespace

TOptionForm::TOptionForm(OptionFormHost& host, OptionChoosers& choosers, UserPrompt& prompt,
                         HelpViewer& help, LoginStart& loginStart, QWidget* parent)
    : QDialog(parent), host_(host), help_(help), copy_(host.WindowSettings()),
      editing_(copy_, choosers, [this] { ControlsChanged(); }),
      facePreview_(host.PictureDataFolder()) {
    setObjectName(QStringLiteral("OptionForm"));
    setWindowTitle(QStringLiteral("表示設定"));
    // A tool window without border icons: it is closed by its buttons or Esc.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    BuildPreview();
    BuildPages(prompt, loginStart);
    BuildButtons();
    FillControls();
    CentreOnDesktop(*this);
}

TOptionForm::~TOptionForm() = default;

void TOptionForm::BuildPreview() {
    GRP_Preview =
        MakeOptionGroup(QStringLiteral("プレビュー"), "GRP_Preview", this, QRect(2, 2, 266, 284));
    IMG_Preview = new OptionPreview(GRP_Preview);
    IMG_Preview->setGeometry(QRect(PreviewOrigin, QSize(PreviewSide, PreviewSide)));
}

void TOptionForm::BuildPages(UserPrompt& prompt, LoginStart& loginStart) {
    PG_Second = new QTabWidget(this);
    PG_Second->setObjectName(QStringLiteral("PG_Second"));
    PG_Second->setGeometry(271, 2, 295, 286);
    PG_Second->setUsesScrollButtons(false);

    auto* analog = new OptionAnalogPage(editing_, PG_Second);
    auto* digital = new OptionDigitalPage(editing_, PG_Second);
    auto* back = new OptionBackgroundPage(editing_, prompt, host_.PictureDataFolder(), PG_Second);
    otherPage_ = new OptionOtherPage(editing_, loginStart, prompt, PG_Second);
    PG_Second->addTab(analog, QStringLiteral("アナログ"));
    PG_Second->addTab(digital, QStringLiteral("デジタル"));
    PG_Second->addTab(back, QStringLiteral("背景画"));
    PG_Second->addTab(otherPage_, QStringLiteral("その他"));
    PG_Second->setCurrentWidget(back);
    pages_ = {analog, digital, back, otherPage_};
}

void TOptionForm::BuildButtons() {
    BTM_okclose =
        MakeOptionButton(QStringLiteral("設定"), "BTM_okclose", this, QRect(226, 292, 80, 24));
    BTM_Cansel =
        MakeOptionButton(QStringLiteral("キャンセル"), "BTM_Cansel", this, QRect(310, 292, 80, 24));
    BTM_reflect =
        MakeOptionButton(QStringLiteral("適用"), "BTM_reflect", this, QRect(394, 292, 80, 24));
    BTN_Help =
        MakeOptionButton(QStringLiteral("ヘルプ"), "BTN_Help", this, QRect(478, 292, 80, 24));
    BTM_reflect->setEnabled(false);

    connect(BTM_okclose, &QPushButton::clicked, this, &TOptionForm::OkClose);
    connect(BTM_Cansel, &QPushButton::clicked, this, &TOptionForm::reject);
    connect(BTM_reflect, &QPushButton::clicked, this, &TOptionForm::Apply);
    connect(BTN_Help, &QPushButton::clicked, this, [this] { help_.ShowTopic(HelpContext); });
}

void TOptionForm::FillControls() {
    editing_.SetInitialised(false);
    for (OptionPage* page : pages_) {
        page->Fill();
    }
    editing_.SetInitialised(true);
    for (OptionPage* page : pages_) {
        page->UpdateEnabling();
    }
}

void TOptionForm::ControlsChanged() {
    for (OptionPage* page : pages_) {
        page->UpdateEnabling();
    }
    RedrawPreview();
}

void TOptionForm::RedrawPreview() {
    const QRect area = FacePreview::PreviewArea(QSize(copy_.Width, copy_.Height), PreviewSide);
    IMG_Preview->setGeometry(area.translated(PreviewOrigin));
    IMG_Preview->Show(facePreview_.Compose(copy_, host_.CurrentClockTime(), host_.IconSources()));
    BTM_reflect->setEnabled(editing_.IsModified());
}

void TOptionForm::Apply() {
    ClockSettings& window = host_.WindowSettings();
    const bool pictureChanges = !copy_.Has(NoImage) && copy_.Image_File != window.Image_File;
    editing_.ClearModified();
    BTM_reflect->setEnabled(false);

    // The copy's picture list is the list box's content, in its order.
    window = copy_;
    host_.SaveSettings();
    host_.InvalidatePicture();
    copy_ = window;
    if (pictureChanges) {
        host_.DrawFaceNow();
        host_.FitWindowToPicture();
        // A later apply writes the copy again; it must not undo the fit.
        copy_.Width = window.Width;
        copy_.Height = window.Height;
    }
    // After the fit, so that the shape is cut to the window's new size.
    host_.ChooseWindowShape(window.Form_Window_Type);
    host_.SetRatioMenuItem(window.Has(NoImage) ? CommandState::Disabled : CommandState::Enabled);
    host_.SetDisplayMode(DisplayModeOf(window));
    otherPage_->ApplyLoginStart();
    RedrawPreview();
}

void TOptionForm::OkClose() {
    Apply();
    host_.SaveSettings();
    accept();
}

void TOptionForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        BTM_Cansel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TOptionForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RedrawPreview();
}

void TOptionForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        RedrawPreview();
    }
}
