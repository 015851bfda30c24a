#include "dialogs/notice_window.h"

#include "dialogs/dialog_look.h"
#include "face/default_icons.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int TopPanelHeight = 38;
constexpr int IconSize = 31;
constexpr QSize ButtonSize(75, 25);

} // namespace

NoticeWindow::NoticeWindow(const QString& objectName, const Layout& layout, QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("お知らせ By Zorbel"));
    // A tool window with only the system menu.
    Qt::WindowFlags flags =
        Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (layout.stacking == Stacking::StaysOnTop) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    setWindowFlags(flags);
    setFont(DialogFont());
    setFixedSize(layout.client);
    BuildControls(layout);
    CentreOnDesktop(*this);
}

void NoticeWindow::BuildControls(const Layout& layout) {
    const int width = layout.client.width();
    auto* top = new QFrame(this);
    top->setObjectName(QStringLiteral("PNL_Top"));
    top->setFrameShape(QFrame::Panel);
    top->setFrameShadow(QFrame::Raised);
    top->setGeometry(0, 0, width, TopPanelHeight);

    auto* title = new QLabel(layout.headline, top);
    title->setObjectName(QStringLiteral("StaticText1"));
    title->setGeometry(8, 0, width - IconSize - 16, TopPanelHeight);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* icon = new QLabel(top);
    icon->setObjectName(QStringLiteral("Image1"));
    InitFaceResources();
    icon->setPixmap(QIcon(ProgramIconPath()).pixmap(IconSize, IconSize));
    icon->setGeometry(width - IconSize - 4, (TopPanelHeight - IconSize) / 2, IconSize, IconSize);

    MM_Message = new QPlainTextEdit(this);
    MM_Message->setObjectName(QStringLiteral("MM_Message"));
    MM_Message->setGeometry(0, TopPanelHeight, width, layout.memoHeight);
    MM_Message->setFrameShape(QFrame::NoFrame);
    MM_Message->setReadOnly(true);
    MM_Message->setFocusPolicy(Qt::NoFocus);
    MM_Message->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixedPitch(QStringLiteral("ＭＳ ゴシック"));
    fixedPitch.setPixelSize(12);
    fixedPitch.setStyleHint(QFont::TypeWriter);
    fixedPitch.setFixedPitch(true);
    MM_Message->setFont(fixedPitch);

    AlarmClose = new QPushButton(QStringLiteral("確認"), this);
    AlarmClose->setObjectName(QStringLiteral("AlarmClose"));
    const int buttonTop = TopPanelHeight + layout.memoHeight;
    const int buttonSpace = layout.client.height() - buttonTop;
    AlarmClose->setGeometry((width - ButtonSize.width()) / 2,
                            buttonTop + (buttonSpace - ButtonSize.height()) / 2, ButtonSize.width(),
                            ButtonSize.height());
    AlarmClose->setDefault(true);
    // Esc, the close box and the button all end in reject(); the clock window closes its
    // side of the window protocol from finished().
    connect(AlarmClose, &QPushButton::clicked, this, &QDialog::reject);
}

void NoticeWindow::AppendLine(const QString& line) {
    MM_Message->appendPlainText(line);
    MM_Message->verticalScrollBar()->setValue(MM_Message->verticalScrollBar()->maximum());
}
