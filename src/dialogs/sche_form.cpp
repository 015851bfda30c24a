#include "dialogs/sche_form.h"

#include "core/clock_time.h"
#include "dialogs/byte_limited_memo.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_look.h"
#include "schedule/schedule_editing.h"
#include "schedule/schedule_list_text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr int ClientWidth = 624;
constexpr int ClientHeight = 445;

// CBX_ScheSelect's items in order, with the pattern bit each stands for.
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

QString DiscardQuestion() {
    return QStringLiteral("変更内容が破棄されますがよろしいですか?");
}

// Windows matches every file with "*.*"; elsewhere names without a dot need "*".
QString AllFilesFilter() {
#ifdef Q_OS_WIN
    return QStringLiteral("すべてのファイル (*.*)");
#else
    return QStringLiteral("すべてのファイル (*)");
#endif
}

// An up-down spinner beside a read-only edit: the spin box is the UPD_ control and its
// edit field carries the EDT_ name.
QSpinBox* MakeSpinner(const QString& spinName, const QString& editName, int maximum,
                      QWidget* parent, const QRect& geometry) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(spinName);
    spin->setRange(0, maximum);
    spin->setGeometry(geometry);
    if (auto* edit = spin->findChild<QLineEdit*>()) {
        edit->setObjectName(editName);
        edit->setReadOnly(true);
    }
    return spin;
}

} // namespace

