// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// What the clock's notices share beside their forms (a raised panel with a headline and the
// program's icon, a borderless read-only memo, the "確認" button): the icon, the memo's
// fixed-pitch lines, and the button, Esc and the close box all closing the window.
class NoticeWindow : public QDialog {
    Q_OBJECT
public:
    enum class Stacking { Normal, StaysOnTop };

protected:
    NoticeWindow(Stacking stacking, QWidget* parent);

    // Called once the notice's form is set up.
    void AttachControls(QPlainTextEdit* memo, QLabel* icon, QPushButton* close);
    // Adds a line at the end and keeps it in view.
    void AppendLine(const QString& line);

private:
    QPlainTextEdit* memo_ = nullptr;
};
