// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/sche_form.h"

#include "core/clock_time.h"
#include "dialogs/byte_limited_memo.h"
#include "schedule/schedule_editing.h"
#include "schedule/schedule_list_text.h"
#include "ui_sche_form.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// ui_->CBX_ScheSelect's items in order, with the pattern bit each stands for.
struct PatternItem {
    const char16_t* caption;
    int bit;
};
constexpr PatternItem PatternItems[] = {
    {u"毎年", ScheduleYearly}, {u"毎月", ScheduleMonthly}, {u"毎日", ScheduleDaily},
    {u"毎週", ScheduleWeekly}, {u"個別", ScheduleOneOff},
};
constexpr int OneOffIndex = 4;

int PatternIndexOf(int attribute) {
    for (int i = 0; i < int(std::size(PatternItems)); ++i) {
        if (attribute & PatternItems[i].bit) {
            return i;
        }
    }
    return OneOffIndex;
}

int PatternBitAt(int index) {
    return index >= 0 && index < int(std::size(PatternItems)) ? PatternItems[index].bit : 0;
}

// Windows matches every file with "*.*"; elsewhere names without a dot need "*".
QString AllFilesFilter() {
#ifdef Q_OS_WIN
    return QStringLiteral("すべてのファイル (*.*)");
#else
    return QStringLiteral("すべてのファイル (*)");
#endif
}

} // namespace

TScheForm::TScheForm(ScheduleTable& table, SettingsSaver& saver, UserPrompt& prompt,
                     HelpViewer& help, Choosers& choosers, std::function<QDateTime()> now,
                     QWidget* parent)
    : SettingsDialog(prompt, help, HelpContext, Border::CloseBox, parent), table_(table),
      saver_(saver), choosers_(choosers), now_(std::move(now)), draft_(table),
      calendar_(2000, 1, 1), snapshot_(SameEditorFields), ui_(std::make_unique<Ui::ScheForm>()) {
    ui_->setupUi(this);
    ui_->MM_Message->SetByteLimit(MessageByteLimit);
    applicationControls_ = {ui_->LBL_AppName,   ui_->EDT_ScheAppName, ui_->LBL_RunFile,
                            ui_->EDT_RunFile,   ui_->Dialog_RunFile,  ui_->LBL_RunDir,
                            ui_->EDT_RunDir,    ui_->Dialog_RunDir,   ui_->LBL_RunOption,
                            ui_->EDT_RunOption, ui_->LBL_RunWin,      ui_->CBX_RunWin};
    ConnectControls();
    ResetEditor();
    FillList();
    AttachStandardButtons(ui_->BTN_Close, ui_->BTN_Help);
}

TScheForm::~TScheForm() = default;

void TScheForm::ConnectControls() {
    auto enabling = [this] { UpdateEnabling(); };
    connect(ui_->CBX_ScheSelect, &QComboBox::currentIndexChanged, this, enabling);
    connect(ui_->RB_ScheTime, &QRadioButton::toggled, this, enabling);
    connect(ui_->CBX_ScheMessage, &QCheckBox::toggled, this, enabling);
    connect(ui_->CBX_ScheSound, &QCheckBox::toggled, this, enabling);
    connect(ui_->CBX_AppRun, &QCheckBox::toggled, this, enabling);

    connect(ui_->BTN_ScheNow, &QPushButton::clicked, this, [this] { SetToday(); });
    connect(ui_->BTN_LastYear, &QPushButton::clicked, this, [this] { MoveCalendar(-1, 0); });
    connect(ui_->BTN_NextYear, &QPushButton::clicked, this, [this] { MoveCalendar(1, 0); });
    connect(ui_->BTN_LastMonth, &QPushButton::clicked, this, [this] { MoveCalendar(0, -1); });
    connect(ui_->BTN_NextMonth, &QPushButton::clicked, this, [this] { MoveCalendar(0, 1); });
    connect(ui_->SG_Calender, &CalendarGrid::DayClicked, this, &TScheForm::CalendarDayClicked);
    connect(ui_->SG_Calender, &CalendarGrid::DayStepRequested, this, &TScheForm::CalendarDayStep);
    connect(ui_->SG_Calender, &CalendarGrid::WheelTurned, this, &TScheForm::CalendarWheel);

    connect(ui_->Dialog_ScheSound, &QPushButton::clicked, this, &TScheForm::BrowseSoundFile);
    connect(ui_->Dialog_RunFile, &QPushButton::clicked, this, &TScheForm::BrowseRunFile);
    connect(ui_->Dialog_RunDir, &QPushButton::clicked, this, &TScheForm::BrowseRunFolder);

    connect(ui_->CLBX_ScheList, &QListWidget::itemChanged, this, &TScheForm::ListItemChanged);
    connect(ui_->CLBX_ScheList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { LoadEntry(ui_->CLBX_ScheList->row(item)); });
    connect(ui_->CLBX_ScheList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) {
                ui_->PopupMenu->popup(ui_->CLBX_ScheList->viewport()->mapToGlobal(at));
            });
    connect(ui_->PP_AllCheckOff, &QAction::triggered, this,
            [this] { SetAllChecks(Enablement::Disabled); });
    connect(ui_->PP_AllCheckOn, &QAction::triggered, this,
            [this] { SetAllChecks(Enablement::Enabled); });
    connect(ui_->PP_DelOnce, &QAction::triggered, this, &TScheForm::DeleteSelected);
    connect(ui_->PP_DelAll, &QAction::triggered, this, &TScheForm::DeleteAll);

    connect(ui_->BTN_ScheNew, &QPushButton::clicked, this,
            [this] { StoreEditor(StoreTarget::NewEntry); });
    connect(ui_->BTN_ScheUpdate, &QPushButton::clicked, this,
            [this] { StoreEditor(StoreTarget::LoadedEntry); });
    connect(ui_->BTN_ScheReset, &QPushButton::clicked, this, &TScheForm::ResetEditor);
    connect(ui_->BTN_ScheRefrect, &QPushButton::clicked, this, &TScheForm::CommitAndClose);
}

