// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/day_time_form.h"

#include "timesync/clock_adjustment.h"
#include "timesync/correction_texts.h"
#include "timesync/server_time_fetch.h"
#include "ui_day_time_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr int MonthDays = 30; // the list stops at 30: not every month has a 31st
constexpr int HourIntervalMaximum = 24;
constexpr int MinuteIntervalMaximum = 59;

const char16_t* const PatternNames[] = {u"毎月", u"毎日", u"毎週", u"毎時", u"毎分"};
const char16_t* const WeekdayNames[] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};

// A stored value outside what the list offers is shown as its nearest entry rather than as
// no selection, which "設定" would turn into 0.
int ListIndexFor(int value, int count) {
    return qBound(1, value, count) - 1;
}

} // namespace

TDayTimeForm::ServerLists TDayTimeForm::DefaultServers() {
    return {{QStringLiteral("time-a-g.nist.gov"), QStringLiteral("time-b-g.nist.gov"),
             QStringLiteral("time-c-g.nist.gov"), QStringLiteral("time-d-g.nist.gov"),
             QStringLiteral("time-a-wwv.nist.gov")},
            {QStringLiteral("ntp.nict.jp"), QStringLiteral("ntp.jst.mfeed.ad.jp"),
             QStringLiteral("jp.pool.ntp.org"), QStringLiteral("time.google.com"),
             QStringLiteral("time.cloudflare.com")}};
}

TDayTimeForm::TDayTimeForm(TimeServerSettings& settings, CorrectionState& state,
                           CorrectionHost& host, SystemClockSetter& clock, SettingsSaver& saver,
                           HelpViewer& help, UserPrompt& prompt, ServerLists servers,
                           QWidget* parent)
    : SettingsDialog(prompt, help, HelpContext, Border::CloseBox, parent), settings_(settings),
      state_(state), host_(host), clock_(clock), saver_(saver), servers_(std::move(servers)),
      working_(settings), ui_(std::make_unique<Ui::DayTimeForm>()) {
    // A value no version wrote reads as Daytime, as the correction run reads it.
    working_.Protocol = working_.Protocol == SntpProtocol ? SntpProtocol : DaytimeProtocol;
    ui_->setupUi(this);
    ConnectControls();
    ShowSettings();
    AttachStandardButtons(ui_->BTN_Close, ui_->BTN_Help);

    // The handlers only report; leaving the flag false lets the run fail.
    const auto reportInvalidHost = [this](bool&) {
        ui_->Memo1->appendPlainText(QStringLiteral("InvalidHost"));
    };
    DaytimeClient.OnInvalidHost = reportInvalidHost;
    SntpClient.OnInvalidHost = reportInvalidHost;
}

TDayTimeForm::~TDayTimeForm() = default;

