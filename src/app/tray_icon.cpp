// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tray_icon.h"

#include "app/program_icon.h"

#include <QSystemTrayIcon>

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {
    icon_ = new QSystemTrayIcon(ProgramIcon(), this);
    icon_->setToolTip(QStringLiteral("Zorbel"));
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Context) {
                    Q_EMIT ContextRequested();
                } else {
                    Q_EMIT Activated();
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
