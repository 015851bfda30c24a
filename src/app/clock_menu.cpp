// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clock_menu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

ClockMenu::ClockMenu(QWidget* parent) : QObject(parent), menu_(new QMenu(parent)) {
    menu_->setObjectName(QStringLiteral("PopupMenu"));

    QMenu* modes = menu_->addMenu(QStringLiteral("ウィンドウの表示方法(W)"));
    modes->menuAction()->setObjectName(QStringLiteral("W1"));
    WinNorm = AddItem(modes, "WinNorm", QStringLiteral("普通(M)"));
    WinTop = AddItem(modes, "WinTop", QStringLiteral("常に前面(&T)"));
    WinHide = AddItem(modes, "WinHide", QStringLiteral("マウスで隠れる(I)"));

    QMenu* shapes = menu_->addMenu(QStringLiteral("ウィンドウの形状(&S)"));
    shapes->menuAction()->setObjectName(QStringLiteral("WinStyle"));
    WinStyle_Normal = AddItem(shapes, "WinStyle_Normal", QStringLiteral("通常(&N)"));
    WinStyle_Ellipse = AddItem(shapes, "WinStyle_Ellipse", QStringLiteral("円形(&E)"));
    WinStyle_RoundRect = AddItem(shapes, "WinStyle_RoundRect", QStringLiteral("角の丸い四角(&R)"));
    for (QAction* checkable :
         {WinNorm, WinTop, WinHide, WinStyle_Normal, WinStyle_Ellipse, WinStyle_RoundRect}) {
        checkable->setCheckable(true);
    }

    menu_->addSeparator()->setObjectName(QStringLiteral("N4"));
    SetRatio = AddItem(menu_, "SetRatio", QStringLiteral("縦横比調整(&R)"));
    menu_->addSeparator()->setObjectName(QStringLiteral("N5"));
    Menu_MailCheck = AddItem(menu_, "Menu_MailCheck", QStringLiteral("メールチェック(&C)"));
    PP_DayTime = AddItem(menu_, "PP_DayTime", QStringLiteral("日時補正(&T)"));
    PP_DayTimeCheck = AddItem(menu_, "PP_DayTimeCheck", QStringLiteral("日時チェック(&K)"));
    menu_->addSeparator()->setObjectName(QStringLiteral("N2"));

    PP_Option = menu_->addMenu(QStringLiteral("設定(&O)"));
    optionMenuAction_ = PP_Option->menuAction();
    optionMenuAction_->setObjectName(QStringLiteral("PP_Option"));
    Menu_DispCust = AddItem(PP_Option, "Menu_DispCust", QStringLiteral("表示の設定(&D)"));
    Menu_ScheCust = AddItem(PP_Option, "Menu_ScheCust", QStringLiteral("スケジュールの設定(&S)"));
    Menu_MailCust = AddItem(PP_Option, "Menu_MailCust", QStringLiteral("メール着信通知の設定(&M)"));
    Menu_DayTimeCust =
        AddItem(PP_Option, "Menu_DayTimeCust", QStringLiteral("日時自動補正の設定(&T)"));

    menu_->addSeparator()->setObjectName(QStringLiteral("N3"));
    Help1 = AddItem(menu_, "Help1", QStringLiteral("ヘルプ(&H)"));
    PP_About = AddItem(menu_, "PP_About", QStringLiteral("バージョン情報(&A)"));
    menu_->addSeparator()->setObjectName(QStringLiteral("N1"));
    Menu_Close = AddItem(menu_, "Menu_Close", QStringLiteral("ZORBEL終了(&X)"));
}

QAction* ClockMenu::AddItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void ClockMenu::CheckDisplayMode(DisplayMode mode) {
    WinNorm->setChecked(mode == DisplayMode::Normal);
    WinTop->setChecked(mode == DisplayMode::TopMost);
    WinHide->setChecked(mode == DisplayMode::MouseHide);
}

void ClockMenu::CheckWindowShape(WindowShape shape) {
    WinStyle_Normal->setChecked(shape == WindowShape::Rectangle);
    WinStyle_Ellipse->setChecked(shape == WindowShape::Ellipse);
    WinStyle_RoundRect->setChecked(shape == WindowShape::RoundedRectangle);
}

void ClockMenu::SetRunCommandsEnabled(bool enabled) {
    Menu_MailCheck->setEnabled(enabled);
    PP_DayTimeCheck->setEnabled(enabled);
    PP_DayTime->setEnabled(enabled);
    optionMenuAction_->setEnabled(enabled);
}
