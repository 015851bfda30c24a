#include "dialogs/about_form.h"

#include "core/program_version.h"
#include "dialogs/dialog_look.h"
#include "face/default_icons.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr int ClientWidth = 242;
constexpr int ClientHeight = 192;

} // namespace

TAbout_Form::TAbout_Form(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About_Form"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    // A dialog frame with only the system menu, above every other window.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    BuildControls();
    CentreOnDesktop(*this);
}

void TAbout_Form::BuildControls() {
    Logo_Image = new QLabel(this);
    Logo_Image->setObjectName(QStringLiteral("Logo_Image"));
    const QPixmap logo = LogoWithCornerIcon();
    Logo_Image->setPixmap(logo);
    // The picture sets the control's size.
    Logo_Image->setGeometry(QRect(QPoint(0, 0), logo.size()));
    Logo_Image->installEventFilter(this);

    Version = new QLabel(QString::fromLatin1(ProgramVersion), this);
    Version->setObjectName(QStringLiteral("Version"));
    QFont versionFont = font();
    versionFont.setPixelSize(24);
    versionFont.setBold(true);
    versionFont.setItalic(true);
    Version->setFont(versionFont);
    // Light on the logo's dark ground.
    QPalette versionColours = Version->palette();
    versionColours.setColor(QPalette::WindowText, Qt::white);
    Version->setPalette(versionColours);
    Version->setAttribute(Qt::WA_TranslucentBackground);
    Version->setAutoFillBackground(false);
    Version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Version->setGeometry(150, 150, 80, 32);
    // A click on the version number counts as a click on the logo below it.
    Version->setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool TAbout_Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Logo_Image) {
        if (event->type() == QEvent::MouseButtonRelease) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QPixmap TAbout_Form::LogoWithCornerIcon() {
    // The status icon is drawn over the logo's top-left corner once, so every repaint of
    // the box shows both.
    QPixmap logo(AboutLogoPath());
    if (logo.isNull()) {
        logo = QPixmap(ClientWidth, ClientHeight + 1);
        logo.fill(Qt::white);
    }
    QPainter painter(&logo);
    painter.drawImage(QPoint(0, 0), BuiltInIcon(StatusIcon));
    return logo;
}
