#include "app/tray_icon.h"

#include "app/program_icon.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(QMenu* menu, std::function<bool()> menuAllowed, QObject* parent)
    : QObject(parent), menu_(menu), menuAllowed_(std::move(menuAllowed)) {
    icon_ = new QSystemTrayIcon(ProgramIcon(), this);
    icon_->setToolTip(QStringLiteral("Zorbel"));
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                Q_EMIT Activated();
                if (reason == QSystemTrayIcon::Context && menuAllowed_()) {
                    menu_->popup(QCursor::pos());
                }
            });
}

void TrayIcon::Add() {
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        icon_->show();
    }
}

void TrayIcon::Remove() {
    icon_->hide();
}

bool TrayIcon::IsShown() const {
    return icon_->isVisible();
}
