// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/byte_limited_memo.h"

#include "schedule/cp932_length.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

ByteLimitedMemo::ByteLimitedMemo(QWidget* parent) : QPlainTextEdit(parent) {
    connect(document(), &QTextDocument::contentsChange, this, &ByteLimitedMemo::TrimInsertion);
}

void ByteLimitedMemo::ShowStoredText(const QString& text) {
    trimming_ = true;
    setPlainText(text);
    trimming_ = false;
}

void ByteLimitedMemo::TrimInsertion(int position, int /*charsRemoved*/, int charsAdded) {
    if (trimming_ || charsAdded <= 0) {
        return;
    }
    const QString text = toPlainText();
    const int bytes = Cp932ByteCount(text, LineBreakBytes::Two);
    if (bytes <= byteLimit_) {
        return;
    }
    // Keep the part of the insertion that fits beside the text that was there before.
    // The last block's end counts as a character of the document but not of the text.
    const int end = std::min(position + charsAdded, int(text.size()));
    const QString inserted = text.mid(position, end - position);
    const int bytesBefore = bytes - Cp932ByteCount(inserted, LineBreakBytes::Two);
    const int keep = Cp932FittingLength(inserted, byteLimit_ - bytesBefore, LineBreakBytes::Two);
    trimming_ = true;
    QTextCursor cursor(document());
    cursor.setPosition(position + keep);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    trimming_ = false;
    QTextCursor caret = textCursor();
    caret.setPosition(position + keep);
    setTextCursor(caret);
}
