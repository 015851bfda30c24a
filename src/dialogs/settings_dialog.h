// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/save_result.h"

#include <QDialog>
#include <utility>

class HelpViewer;
class QAbstractButton;
class UserPrompt;

// What the four settings dialogs share beside their forms: the look of the window, the help
// button with the dialog's topic, warnings under one caption, and leaving without saving.
// "キャンセル" and Esc ask before they throw away unsaved edits; the close box closes at
// once, as QDialog does.
class SettingsDialog : public QDialog {
    Q_OBJECT
protected:
    enum class Border { CloseBox, NoBorderIcons };

    SettingsDialog(UserPrompt& prompt, HelpViewer& help, int helpContext, Border border,
                   QWidget* parent);

    // Called once the dialog's form is set up.
    void AttachStandardButtons(QAbstractButton* cancel, QAbstractButton* help);

    // Whether "キャンセル" would lose edits the user made; a dialog that keeps no such
    // track never asks.
    virtual bool HasUnsavedChanges() const { return false; }
    // True when nothing would be lost, or the user agrees to lose it.
    bool ConfirmDiscard();
    void CancelRequested();
    void ShowWarning(const QString& text);
    // The outcome of "設定" or "適用" writing the settings: true when they reached the disk.
    // Otherwise the user is told why, and the caller keeps the dialog open with its edits so
    // that nothing is lost without a word.
    bool ConfirmSaved(const SaveResult& result);

    void keyPressEvent(QKeyEvent* event) override;

    // For the dialogs that edit one row of a list in an editor and store it back with
    // "更新": when `deleted` leaves the list, the loaded row below it moves up one, and when
    // it is the loaded row itself, there is nothing left to update.
    static void FollowLoadedRowAfterDelete(int& loaded, int deleted, QAbstractButton& update);

    UserPrompt& prompt_;
    HelpViewer& help_;

private:
    int helpContext_;
};

// What a dialog's editor showed when it was last loaded, cleared or stored, so that leaving
// can tell whether the user changed it since. `same` compares two readings of the editor.
template <typename Fields> class EditorBaseline {
public:
    using Same = bool (*)(const Fields&, const Fields&);

    explicit EditorBaseline(Same same = &Equal) : same_(same) {}

    void Take(Fields shown) { baseline_ = std::move(shown); }
    bool ChangedFrom(const Fields& shown) const { return !same_(shown, baseline_); }

private:
    static bool Equal(const Fields& left, const Fields& right) { return left == right; }

    Same same_;
    Fields baseline_{};
};
