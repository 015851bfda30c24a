// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/calendar_grid.h"
#include "dialogs/choosers.h"
#include "dialogs/settings_dialog.h"
#include "platform/help_viewer.h"
#include "platform/user_prompt.h"
#include "schedule/calendar_month.h"
#include "schedule/schedule_draft.h"
#include "settings/schedule_entry.h"
#include "settings/settings_saver.h"

#include <QDateTime>
#include <functional>
#include <memory>
#include <vector>

class QListWidgetItem;

namespace Ui {
class ScheForm;
}

// The schedule settings dialog. It edits its own copy of the clock window's schedules with
// an editor for one entry, and hands the copy back only through "設定".
class TScheForm : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 302;
    static constexpr int MessageByteLimit = 50;

    TScheForm(ScheduleTable& table, SettingsSaver& saver, UserPrompt& prompt, HelpViewer& help,
              Choosers& choosers, std::function<QDateTime()> now, QWidget* parent = nullptr);
    ~TScheForm() override;

protected:
    // The editor differs from what it showed when it was last reset or loaded.
    bool HasUnsavedChanges() const override;

private:
    enum class StoreTarget { NewEntry, LoadedEntry };

    void ConnectControls();

    // The editor.
    ScheduleEntry ReadEditor() const;
    void WriteEditor(const ScheduleEntry& entry);
    void ResetEditor();
    void TakeSnapshot();
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

    ScheduleTable& table_;
    SettingsSaver& saver_;
    Choosers& choosers_;
    std::function<QDateTime()> now_;

    ScheduleDraft draft_;
    CalendarMonth calendar_;
    EditorBaseline<ScheduleEntry> snapshot_;
    int loadedIndex_ = -1;

    std::unique_ptr<Ui::ScheForm> ui_;
    std::vector<QWidget*> applicationControls_;
};
