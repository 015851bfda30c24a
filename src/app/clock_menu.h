// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/window_modes.h"

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

// The clock window's popup menu, shared by the right button on the window and the tray
// icon. Each action carries the object name of its menu item so that code and tests find it.
class ClockMenu : public QObject {
    Q_OBJECT
public:
    explicit ClockMenu(QWidget* parent);

    QMenu* Menu() const { return menu_; }

    // Display modes: 0 normal, 1 always on top, 2 hide under the mouse.
    QAction* WinNorm = nullptr;
    QAction* WinTop = nullptr;
    QAction* WinHide = nullptr;
    // Shapes: 0 rectangle, 1 ellipse, 2 rounded rectangle.
    QAction* WinStyle_Normal = nullptr;
    QAction* WinStyle_Ellipse = nullptr;
    QAction* WinStyle_RoundRect = nullptr;
    QAction* SetRatio = nullptr;
    QAction* Menu_MailCheck = nullptr;
    QAction* PP_DayTime = nullptr;
    QAction* PP_DayTimeCheck = nullptr;
    QMenu* PP_Option = nullptr;
    QAction* Menu_DispCust = nullptr;
    QAction* Menu_ScheCust = nullptr;
    QAction* Menu_MailCust = nullptr;
    QAction* Menu_DayTimeCust = nullptr;
    QAction* Help1 = nullptr;
    QAction* PP_About = nullptr;
    QAction* Menu_Close = nullptr;

    void CheckDisplayMode(DisplayMode mode);
    void CheckWindowShape(WindowShape shape);
    // The four items a mail run or a clock correction disables for its duration.
    void SetRunCommandsEnabled(bool enabled);

private:
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption);

    QMenu* menu_ = nullptr;
    QAction* optionMenuAction_ = nullptr;
};
