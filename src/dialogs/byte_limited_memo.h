#pragma once

#include <QPlainTextEdit>

// A memo whose text may not grow beyond a number of code-page-932 bytes. Typed or pasted
// text that does not fit is cut off where the limit is reached, as the Windows edit control
// does with its text limit.
class ByteLimitedMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    ByteLimitedMemo(int byteLimit, QWidget* parent = nullptr);

    // Shows a stored text as it is: the limit applies to what the user types or pastes, so
    // a longer text brought from elsewhere is not cut short merely by being shown.
    void ShowStoredText(const QString& text);

private:
    void TrimInsertion(int position, int charsRemoved, int charsAdded);

    int byteLimit_;
    bool trimming_ = false;
};
