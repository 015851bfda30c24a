#pragma once

#include "timesync/correction_state.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The result window of a correction or check started from the popup menu: the computer's
// and the server's time after a check, the time corrected to after a correction.
class TDayTimeInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit TDayTimeInfoForm(const CorrectionState& state, QWidget* parent = nullptr);

private:
    void BuildControls();
    void FormCreate(const CorrectionState& state);

    QPlainTextEdit* MM_Message = nullptr;
    QPushButton* AlarmClose = nullptr;
};