ScheduleEntry TScheForm::ReadEditor() const {
    ScheduleEntry entry;
    int attribute = PatternBitAt(ui_->CBX_ScheSelect->currentIndex());
    if (ui_->CBX_ScheMessage->isChecked()) {
        attribute |= ScheduleMessage;
    }
    if (ui_->CBX_ScheSound->isChecked()) {
        attribute |= ScheduleSound;
    }
    if (ui_->CBX_AppRun->isChecked()) {
        attribute |= ScheduleApplication;
    }
    if (ui_->RB_ScheTime->isChecked()) {
        attribute |= ScheduleTimeSpecified;
    }
    entry.Attribute = attribute;
    entry.Year = calendar_.Year();
    entry.Month = calendar_.Month();
    entry.Day = calendar_.SelectedDay();
    entry.Week = ui_->CBX_ScheEveryWeek->currentIndex() + 1;
    entry.Hour = ui_->UPD_Sche_Hour->value();
    entry.Min = ui_->UPD_Sche_Min->value();
    entry.Message = ui_->MM_Message->toPlainText();
    entry.SoundFile = ui_->EDT_ScheSound->text();
    entry.APL_Name = ui_->EDT_ScheAppName->text();
    entry.APL_File = ui_->EDT_RunFile->text();
    entry.APL_Dir = ui_->EDT_RunDir->text();
    entry.APL_Opt = ui_->EDT_RunOption->text();
    entry.APL_Type = ui_->CBX_RunWin->currentIndex();
    return entry;
}

void TScheForm::WriteEditor(const ScheduleEntry& entry) {
    ui_->CBX_ScheMessage->setChecked(entry.Attribute & ScheduleMessage);
    ui_->CBX_ScheSound->setChecked(entry.Attribute & ScheduleSound);
    ui_->CBX_AppRun->setChecked(entry.Attribute & ScheduleApplication);
    (entry.Attribute & ScheduleTimeSpecified ? ui_->RB_ScheTime : ui_->RB_ScheRun)
        ->setChecked(true);
    ui_->CBX_ScheSelect->setCurrentIndex(PatternIndexOf(entry.Attribute));
    ui_->UPD_Sche_Hour->setValue(entry.Hour);
    ui_->UPD_Sche_Min->setValue(entry.Min);
    ui_->MM_Message->ShowStoredText(entry.Message);
    ui_->EDT_ScheSound->setText(entry.SoundFile);
    ui_->EDT_ScheAppName->setText(entry.APL_Name);
    ui_->EDT_RunFile->setText(entry.APL_File);
    ui_->EDT_RunDir->setText(entry.APL_Dir);
    ui_->EDT_RunOption->setText(entry.APL_Opt);
    ui_->CBX_RunWin->setCurrentIndex(
        entry.APL_Type >= 0 && entry.APL_Type < ui_->CBX_RunWin->count() ? entry.APL_Type : -1);
    calendar_.Show(entry.Year, entry.Month, entry.Day);
    ShowCalendar();
    // After the calendar, which sets the weekday of its date: a weekly entry keeps its own.
    ui_->CBX_ScheEveryWeek->setCurrentIndex(entry.Week >= 1 && entry.Week <= 7 ? entry.Week - 1
                                                                               : -1);
    UpdateEnabling();
}

