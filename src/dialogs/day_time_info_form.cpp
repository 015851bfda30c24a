#include "dialogs/day_time_info_form.h"

TDayTimeInfoForm::TDayTimeInfoForm(const CorrectionState& state, QWidget* parent)
    : NoticeWindow(QStringLiteral("DayTimeInfoForm"),
                   Layout{QSize(330, 150), 79, QStringLiteral("時刻の補正・チェック by Zorbel"),
                          Stacking::Normal},
                   parent) {
    if (state.correctionTestMode) {
        AppendLine(state.pcTimeText);
        AppendLine(state.serverTimeText);
    } else {
        AppendLine(state.correctionResultText);
    }
}