void TDayTimeForm::ConnectControls() {
    connect(ui_->RB_ProtocolSntp, &QRadioButton::toggled, this,
            [this](bool checked) { ChooseProtocol(checked ? SntpProtocol : DaytimeProtocol); });
    connect(ui_->CBX_Pattern, &QComboBox::currentIndexChanged, this, [this](int pattern) {
        LayOutPattern(pattern);
        UpdateEnabling();
    });
    connect(ui_->CBX_AutoAdjust, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    connect(ui_->RB_DayTimeRun, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
    connect(ui_->RB_DayTimeTime, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
    connect(ui_->BTN_AdjustCheck, &QPushButton::clicked, this,
            [this] { RunNow(ClockCorrection::RunMode::Check); });
    connect(ui_->BTN_Adjust, &QPushButton::clicked, this,
            [this] { RunNow(ClockCorrection::RunMode::Correct); });
    connect(ui_->BTN_Pop3Refrect, &QPushButton::clicked, this, [this] { Apply(); });
}

void TDayTimeForm::ShowSettings() {
    const int pattern = qBound(0, working_.Pattern, int(std::size(PatternNames)) - 1);
    {
        // Lay out once, for the stored pattern, before the stored values are shown.
        const QSignalBlocker blocker(ui_->CBX_Pattern);
        ui_->CBX_Pattern->setCurrentIndex(pattern);
    }
    LayOutPattern(pattern);
    {
        const QSignalBlocker sntp(ui_->RB_ProtocolSntp);
        const QSignalBlocker daytime(ui_->RB_ProtocolDaytime);
        (working_.Protocol == SntpProtocol ? ui_->RB_ProtocolSntp : ui_->RB_ProtocolDaytime)
            ->setChecked(true);
    }
    FillServerList(working_.Protocol, working_.Index);
    ui_->CBX_AutoAdjust->setChecked((working_.Attribute & AutoCorrection) != 0);
    if (pattern == CorrectMonthly) {
        ui_->CBX_List->setCurrentIndex(ListIndexFor(working_.Day, MonthDays));
    } else if (pattern == CorrectWeekly) {
        ui_->CBX_List->setCurrentIndex(ListIndexFor(working_.Week, int(std::size(WeekdayNames))));
    }
    if ((working_.Attribute & CorrectAtStartup) != 0) {
        ui_->RB_DayTimeRun->setChecked(true);
    } else {
        ui_->RB_DayTimeTime->setChecked(true);
        ui_->UPD_DayTime_Hour->setValue(working_.Hour);
        ui_->UPD_DayTime_Min->setValue(working_.Min);
    }
    ui_->CBX_DialUp->setChecked((working_.Attribute & CorrectOnlyDialUp) != 0);
    UpdateEnabling();
}

void TDayTimeForm::ChooseProtocol(int protocol) {
    if (protocol == working_.Protocol) {
        return;
    }
    working_.Protocol = protocol;
    working_.iPort = protocol == SntpProtocol ? SntpPort : DaytimePort;
    FillServerList(protocol, 0);
}

void TDayTimeForm::FillServerList(int protocol, int index) {
    ui_->CBX_ServerList->clear();
    ui_->CBX_ServerList->addItems(servers_.For(protocol));
    ui_->CBX_ServerList->setCurrentIndex(index);
}

void TDayTimeForm::LayOutPattern(int pattern) {
    ui_->CBX_List->clear();
    if (pattern == CorrectMonthly) {
        for (int day = 1; day <= MonthDays; ++day) {
            ui_->CBX_List->addItem(QString::number(day));
        }
    } else if (pattern == CorrectWeekly) {
        for (const char16_t* name : WeekdayNames) {
            ui_->CBX_List->addItem(QString::fromUtf16(name));
        }
    }
    ui_->CBX_List->setCurrentIndex(0);
    ui_->CBX_List->setVisible(pattern == CorrectMonthly || pattern == CorrectWeekly);

    const bool interval = pattern == CorrectEveryHours || pattern == CorrectEveryMinutes;
    if (pattern == CorrectEveryHours) {
        ui_->UPD_Interval->setRange(1, HourIntervalMaximum);
        ui_->UPD_Interval->setValue(working_.Interval_Hour);
    } else if (pattern == CorrectEveryMinutes) {
        ui_->UPD_Interval->setRange(1, MinuteIntervalMaximum);
        ui_->UPD_Interval->setValue(working_.Interval_Min);
    }
    ui_->UPD_Interval->setVisible(interval);

    static const char16_t* const UnitNames[] = {u"日", u"", u"曜日", u"時間毎", u"分毎"};
    ui_->LBL_Name->setText(pattern >= 0 ? QString::fromUtf16(UnitNames[pattern]) : QString());
    ui_->LBL_Name->setVisible(pattern != CorrectDaily);

    for (QWidget* rowControl : std::initializer_list<QWidget*>{
             ui_->RB_DayTimeRun, ui_->RB_DayTimeTime, ui_->UPD_DayTime_Hour, ui_->LBL_DayTime_Hour,
             ui_->UPD_DayTime_Min, ui_->LBL_DayTime_Min}) {
        rowControl->setVisible(!interval);
    }
}

void TDayTimeForm::UpdateEnabling() {
    const bool automatic = ui_->CBX_AutoAdjust->isChecked();
    for (QWidget* patternControl : std::initializer_list<QWidget*>{
             ui_->LBL_Pattern, ui_->CBX_Pattern, ui_->CBX_List, ui_->UPD_Interval, ui_->LBL_Name}) {
        patternControl->setEnabled(automatic);
    }
    // The radios follow the pattern; the time controls follow the selected radio.
    const bool radios = automatic && ui_->CBX_Pattern->currentIndex() != CorrectEveryMinutes;
    ui_->RB_DayTimeRun->setEnabled(radios);
    ui_->RB_DayTimeTime->setEnabled(radios);
    const bool time = radios && ui_->RB_DayTimeTime->isChecked();
    for (QWidget* timeControl :
         std::initializer_list<QWidget*>{ui_->UPD_DayTime_Hour, ui_->LBL_DayTime_Hour,
                                         ui_->UPD_DayTime_Min, ui_->LBL_DayTime_Min}) {
        timeControl->setEnabled(time);
    }
}

QString TDayTimeForm::SelectedServer() const {
    if (ui_->CBX_ServerList->currentIndex() < 0) {
        return ui_->CBX_ServerList->count() > 0 ? ui_->CBX_ServerList->itemText(0) : QString();
    }
    return ui_->CBX_ServerList->currentText();
}

void TDayTimeForm::RunNow(ClockCorrection::RunMode mode) {
    const bool check = mode == ClockCorrection::RunMode::Check;
    runInProgress_ = true;
    ui_->BTN_AdjustCheck->setEnabled(false);
    ui_->BTN_Adjust->setEnabled(false);
    ui_->Memo1->appendPlainText(check ? QStringLiteral("==テスト実行します==")
                                      : QStringLiteral("==日時を補正します=="));

    state_.correctionError = CorrectionError::None;
    const ServerAddress address{SelectedServer(), working_.iPort, working_.iiTimeOut,
                                working_.Protocol};
    const ServerTime server = working_.Protocol == SntpProtocol
                                  ? FetchServerTime(SntpClient, address)
                                  : FetchServerTime(DaytimeClient, address);
    if (server.failure != CorrectionFailure::None) {
        RunFailed(server.failure);
        return;
    }
    // The computer's time before any setting, in both modes.
    const QString pcLine = PcTimeText(clock_.LocalTime());
    bool declined = false;
    if (!check) {
        // The user pressed the button: a large step is asked about, and the system may ask
        // for a password.
        const ClockAdjustment adjustment =
            SetComputerClock(clock_, server, CorrectionStarter::User, prompt_);
        if (adjustment.outcome == ClockAdjustment::Outcome::Failed) {
            RunFailed(adjustment.failure);
            return;
        }
        declined = adjustment.outcome == ClockAdjustment::Outcome::Declined;
    }
    ui_->Memo1->appendPlainText(pcLine);
    ui_->Memo1->appendPlainText(ServerTimeText(server.Local()));
    if (!check) {
        ui_->Memo1->appendPlainText(declined ? QStringLiteral("補正しませんでした")
                                             : QStringLiteral("補正しました"));
    }
    host_.RestartTick();
    ui_->BTN_AdjustCheck->setEnabled(true);
    ui_->BTN_Adjust->setEnabled(true);
    runInProgress_ = false;
}

void TDayTimeForm::RunFailed(CorrectionFailure failure) {
    ui_->Memo1->appendPlainText(CorrectionFailureMessage(failure));
    host_.RestartTick();
    host_.SetRunCommandsEnabled(CommandState::Enabled);
    state_.correctionError = CorrectionError::Failed;
    ui_->BTN_AdjustCheck->setEnabled(true);
    ui_->BTN_Adjust->setEnabled(true);
    runInProgress_ = false;
    // The memo tells what went wrong; this one the user can only mend outside the program,
    // so it is said out loud as the menu's correction says it.
    if (failure == CorrectionFailure::AutomaticSyncOn) {
        ShowWarning(CorrectionFailureMessage(failure));
    }
}

void TDayTimeForm::Apply() {
    const int pattern = ui_->CBX_Pattern->currentIndex();
    const bool atTime = ui_->RB_DayTimeTime->isChecked();
    if (pattern == CorrectMonthly) {
        working_.Day = ui_->CBX_List->currentIndex() + 1;
    } else if (pattern == CorrectWeekly) {
        working_.Week = ui_->CBX_List->currentIndex() + 1;
    }
    if ((pattern == CorrectMonthly || pattern == CorrectDaily || pattern == CorrectWeekly) &&
        atTime) {
        working_.Hour = ui_->UPD_DayTime_Hour->value();
        working_.Min = ui_->UPD_DayTime_Min->value();
    }
    if (pattern == CorrectEveryHours) {
        working_.Interval_Hour = ui_->UPD_Interval->value();
    } else if (pattern == CorrectEveryMinutes) {
        working_.Interval_Min = ui_->UPD_Interval->value();
    }
    if (ui_->CBX_ServerList->currentIndex() < 0 && ui_->CBX_ServerList->count() > 0) {
        ui_->CBX_ServerList->setCurrentIndex(0);
    }
    working_.Index = ui_->CBX_ServerList->currentIndex();
    working_.asHostName = ui_->CBX_ServerList->currentText();
    working_.Pattern = pattern;

    int attribute = working_.Attribute &
                    ~(AutoCorrection | CorrectAtStartup | CorrectAtTime | CorrectOnlyDialUp);
    attribute |= ui_->CBX_AutoAdjust->isChecked() ? AutoCorrection : 0;
    attribute |= atTime ? CorrectAtTime : CorrectAtStartup;
    attribute |= ui_->CBX_DialUp->isChecked() ? CorrectOnlyDialUp : 0;
    working_.Attribute = attribute;

    settings_.Index = working_.Index;
    settings_.Attribute = working_.Attribute;
    settings_.Pattern = working_.Pattern;
    settings_.Day = working_.Day;
    settings_.Week = working_.Week;
    settings_.Hour = working_.Hour;
    settings_.Min = working_.Min;
    settings_.asHostName = working_.asHostName;
    settings_.Protocol = working_.Protocol;
    settings_.iPort = working_.iPort;
    settings_.iiTimeOut = working_.iiTimeOut;
    settings_.Interval_Hour = working_.Interval_Hour;
    settings_.Interval_Min = working_.Interval_Min;
    settings_.correctionDone = false;
    state_.correctionTicks = 0;
    if (ConfirmSaved(saver_.SaveSettings())) {
        accept();
    }
}

void TDayTimeForm::done(int result) {
    if (runInProgress_) {
        return;
    }
    host_.SetRunCommandsEnabled(CommandState::Enabled);
    QDialog::done(result);
}