void TScheForm::ResetEditor() {
    const QDateTime now = now_();
    ScheduleEntry entry;
    entry.Attribute = ScheduleMessage | ScheduleTimeSpecified | ScheduleOneOff;
    entry.Year = now.date().year();
    entry.Month = now.date().month();
    entry.Day = now.date().day();
    entry.Week = DayOfWeek(entry.Year, entry.Month, entry.Day);
    entry.Hour = now.time().hour();
    entry.Min = now.time().minute();
    WriteEditor(entry);
    TakeSnapshot();
}

void TScheForm::SetToday() {
    const QDateTime now = now_();
    calendar_.Show(now.date().year(), now.date().month(), now.date().day());
    ui_->UPD_Sche_Hour->setValue(now.time().hour());
    ui_->UPD_Sche_Min->setValue(now.time().minute());
    ShowCalendar();
}

void TScheForm::TakeSnapshot() {
    snapshot_.Take(ReadEditor());
}

bool TScheForm::HasUnsavedChanges() const {
    return snapshot_.ChangedFrom(ReadEditor());
}

void TScheForm::UpdateEnabling() {
    const int pattern = PatternBitAt(ui_->CBX_ScheSelect->currentIndex());
    const bool weekly = pattern == ScheduleWeekly;
    ui_->LBL_ScheEveryWeek->setEnabled(weekly);
    ui_->CBX_ScheEveryWeek->setEnabled(weekly);

    const bool timed = ui_->RB_ScheTime->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(ui_->UPD_Sche_Hour), static_cast<QWidget*>(ui_->UPD_Sche_Min),
          static_cast<QWidget*>(ui_->LBL_Sche_Hour), static_cast<QWidget*>(ui_->LBL_Sche_Min)}) {
        control->setEnabled(timed);
    }

    ui_->MM_Message->setEnabled(ui_->CBX_ScheMessage->isChecked());
    ui_->EDT_ScheSound->setEnabled(ui_->CBX_ScheSound->isChecked());
    ui_->Dialog_ScheSound->setEnabled(ui_->CBX_ScheSound->isChecked());
    for (QWidget* control : applicationControls_) {
        control->setEnabled(ui_->CBX_AppRun->isChecked());
    }

    // Daily and weekly entries do not use the date, so the calendar is greyed out for them.
    const bool datePattern = (pattern & (ScheduleYearly | ScheduleMonthly | ScheduleOneOff)) != 0;
    ui_->Panel1->setEnabled(datePattern);
    QPalette palette = ui_->SG_Calender->palette();
    palette.setColor(QPalette::All, QPalette::Base,
                     datePattern ? QColor(Qt::white) : QColor(0x80, 0x80, 0x80));
    ui_->SG_Calender->setPalette(palette);
}

void TScheForm::ShowCalendar() {
    ui_->LBL_Year->setText(QStringLiteral("%1年").arg(calendar_.Year()));
    ui_->LBL_Month->setText(QStringLiteral("%1月").arg(calendar_.Month()));
    QStringList texts;
    for (int row = 0; row < CalendarMonth::Rows; ++row) {
        for (int column = 0; column < CalendarMonth::Columns; ++column) {
            texts.append(calendar_.CellText(row, column));
        }
    }
    int row = -1;
    int column = -1;
    if (!calendar_.CellOfDay(calendar_.SelectedDay(), row, column)) {
        row = column = -1;
    }
    ui_->SG_Calender->ShowCells(texts, row, column);
    if (const int dayOfWeek = calendar_.SelectedDayOfWeek(); dayOfWeek > 0) {
        ui_->CBX_ScheEveryWeek->setCurrentIndex(dayOfWeek - 1);
    }
}

void TScheForm::MoveCalendar(int years, int months) {
    if (years != 0) {
        calendar_.MoveYears(years);
    }
    if (months != 0) {
        calendar_.MoveMonths(months);
    }
    ShowCalendar();
}

