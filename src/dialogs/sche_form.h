#pragma once

#include "dialogs/calendar_grid.h"
#include "platform/help_viewer.h"
#include "platform/user_prompt.h"
#include "schedule/calendar_month.h"
#include "schedule/schedule_draft.h"
#include "settings/schedule_entry.h"
#include "settings/settings_saver.h"

#include <QDateTime>
#include <QDialog>
#include <functional>
#include <vector>

class ByteLimitedMemo;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The schedule settings dialog. It edits its own copy of the clock window's schedules with
// an editor for one entry, and hands the copy back only through "設定".
class TScheForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 302;
    static constexpr int MessageByteLimit = 50;

    TScheForm(ScheduleTable& table, SettingsSaver& saver, UserPrompt& prompt, HelpViewer& help,
              std::function<QDateTime()> now, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class StoreTarget { NewEntry, LoadedEntry };

    void BuildControls();
    QGroupBox* BuildDateGroup();
    QFrame* BuildCalendarPanel(QWidget* parent);
    QGroupBox* BuildNotificationGroup();
    QGroupBox* BuildListGroup();
    void BuildButtons();
    void ConnectControls();

    // The editor.
    ScheduleEntry ReadEditor() const;
    void WriteEditor(const ScheduleEntry& entry);
    void ResetEditor();
    void TakeSnapshot();
    bool EditorChanged() const;
    bool ConfirmDiscard();
    void UpdateEnabling();
    void ShowCalendar();
    void SetToday();

    // The list.
    void FillList();
    void LoadEntry(int row);
    void StoreEditor(StoreTarget target);
    void DeleteSelected();
    void DeleteAll();
    void SetAllChecks(Enablement enablement);
    void ListItemChanged(QListWidgetItem* item);

    // The calendar.
    void MoveCalendar(int years, int months);
    void CalendarDayClicked(int day);
    void CalendarDayStep(int days);
    void CalendarWheel(CalendarGrid::WheelDirection direction, Qt::KeyboardModifiers modifiers);

    void BrowseSoundFile();
    void BrowseRunFile();
    void BrowseRunFolder();
    void CommitAndClose();
    void CancelRequested();

    ScheduleTable& table_;
    SettingsSaver& saver_;
    UserPrompt& prompt_;
    HelpViewer& help_;
    std::function<QDateTime()> now_;

    ScheduleDraft draft_;
    CalendarMonth calendar_;
    ScheduleEntry snapshot_;
    int loadedIndex_ = -1;

    QComboBox* CBX_ScheSelect = nullptr;
    QLabel* LBL_ScheEveryWeek = nullptr;
    QComboBox* CBX_ScheEveryWeek = nullptr;
    QRadioButton* RB_ScheRun = nullptr;
    QRadioButton* RB_ScheTime = nullptr;
    QSpinBox* UPD_Sche_Hour = nullptr;
    QSpinBox* UPD_Sche_Min = nullptr;
    QLabel* LBL_Sche_Hour = nullptr;
    QLabel* LBL_Sche_Min = nullptr;
    QPushButton* BTN_ScheNow = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* LBL_Year = nullptr;
    QLabel* LBL_Month = nullptr;
    CalendarGrid* SG_Calender = nullptr;
    QPushButton* BTN_LastYear = nullptr;
    QPushButton* BTN_LastMonth = nullptr;
    QPushButton* BTN_NextMonth = nullptr;
    QPushButton* BTN_NextYear = nullptr;

    QCheckBox* CBX_ScheMessage = nullptr;
    ByteLimitedMemo* MM_Message = nullptr;
    QCheckBox* CBX_ScheSound = nullptr;
    QLineEdit* EDT_ScheSound = nullptr;
    QPushButton* Dialog_ScheSound = nullptr;
    QCheckBox* CBX_AppRun = nullptr;
    QLineEdit* EDT_ScheAppName = nullptr;
    QLineEdit* EDT_RunFile = nullptr;
    QPushButton* Dialog_RunFile = nullptr;
    QLineEdit* EDT_RunDir = nullptr;
    QPushButton* Dialog_RunDir = nullptr;
    QLineEdit* EDT_RunOption = nullptr;
    QComboBox* CBX_RunWin = nullptr;
    std::vector<QWidget*> applicationControls_;

    QListWidget* CLBX_ScheList = nullptr;
    QMenu* PopupMenu = nullptr;
    QAction* PP_AllCheckOff = nullptr;
    QAction* PP_AllCheckOn = nullptr;
    QAction* PP_DelOnce = nullptr;
    QAction* PP_DelAll = nullptr;

    QPushButton* BTN_ScheNew = nullptr;
    QPushButton* BTN_ScheUpdate = nullptr;
    QPushButton* BTN_ScheReset = nullptr;
    QPushButton* BTN_ScheRefrect = nullptr;
    QPushButton* BTN_Close = nullptr;
    QPushButton* BTN_Help = nullptr;
};