TScheForm::TScheForm(ScheduleTable& table, SettingsSaver& saver, UserPrompt& prompt,
                     HelpViewer& help, std::function<QDateTime()> now, QWidget* parent)
    : QDialog(parent), table_(table), saver_(saver), prompt_(prompt), help_(help),
      now_(std::move(now)), draft_(table), calendar_(2000, 1, 1) {
    setObjectName(QStringLiteral("ScheForm"));
    setWindowTitle(QStringLiteral("スケジュール設定"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    BuildControls();
    ConnectControls();
    ResetEditor();
    FillList();
    CentreOnDesktop(*this);
}

void TScheForm::BuildControls() {
    BuildDateGroup();
    BuildNotificationGroup();
    BuildListGroup();
    BuildButtons();
}

QGroupBox* TScheForm::BuildDateGroup() {
    auto* group = new QGroupBox(QStringLiteral("期日"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(8, 4, 316, 272);

    MakeLabel(QStringLiteral("実行パターン"), {}, group, QRect(12, 22, 100, 16));
    CBX_ScheSelect = new QComboBox(group);
    CBX_ScheSelect->setObjectName(QStringLiteral("CBX_ScheSelect"));
    CBX_ScheSelect->setGeometry(12, 40, 110, 22);
    for (const PatternItem& item : PatternItems) {
        CBX_ScheSelect->addItem(QString::fromUtf16(item.caption));
    }

    LBL_ScheEveryWeek =
        MakeLabel(QStringLiteral("曜日"), "LBL_ScheEveryWeek", group, QRect(12, 70, 100, 16));
    CBX_ScheEveryWeek = new QComboBox(group);
    CBX_ScheEveryWeek->setObjectName(QStringLiteral("CBX_ScheEveryWeek"));
    CBX_ScheEveryWeek->setGeometry(12, 88, 110, 22);
    for (int day = 1; day <= 7; ++day) {
        CBX_ScheEveryWeek->addItem(ShortWeekdayName(day) + QStringLiteral("曜日"));
    }

    RB_ScheRun = new QRadioButton(QStringLiteral("Zorbel起動時"), group);
    RB_ScheRun->setObjectName(QStringLiteral("RB_ScheRun"));
    RB_ScheRun->setGeometry(12, 120, 130, 20);
    RB_ScheRun->setChecked(true);
    RB_ScheTime = new QRadioButton(QStringLiteral("時間指定"), group);
    RB_ScheTime->setObjectName(QStringLiteral("RB_ScheTime"));
    RB_ScheTime->setGeometry(12, 142, 130, 20);

    UPD_Sche_Hour =
        MakeSpinner("UPD_Sche_Hour", "EDT_Sche_Hour", 23, group, QRect(28, 166, 44, 22));
    LBL_Sche_Hour = MakeLabel(QStringLiteral("時"), "LBL_Sche_Hour", group, QRect(75, 169, 14, 16));
    UPD_Sche_Min = MakeSpinner("UPD_Sche_Min", "EDT_Sche_Min", 59, group, QRect(92, 166, 44, 22));
    LBL_Sche_Min = MakeLabel(QStringLiteral("分"), "LBL_Sche_Min", group, QRect(139, 169, 14, 16));

    BTN_ScheNow =
        MakeButton(QStringLiteral("現在日時"), "BTN_ScheNow", group, QRect(12, 202, 96, 24));

    BuildCalendarPanel(group);
    return group;
}

QFrame* TScheForm::BuildCalendarPanel(QWidget* parent) {
    Panel1 = new QFrame(parent);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setGeometry(156, 20, 154, 168);

    LBL_Year = MakeLabel({}, "LBL_Year", Panel1, QRect(6, 4, 70, 16));
    LBL_Year->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LBL_Month = MakeLabel({}, "LBL_Month", Panel1, QRect(80, 4, 60, 16));
    LBL_Month->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    BTN_LastYear = MakeButton(QStringLiteral("<<"), "BTN_LastYear", Panel1, QRect(6, 22, 32, 20));
    BTN_LastMonth = MakeButton(QStringLiteral("<"), "BTN_LastMonth", Panel1, QRect(40, 22, 32, 20));
    BTN_NextMonth = MakeButton(QStringLiteral(">"), "BTN_NextMonth", Panel1, QRect(82, 22, 32, 20));
    BTN_NextYear = MakeButton(QStringLiteral(">>"), "BTN_NextYear", Panel1, QRect(116, 22, 32, 20));

    SG_Calender = new CalendarGrid(Panel1);
    SG_Calender->setObjectName(QStringLiteral("SG_Calender"));
    SG_Calender->move((Panel1->width() - SG_Calender->width()) / 2, 46);
    return Panel1;
}

QGroupBox* TScheForm::BuildNotificationGroup() {
    auto* group = new QGroupBox(QStringLiteral("通知方法"), this);
    group->setObjectName(QStringLiteral("GroupBox3"));
    group->setGeometry(332, 4, 284, 272);

    CBX_ScheMessage = MakeCheck(QStringLiteral("メッセージ通知"), "CBX_ScheMessage", group,
                                QRect(10, 16, 200, 20));
    MM_Message = new ByteLimitedMemo(MessageByteLimit, group);
    MM_Message->setObjectName(QStringLiteral("MM_Message"));
    MM_Message->setGeometry(10, 36, 264, 38);
    MM_Message->setTabChangesFocus(true);

    CBX_ScheSound =
        MakeCheck(QStringLiteral("サウンド"), "CBX_ScheSound", group, QRect(10, 78, 200, 20));
    CBX_ScheSound->setChecked(true);
    EDT_ScheSound = MakeEdit("EDT_ScheSound", group, QRect(26, 98, 216, 22));
    Dialog_ScheSound =
        MakeButton(QStringLiteral("..."), "Dialog_ScheSound", group, QRect(246, 98, 28, 22));

    CBX_AppRun = MakeCheck(QStringLiteral("アプリケーション起動"), "CBX_AppRun", group,
                           QRect(10, 124, 200, 20));
    CBX_AppRun->setChecked(true);
    const int labelX = 26;
    const int fieldX = 112;
    auto row = [](int index) { return 146 + 24 * index; };
    applicationControls_ = {
        MakeLabel(QStringLiteral("名称"), {}, group, QRect(labelX, row(0) + 3, 84, 16)),
        EDT_ScheAppName = MakeEdit("EDT_ScheAppName", group, QRect(fieldX, row(0), 162, 22)),
        MakeLabel(QStringLiteral("ファイル"), {}, group, QRect(labelX, row(1) + 3, 84, 16)),
        EDT_RunFile = MakeEdit("EDT_RunFile", group, QRect(fieldX, row(1), 130, 22)),
        Dialog_RunFile =
            MakeButton(QStringLiteral("..."), "Dialog_RunFile", group, QRect(246, row(1), 28, 22)),
        MakeLabel(QStringLiteral("作業フォルダ"), {}, group, QRect(labelX, row(2) + 3, 84, 16)),
        EDT_RunDir = MakeEdit("EDT_RunDir", group, QRect(fieldX, row(2), 130, 22)),
        Dialog_RunDir =
            MakeButton(QStringLiteral("..."), "Dialog_RunDir", group, QRect(246, row(2), 28, 22)),
        MakeLabel(QStringLiteral("オプション"), {}, group, QRect(labelX, row(3) + 3, 84, 16)),
        EDT_RunOption = MakeEdit("EDT_RunOption", group, QRect(fieldX, row(3), 162, 22)),
        MakeLabel(QStringLiteral("実行時の大きさ"), {}, group, QRect(labelX, row(4) + 3, 84, 16)),
        CBX_RunWin = new QComboBox(group),
    };
    CBX_RunWin->setObjectName(QStringLiteral("CBX_RunWin"));
    CBX_RunWin->setGeometry(fieldX, row(4), 130, 22);
    CBX_RunWin->addItems({QStringLiteral("通常のウィンドウ"), QStringLiteral("最小化"),
                          QStringLiteral("最大化"), QString()});
    return group;
}

QGroupBox* TScheForm::BuildListGroup() {
    auto* group = new QGroupBox(QStringLiteral("スケジュールリスト"), this);
    group->setObjectName(QStringLiteral("GroupBox2"));
    group->setGeometry(8, 282, 500, 156);

    CLBX_ScheList = new QListWidget(group);
    CLBX_ScheList->setObjectName(QStringLiteral("CLBX_ScheList"));
    CLBX_ScheList->setGeometry(8, 18, 484, 130);
    CLBX_ScheList->setContextMenuPolicy(Qt::CustomContextMenu);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    auto addItem = [this](const QString& caption, const QString& name) {
        QAction* action = PopupMenu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    PP_AllCheckOff = addItem(QStringLiteral("全てチェックを外す(&F)"), "PP_AllCheckOff");
    PP_AllCheckOn = addItem(QStringLiteral("全てチェックする(&O)"), "PP_AllCheckOn");
    PopupMenu->addSeparator();
    PP_DelOnce = addItem(QStringLiteral("選択中の項目を削除(&D)"), "PP_DelOnce");
    PP_DelAll = addItem(QStringLiteral("すべて削除(&E)"), "PP_DelAll");
    return group;
}

void TScheForm::BuildButtons() {
    const int x = 516;
    const int width = 100;
    const int height = 22;
    BTN_ScheNew =
        MakeButton(QStringLiteral("新規追加 "), "BTN_ScheNew", this, QRect(x, 288, width, height));
    BTN_ScheUpdate =
        MakeButton(QStringLiteral("更新"), "BTN_ScheUpdate", this, QRect(x, 313, width, height));
    BTN_ScheUpdate->setEnabled(false);
    BTN_ScheReset =
        MakeButton(QStringLiteral("初期化"), "BTN_ScheReset", this, QRect(x, 338, width, height));
    BTN_ScheRefrect =
        MakeButton(QStringLiteral("設定"), "BTN_ScheRefrect", this, QRect(x, 366, width, height));
    BTN_Close =
        MakeButton(QStringLiteral("キャンセル"), "BTN_Close", this, QRect(x, 391, width, height));
    BTN_Help = MakeButton(QStringLiteral("ヘルプ"), "BTN_Help", this, QRect(x, 416, width, height));
}

void TScheForm::ConnectControls() {
    auto enabling = [this] { UpdateEnabling(); };
    connect(CBX_ScheSelect, &QComboBox::currentIndexChanged, this, enabling);
    connect(RB_ScheTime, &QRadioButton::toggled, this, enabling);
    connect(CBX_ScheMessage, &QCheckBox::toggled, this, enabling);
    connect(CBX_ScheSound, &QCheckBox::toggled, this, enabling);
    connect(CBX_AppRun, &QCheckBox::toggled, this, enabling);

    connect(BTN_ScheNow, &QPushButton::clicked, this, [this] { SetToday(); });
    connect(BTN_LastYear, &QPushButton::clicked, this, [this] { MoveCalendar(-1, 0); });
    connect(BTN_NextYear, &QPushButton::clicked, this, [this] { MoveCalendar(1, 0); });
    connect(BTN_LastMonth, &QPushButton::clicked, this, [this] { MoveCalendar(0, -1); });
    connect(BTN_NextMonth, &QPushButton::clicked, this, [this] { MoveCalendar(0, 1); });
    connect(SG_Calender, &CalendarGrid::DayClicked, this, &TScheForm::CalendarDayClicked);
    connect(SG_Calender, &CalendarGrid::DayStepRequested, this, &TScheForm::CalendarDayStep);
    connect(SG_Calender, &CalendarGrid::WheelTurned, this, &TScheForm::CalendarWheel);

    connect(Dialog_ScheSound, &QPushButton::clicked, this, &TScheForm::BrowseSoundFile);
    connect(Dialog_RunFile, &QPushButton::clicked, this, &TScheForm::BrowseRunFile);
    connect(Dialog_RunDir, &QPushButton::clicked, this, &TScheForm::BrowseRunFolder);

    connect(CLBX_ScheList, &QListWidget::itemChanged, this, &TScheForm::ListItemChanged);
    connect(CLBX_ScheList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { LoadEntry(CLBX_ScheList->row(item)); });
    connect(CLBX_ScheList, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu->popup(CLBX_ScheList->viewport()->mapToGlobal(at));
    });
    connect(PP_AllCheckOff, &QAction::triggered, this,
            [this] { SetAllChecks(Enablement::Disabled); });
    connect(PP_AllCheckOn, &QAction::triggered, this,
            [this] { SetAllChecks(Enablement::Enabled); });
    connect(PP_DelOnce, &QAction::triggered, this, &TScheForm::DeleteSelected);
    connect(PP_DelAll, &QAction::triggered, this, &TScheForm::DeleteAll);

    connect(BTN_ScheNew, &QPushButton::clicked, this,
            [this] { StoreEditor(StoreTarget::NewEntry); });
    connect(BTN_ScheUpdate, &QPushButton::clicked, this,
            [this] { StoreEditor(StoreTarget::LoadedEntry); });
    connect(BTN_ScheReset, &QPushButton::clicked, this, &TScheForm::ResetEditor);
    connect(BTN_ScheRefrect, &QPushButton::clicked, this, &TScheForm::CommitAndClose);
    connect(BTN_Close, &QPushButton::clicked, this, &TScheForm::CancelRequested);
    connect(BTN_Help, &QPushButton::clicked, this, [this] { help_.ShowTopic(HelpContext); });
}

ScheduleEntry TScheForm::ReadEditor() const {
    ScheduleEntry entry;
    int attribute = PatternBitAt(CBX_ScheSelect->currentIndex());
    if (CBX_ScheMessage->isChecked()) {
        attribute |= ScheduleMessage;
    }
    if (CBX_ScheSound->isChecked()) {
        attribute |= ScheduleSound;
    }
    if (CBX_AppRun->isChecked()) {
        attribute |= ScheduleApplication;
    }
    if (RB_ScheTime->isChecked()) {
        attribute |= ScheduleTimeSpecified;
    }
    entry.Attribute = attribute;
    entry.Year = calendar_.Year();
    entry.Month = calendar_.Month();
    entry.Day = calendar_.SelectedDay();
    entry.Week = CBX_ScheEveryWeek->currentIndex() + 1;
    entry.Hour = UPD_Sche_Hour->value();
    entry.Min = UPD_Sche_Min->value();
    entry.Message = MM_Message->toPlainText();
    entry.SoundFile = EDT_ScheSound->text();
    entry.APL_Name = EDT_ScheAppName->text();
    entry.APL_File = EDT_RunFile->text();
    entry.APL_Dir = EDT_RunDir->text();
    entry.APL_Opt = EDT_RunOption->text();
    entry.APL_Type = CBX_RunWin->currentIndex();
    return entry;
}

void TScheForm::WriteEditor(const ScheduleEntry& entry) {
    CBX_ScheMessage->setChecked(entry.Attribute & ScheduleMessage);
    CBX_ScheSound->setChecked(entry.Attribute & ScheduleSound);
    CBX_AppRun->setChecked(entry.Attribute & ScheduleApplication);
    (entry.Attribute & ScheduleTimeSpecified ? RB_ScheTime : RB_ScheRun)->setChecked(true);
    CBX_ScheSelect->setCurrentIndex(PatternIndexOf(entry.Attribute));
    UPD_Sche_Hour->setValue(entry.Hour);
    UPD_Sche_Min->setValue(entry.Min);
    MM_Message->ShowStoredText(entry.Message);
    EDT_ScheSound->setText(entry.SoundFile);
    EDT_ScheAppName->setText(entry.APL_Name);
    EDT_RunFile->setText(entry.APL_File);
    EDT_RunDir->setText(entry.APL_Dir);
    EDT_RunOption->setText(entry.APL_Opt);
    CBX_RunWin->setCurrentIndex(
        entry.APL_Type >= 0 && entry.APL_Type < CBX_RunWin->count() ? entry.APL_Type : -1);
    calendar_.Show(entry.Year, entry.Month, entry.Day);
    ShowCalendar();
    // After the calendar, which sets the weekday of its date: a weekly entry keeps its own.
    CBX_ScheEveryWeek->setCurrentIndex(entry.Week >= 1 && entry.Week <= 7 ? entry.Week - 1 : -1);
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
    UPD_Sche_Hour->setValue(now.time().hour());
    UPD_Sche_Min->setValue(now.time().minute());
    ShowCalendar();
}

void TScheForm::TakeSnapshot() {
    snapshot_ = ReadEditor();
}

bool TScheForm::EditorChanged() const {
    return !SameEditorFields(ReadEditor(), snapshot_);
}

bool TScheForm::ConfirmDiscard() {
    return !EditorChanged() ||
           prompt_.Ask(QStringLiteral("警告"), DiscardQuestion()) == UserPrompt::Answer::Yes;
}

void TScheForm::UpdateEnabling() {
    const int pattern = PatternBitAt(CBX_ScheSelect->currentIndex());
    const bool weekly = pattern == ScheduleWeekly;
    LBL_ScheEveryWeek->setEnabled(weekly);
    CBX_ScheEveryWeek->setEnabled(weekly);

    const bool timed = RB_ScheTime->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(UPD_Sche_Hour), static_cast<QWidget*>(UPD_Sche_Min),
          static_cast<QWidget*>(LBL_Sche_Hour), static_cast<QWidget*>(LBL_Sche_Min)}) {
        control->setEnabled(timed);
    }

    MM_Message->setEnabled(CBX_ScheMessage->isChecked());
    EDT_ScheSound->setEnabled(CBX_ScheSound->isChecked());
    Dialog_ScheSound->setEnabled(CBX_ScheSound->isChecked());
    for (QWidget* control : applicationControls_) {
        control->setEnabled(CBX_AppRun->isChecked());
    }

    // Daily and weekly entries do not use the date, so the calendar is greyed out for them.
    const bool datePattern = (pattern & (ScheduleYearly | ScheduleMonthly | ScheduleOneOff)) != 0;
    Panel1->setEnabled(datePattern);
    QPalette palette = SG_Calender->palette();
    palette.setColor(QPalette::All, QPalette::Base,
                     datePattern ? QColor(Qt::white) : QColor(0x80, 0x80, 0x80));
    SG_Calender->setPalette(palette);
}

void TScheForm::ShowCalendar() {
    LBL_Year->setText(QStringLiteral("%1年").arg(calendar_.Year()));
    LBL_Month->setText(QStringLiteral("%1月").arg(calendar_.Month()));
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
    SG_Calender->ShowCells(texts, row, column);
    if (const int dayOfWeek = calendar_.SelectedDayOfWeek(); dayOfWeek > 0) {
        CBX_ScheEveryWeek->setCurrentIndex(dayOfWeek - 1);
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
    const bool monthly = PatternBitAt(CBX_ScheSelect->currentIndex()) == ScheduleMonthly;
    if (!byYear && monthly) {
        return;
    }
    MoveCalendar(byYear ? -1 : 0, byYear ? 0 : -1);
}

void TScheForm::FillList() {
    const QSignalBlocker blocker(CLBX_ScheList);
    CLBX_ScheList->clear();
    for (int i = 0; i < draft_.Count(); ++i) {
        const ScheduleEntry& entry = draft_.Entry(i);
        auto* item = new QListWidgetItem(ScheduleListText(entry), CLBX_ScheList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.Attribute & ScheduleEnabled ? Qt::Checked : Qt::Unchecked);
    }
}

void TScheForm::ListItemChanged(QListWidgetItem* item) {
    draft_.SetEnabled(CLBX_ScheList->row(item), item->checkState() == Qt::Checked
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
    BTN_ScheUpdate->setEnabled(true);
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
            prompt_.ShowMessage(
                QStringLiteral("警告"),
                QStringLiteral("これ以上設定できません（最大%1件）").arg(ScheduleDraft::Capacity));
            return;
        }
    } else if (!draft_.Update(loadedIndex_, edited)) {
        return;
    }
    FillList();
    loadedIndex_ = -1;
    BTN_ScheUpdate->setEnabled(false);
    ResetEditor();
}

void TScheForm::DeleteSelected() {
    const int row = CLBX_ScheList->currentRow();
    if (row < 0 || !CLBX_ScheList->item(row)->isSelected()) {
        return;
    }
    draft_.Remove(row);
    // Keep "更新" pointing at the entry that was loaded, or at nothing once it is gone.
    if (loadedIndex_ == row || draft_.Count() == 0) {
        loadedIndex_ = -1;
        BTN_ScheUpdate->setEnabled(false);
    } else if (loadedIndex_ > row) {
        --loadedIndex_;
    }
    FillList();
}

void TScheForm::DeleteAll() {
    draft_.RemoveAll();
    loadedIndex_ = -1;
    BTN_ScheUpdate->setEnabled(false);
    FillList();
}

void TScheForm::SetAllChecks(Enablement enablement) {
    draft_.SetAllEnabled(enablement);
    FillList();
}

void TScheForm::BrowseSoundFile() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("サウンドファイルの選択"), QFileInfo(EDT_ScheSound->text()).path(),
        QStringLiteral("WAVファイル (*.wav)"));
    if (!file.isEmpty()) {
        EDT_ScheSound->setText(file);
    }
}

void TScheForm::BrowseRunFile() {
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("実行ファイルの選択"),
                                     QFileInfo(EDT_RunFile->text()).path(), AllFilesFilter());
    if (!file.isEmpty()) {
        EDT_RunFile->setText(file);
    }
}

void TScheForm::BrowseRunFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("実行時のフォルダ選択\n"),
                                          EDT_RunDir->text(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty()) {
        EDT_RunDir->setText(folder);
    }
}

void TScheForm::CommitAndClose() {
    draft_.CommitTo(table_);
    saver_.SaveSettings();
    accept();
}

void TScheForm::CancelRequested() {
    if (ConfirmDiscard()) {
        reject();
    }
}

void TScheForm::keyPressEvent(QKeyEvent* event) {
    // Esc is "キャンセル" and asks first; the close box closes without asking.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CancelRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}
