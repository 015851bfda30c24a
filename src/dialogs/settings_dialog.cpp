// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/settings_dialog.h"

#include "dialogs/dialog_look.h"
#include "platform/help_viewer.h"
#include "platform/user_prompt.h"

#include <QAbstractButton>
#include <QKeyEvent>

SettingsDialog::SettingsDialog(UserPrompt& prompt, HelpViewer& help, int helpContext, Border border,
                               QWidget* parent)
    : QDialog(parent), prompt_(prompt), help_(help), helpContext_(helpContext) {
    setWindowFlags(border == Border::CloseBox
                       ? Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowCloseButtonHint
                       // Closed by its buttons or Esc only.
                       : Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(DialogFont());
}

void SettingsDialog::AttachStandardButtons(QAbstractButton* cancel, QAbstractButton* help) {
    connect(cancel, &QAbstractButton::clicked, this, &SettingsDialog::CancelRequested);
    connect(help, &QAbstractButton::clicked, this, [this] { help_.ShowTopic(helpContext_); });
    CentreOnDesktop(*this);
}

bool SettingsDialog::ConfirmDiscard() {
    return !HasUnsavedChanges() ||
           prompt_.Ask(WarningCaption(),
                       QStringLiteral("変更内容が破棄されますがよろしいですか?")) ==
               UserPrompt::Answer::Yes;
}

void SettingsDialog::CancelRequested() {
    if (ConfirmDiscard()) {
        reject();
    }
}

void SettingsDialog::ShowWarning(const QString& text) {
    prompt_.ShowMessage(WarningCaption(), text);
}

bool SettingsDialog::ConfirmSaved(const SaveResult& result) {
    if (result.Ok()) {
        return true;
    }
    ShowWarning(QStringLiteral("設定を保存できませんでした。\n%1").arg(result.UserText()));
    return false;
}

void SettingsDialog::FollowLoadedRowAfterDelete(int& loaded, int deleted, QAbstractButton& update) {
    if (loaded == deleted) {
        loaded = -1;
        update.setEnabled(false);
    } else if (loaded > deleted) {
        --loaded;
    }
}

void SettingsDialog::keyPressEvent(QKeyEvent* event) {
    // Esc from any control is "キャンセル".
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CancelRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}
