#pragma once

#include <QDialog>
#include <QSize>

class QPlainTextEdit;
class QPushButton;

// The layout the clock's notices share: a raised panel with a headline and the program's
// icon, a borderless read-only memo of fixed-pitch lines, and the "確認" button that closes
// the window (Esc and the close box close it the same way).
class NoticeWindow : public QDialog {
    Q_OBJECT
public:
    enum class Stacking { Normal, StaysOnTop };

    struct Layout {
        QSize client;
        int memoHeight = 0;
        QString headline;
        Stacking stacking = Stacking::Normal;
    };

protected:
    NoticeWindow(const QString& objectName, const Layout& layout, QWidget* parent);

    // Adds a line at the end and keeps it in view.
    void AppendLine(const QString& line);

private:
    void BuildControls(const Layout& layout);

    QPlainTextEdit* MM_Message = nullptr;
    QPushButton* AlarmClose = nullptr;
};
