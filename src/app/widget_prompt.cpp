// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widget_prompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

void WidgetPrompt::ShowMessage(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? QStringLiteral("Zorbel") : caption,
                    text, QMessageBox::Ok, QApplication::activeWindow());
    // Messages quote what servers and files say; none of it may be taken for markup.
    box.setTextFormat(Qt::PlainText);
    if (!caption.isEmpty()) {
        box.setIcon(QMessageBox::Warning);
    }
    box.exec();
}

UserPrompt::Answer WidgetPrompt::Ask(const QString& caption, const QString& text,
                                     Answer defaultAnswer) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
