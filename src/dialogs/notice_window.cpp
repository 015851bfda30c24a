// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/notice_window.h"

#include "dialogs/dialog_look.h"
#include "face/default_icons.h"

#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

NoticeWindow::NoticeWindow(Stacking stacking, QWidget* parent) : QDialog(parent) {
    // A tool window with only the system menu.
    Qt::WindowFlags flags =
        Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (stacking == Stacking::StaysOnTop) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    setWindowFlags(flags);
    setFont(DialogFont());
}

void NoticeWindow::AttachControls(QPlainTextEdit* memo, QLabel* icon, QPushButton* close) {
    memo_ = memo;
    // Designer forms give fonts in points; the memo's is given in pixels like the dialogs'.
    QFont fixedPitch(QStringLiteral("ＭＳ ゴシック"));
    fixedPitch.setPixelSize(12);
    fixedPitch.setStyleHint(QFont::TypeWriter);
    fixedPitch.setFixedPitch(true);
    memo_->setFont(fixedPitch);

    InitFaceResources();
    icon->setPixmap(QIcon(ProgramIconPath()).pixmap(icon->size()));
    // Esc, the close box and the button all end in reject(); the clock window closes its
    // side of the window protocol from finished().
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    CentreOnDesktop(*this);
}

void NoticeWindow::AppendLine(const QString& line) {
    memo_->appendPlainText(line);
    memo_->verticalScrollBar()->setValue(memo_->verticalScrollBar()->maximum());
}
