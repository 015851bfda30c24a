// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/about_form.h"

#include "core/program_version.h"
#include "dialogs/dialog_look.h"
#include "face/default_icons.h"
#include "ui_about_form.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace {

constexpr int ClientWidth = 242;
constexpr int ClientHeight = 192;

} // namespace

TAbout_Form::TAbout_Form(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::About_Form>()) {
    // A dialog frame with only the system menu, above every other window.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFont(DialogFont());
    ui_->setupUi(this);
    const QPixmap logo = LogoWithCornerIcon(devicePixelRatio());
    ui_->Logo_Image->setPixmap(logo);
    // The picture sets the control's size.
    ui_->Logo_Image->resize(logo.deviceIndependentSize().toSize());
    ui_->Logo_Image->installEventFilter(this);

    ui_->Version->setText(QString::fromLatin1(ProgramVersion));
    // Designer forms give fonts in points; this one is given in pixels.
    QFont versionFont = font();
    versionFont.setPixelSize(24);
    versionFont.setBold(true);
    versionFont.setItalic(true);
    ui_->Version->setFont(versionFont);
    // The italic figure leans out past its advance; right-aligned, that part would be cut off.
    const QString version = ui_->Version->text();
    const int overhang =
        version.isEmpty() ? 0 : -QFontMetrics(versionFont).rightBearing(version.back());
    ui_->Version->setContentsMargins(0, 0, std::max(0, overhang) + 1, 0);
    // Light on the logo's dark ground.
    QPalette versionColours = ui_->Version->palette();
    versionColours.setColor(QPalette::WindowText, Qt::white);
    ui_->Version->setPalette(versionColours);
    ui_->Version->setAttribute(Qt::WA_TranslucentBackground);
    ui_->Version->setAutoFillBackground(false);
    // A click on the version number counts as a click on the logo below it.
    ui_->Version->setAttribute(Qt::WA_TransparentForMouseEvents);
    CentreOnDesktop(*this);
}

TAbout_Form::~TAbout_Form() = default;

bool TAbout_Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Logo_Image) {
        if (event->type() == QEvent::MouseButtonRelease) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QPixmap TAbout_Form::LogoWithCornerIcon(qreal devicePixelRatio) {
    // The status icon is drawn over the logo's top-left corner once, so every repaint of
    // the box shows both. A dense screen gets the logo drawn at twice the size.
    const int density = devicePixelRatio > 1 ? 2 : 1;
    QPixmap logo(AboutLogoPath(density));
    if (logo.isNull()) {
        logo = QPixmap(ClientWidth * density, (ClientHeight + 1) * density);
        logo.fill(Qt::white);
    }
    logo.setDevicePixelRatio(density);
    QPainter painter(&logo);
    painter.drawImage(QPoint(0, 0), BuiltInIcon(StatusIcon, density));
    return logo;
}