void TScheForm::CalendarDayClicked(int day) {
    if (calendar_.SelectDay(day)) {
        ShowCalendar();
    }
}

void TScheForm::CalendarDayStep(int days) {
    if (calendar_.SelectedDay() != 0 && calendar_.SelectDay(calendar_.SelectedDay() + days)) {
        ShowCalendar();
    }
}

void TScheForm::CalendarWheel(CalendarGrid::WheelDirection direction,
                              Qt::KeyboardModifiers modifiers) {
    const bool byYear = modifiers & Qt::ShiftModifier;
    if (direction == CalendarGrid::WheelDirection::Down) {
        MoveCalendar(byYear ? 1 : 0, byYear ? 0 : 1);
        return;
    }
    const bool monthly = PatternBitAt(ui_->CBX_ScheSelect->currentIndex()) == ScheduleMonthly;
    if (!byYear && monthly) {
        return;
    }
    MoveCalendar(byYear ? -1 : 0, byYear ? 0 : -1);
}

void TScheForm::FillList() {
    const QSignalBlocker blocker(ui_->CLBX_ScheList);
    ui_->CLBX_ScheList->clear();
    for (int i = 0; i < draft_.Count(); ++i) {
        const ScheduleEntry& entry = draft_.Entry(i);
        auto* item = new QListWidgetItem(ScheduleListText(entry), ui_->CLBX_ScheList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.Attribute & ScheduleEnabled ? Qt::Checked : Qt::Unchecked);
    }
}

void TScheForm::ListItemChanged(QListWidgetItem* item) {
    draft_.SetEnabled(ui_->CLBX_ScheList->row(item), item->checkState() == Qt::Checked
                                                         ? Enablement::Enabled
                                                         : Enablement::Disabled);
}

void TScheForm::LoadEntry(int row) {
    if (row < 0 || row >= draft_.Count() || !ConfirmDiscard()) {
        return;
    }
    WriteEditor(draft_.Entry(row));
    loadedIndex_ = row;
    TakeSnapshot();
    ui_->BTN_ScheUpdate->setEnabled(true);
}

void TScheForm::StoreEditor(StoreTarget target) {
    ScheduleEntry edited = ReadEditor();
    const QString error = ScheduleEditError(edited, calendar_.SelectedDay());
    if (!error.isEmpty()) {
        prompt_.ShowMessage(ScheduleEditErrorCaption(), error);
        return;
    }
    if (target == StoreTarget::NewEntry) {
        if (!draft_.Add(edited)) {
            ShowWarning(
                QStringLiteral("これ以上設定できません（最大%1件）").arg(ScheduleDraft::Capacity));
            return;
        }
    } else if (!draft_.Update(loadedIndex_, edited)) {
        return;
    }
    FillList();
    loadedIndex_ = -1;
    ui_->BTN_ScheUpdate->setEnabled(false);
    ResetEditor();
}

void TScheForm::DeleteSelected() {
    const int row = ui_->CLBX_ScheList->currentRow();
    if (row < 0 || !ui_->CLBX_ScheList->item(row)->isSelected()) {
        return;
    }
    draft_.Remove(row);
    FollowLoadedRowAfterDelete(loadedIndex_, row, *ui_->BTN_ScheUpdate);
    FillList();
}

void TScheForm::DeleteAll() {
    draft_.RemoveAll();
    loadedIndex_ = -1;
    ui_->BTN_ScheUpdate->setEnabled(false);
    FillList();
}

void TScheForm::SetAllChecks(Enablement enablement) {
    draft_.SetAllEnabled(enablement);
    FillList();
}

void TScheForm::BrowseSoundFile() {
    BrowseFileInto(choosers_, this, *ui_->EDT_ScheSound, QStringLiteral("サウンドファイルの選択"),
                   QStringLiteral("WAVファイル (*.wav)"));
}

void TScheForm::BrowseRunFile() {
    BrowseFileInto(choosers_, this, *ui_->EDT_RunFile, QStringLiteral("実行ファイルの選択"),
                   AllFilesFilter());
}

void TScheForm::BrowseRunFolder() {
    BrowseFolderInto(choosers_, this, *ui_->EDT_RunDir, QStringLiteral("実行時のフォルダ選択\n"));
}

void TScheForm::CommitAndClose() {
    draft_.CommitTo(table_);
    if (ConfirmSaved(saver_.SaveSettings())) {
        accept();
    }
}
