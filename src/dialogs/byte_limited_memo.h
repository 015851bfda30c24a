// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>
#include <limits>

// A memo whose text may not grow beyond a number of code-page-932 bytes. Typed or pasted
// text that does not fit is cut off where the limit is reached, as the Windows edit control
// does with its text limit; like that control it counts a line break as CR LF, two bytes,
// though the text it gives keeps "\n" alone.
class ByteLimitedMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ByteLimitedMemo(QWidget* parent = nullptr);

    void SetByteLimit(int byteLimit) { byteLimit_ = byteLimit; }

    // Shows a stored text as it is: the limit applies to what the user types or pastes, so
    // a longer text brought from elsewhere is not cut short merely by being shown.
    void ShowStoredText(const QString& text);

private:
    void TrimInsertion(int position, int charsRemoved, int charsAdded);

    // No limit until one is set.
    int byteLimit_ = std::numeric_limits<int>::max();
    bool trimming_ = false;
};
