#include "dialogs/alarm_form.h"

#include "dialogs/dialog_look.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace {

constexpr int ClientWidth = 448;
constexpr int ClientHeight = 235;
constexpr int TopPanelHeight = 38;
constexpr int MemoHeight = 163;

QPixmap ProgramIconPixmap(const QWidget& window) {
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) {
        icon = window.style()->standardIcon(QStyle::SP_MessageBoxInformation);
    }
    return icon.pixmap(31, 31);
}

} // namespace

TAlarmForm::TAlarmForm(ScheduleTable& table, const ClockTime& lastTick, SoundPlayer& sound,
                       AppLauncher& launcher, QWidget* parent)
    : QDialog(parent), collector_(table, lastTick, sound, launcher) {
    setObjectName(QStringLiteral("AlarmForm"));
    setWindowTitle(QStringLiteral("お知らせ By Zorbel"));
    // A tool window with only the system menu that stays above every other window.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    BuildControls();
    CentreOnDesktop(*this);
    CollectDueAlarms();
}

void TAlarmForm::BuildControls() {
    auto* top = new QFrame(this);
    top->setObjectName(QStringLiteral("PNL_Top"));
    top->setFrameShape(QFrame::Panel);
    top->setFrameShadow(QFrame::Raised);
    top->setGeometry(0, 0, ClientWidth, TopPanelHeight);

    auto* title = new QLabel(QStringLiteral("スケジュール通知 by Zorbel"), top);
    title->setObjectName(QStringLiteral("StaticText1"));
    title->setGeometry(8, 0, ClientWidth - 56, TopPanelHeight);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* icon = new QLabel(top);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(ProgramIconPixmap(*this));
    icon->setGeometry(ClientWidth - 31 - 4, (TopPanelHeight - 31) / 2, 31, 31);

    MM_Message = new QPlainTextEdit(this);
    MM_Message->setObjectName(QStringLiteral("MM_Message"));
    MM_Message->setGeometry(0, TopPanelHeight, ClientWidth, MemoHeight);
    MM_Message->setFrameShape(QFrame::NoFrame);
    MM_Message->setReadOnly(true);
    MM_Message->setFocusPolicy(Qt::ClickFocus);
    MM_Message->setLineWrapMode(QPlainTextEdit::NoWrap);
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
    // Esc reaches reject() through QDialog itself; the button and the close box end the same
    // way, and the clock window closes its side of the protocol from finished().
    connect(AlarmClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TAlarmForm::CollectDueAlarms() {
    for (const QString& line : collector_.CollectDueAlarms()) {
        MM_Message->appendPlainText(line);
    }
    MM_Message->verticalScrollBar()->setValue(MM_Message->verticalScrollBar()->maximum());
}
