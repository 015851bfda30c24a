// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSystemTrayIcon;

// The notification-area icon with the tip "Zorbel". It only reports: a right-button press as
// ContextRequested, every other event as Activated; the clock window decides what follows.
// Where the desktop has no notification area the clock runs without it.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent);

    void Add();
    void Remove();

Q_SIGNALS:
    void Activated();
    void ContextRequested();

private:
    QSystemTrayIcon* icon_ = nullptr;
};
