#include "dialogs/day_time_info_form.h"

#include "dialogs/dialog_look.h"
#include "face/default_icons.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 330;
constexpr int ClientHeight = 150;
constexpr int TopPanelHeight = 38;
constexpr int MemoHeight = 79;
constexpr int IconSize = 31;

} // namespace

TDayTimeInfoForm::TDayTimeInfoForm(const CorrectionState& state, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("DayTimeInfoForm"));
    setWindowTitle(QStringLiteral("お知らせ By Zorbel"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    BuildControls();
    CentreOnDesktop(*this);
    FormCreate(state);
}

void TDayTimeInfoForm::BuildControls() {
    auto* top = new QFrame(this);
    top->setObjectName(QStringLiteral("PNL_Top"));
    top->setFrameShape(QFrame::Panel);
    top->setFrameShadow(QFrame::Raised);
    top->setGeometry(0, 0, ClientWidth, TopPanelHeight);

    auto* title = new QLabel(QStringLiteral("時刻の補正・チェック by Zorbel"), top);
    title->setObjectName(QStringLiteral("StaticText1"));
    title->setGeometry(8, 0, ClientWidth - IconSize - 16, TopPanelHeight);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* icon = new QLabel(top);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(QIcon(ProgramIconPath()).pixmap(IconSize, IconSize));
    icon->setGeometry(ClientWidth - IconSize - 4, (TopPanelHeight - IconSize) / 2, IconSize,
                      IconSize);

    MM_Message = new QPlainTextEdit(this);
    MM_Message->setObjectName(QStringLiteral("MM_Message"));
    MM_Message->setGeometry(0, TopPanelHeight, ClientWidth, MemoHeight);
    MM_Message->setFrameShape(QFrame::NoFrame);
    MM_Message->setReadOnly(true);
    MM_Message->setFocusPolicy(Qt::NoFocus);
    MM_Message->setLineWrapMode(QPlainTextEdit::NoWrap);
    MM_Message->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont fixedPitch(QStringLiteral("ＭＳ ゴシック"));
    fixedPitch.setPixelSize(12);
    fixedPitch.setStyleHint(QFont::TypeWriter);
    fixedPitch.setFixedPitch(true);
    MM_Message->setFont(fixedPitch);

    AlarmClose = new QPushButton(QStringLiteral("確認"), this);
    AlarmClose->setObjectName(QStringLiteral("AlarmClose"));
    const int buttonTop = TopPanelHeight + MemoHeight;
    AlarmClose->setGeometry((ClientWidth - 75) / 2, buttonTop + (ClientHeight - buttonTop - 25) / 2,
                            75, 25);
    AlarmClose->setDefault(true);
    // Esc, the close box and the button all end in reject(); the clock window closes its
    // side of the protocol from finished().
    connect(AlarmClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TDayTimeInfoForm::FormCreate(const CorrectionState& state) {
    if (state.correctionTestMode) {
        MM_Message->appendPlainText(state.pcTimeText);
        MM_Message->appendPlainText(state.serverTimeText);
    } else {
        MM_Message->appendPlainText(state.correctionResultText);
    }
}
