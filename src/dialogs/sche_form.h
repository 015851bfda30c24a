#pragma once

#include "dialogs/calendar_grid.h"
#include "dialogs/choosers.h"
#include "platform/help_viewer.h"
#include "platform/user_prompt.h"
#include "schedule/calendar_month.h"
#include "schedule/schedule_draft.h"
#include "settings/schedule_entry.h"
#include "settings/settings_saver.h"

#include <QDateTime>
#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

class QListWidgetItem;

namespace Ui {
class ScheForm;
}

// The schedule settings dialog. It edits its own copy of the clock window's schedules with
// an editor for one entry, and hands the copy back only through "設定".
class TScheForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 302;
    static constexpr int MessageByteLimit = 50;

    TScheForm(ScheduleTable& table, SettingsSaver& saver, UserPrompt& prompt, HelpViewer& help,
              Choosers& choosers, std::function<QDateTime()> now, QWidget* parent = nullptr);
    ~TScheForm() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class StoreTarget { NewEntry, LoadedEntry };

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
    Choosers& choosers_;
    std::function<QDateTime()> now_;

    ScheduleDraft draft_;
    CalendarMonth calendar_;
    ScheduleEntry snapshot_;
    int loadedIndex_ = -1;

    std::unique_ptr<Ui::ScheForm> ui_;
    std::vector<QWidget*> applicationControls_;
};
