#include "dialogs/day_time_form.h"

#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_look.h"
#include "timesync/clock_adjustment.h"
#include "timesync/correction_texts.h"
#include "timesync/server_time_fetch.h"

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

constexpr int ClientWidth = 371;
// The protocol row adds this much to the server group and moves everything below it down.
constexpr int ProtocolRowHeight = 26;
constexpr int ClientHeight = 322 + ProtocolRowHeight;
constexpr int MonthDays = 30; // the list stops at 30: not every month has a 31st
constexpr int HourIntervalMaximum = 24;
constexpr int MinuteIntervalMaximum = 59;

const char16_t* const PatternNames[] = {u"毎月", u"毎日", u"毎週", u"毎時", u"毎分"};
const char16_t* const WeekdayNames[] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};

enum class EditAccess { Typing, SpinOnly };

// An up-down spinner with its edit field: the spin box is the UPD_ control and its edit
// carries the EDT_ name.
QSpinBox* MakeSpinner(const QString& spinName, const QString& editName, int minimum, int maximum,
                      EditAccess access, QWidget* parent, const QRect& geometry) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(spinName);
    spin->setRange(minimum, maximum);
    spin->setGeometry(geometry);
    if (auto* edit = spin->findChild<QLineEdit*>()) {
        edit->setObjectName(editName);
        edit->setReadOnly(access == EditAccess::SpinOnly);
    }
    return spin;
}

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
    : QDialog(parent), settings_(settings), state_(state), host_(host), clock_(clock),
      saver_(saver), help_(help), prompt_(prompt), servers_(std::move(servers)),
      working_(settings) {
    // A value no version wrote reads as Daytime, as the correction run reads it.
    working_.Protocol = working_.Protocol == SntpProtocol ? SntpProtocol : DaytimeProtocol;
    setObjectName(QStringLiteral("DayTimeForm"));
    setWindowTitle(QStringLiteral("日時補正の設定"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    BuildControls();
    ConnectControls();
    ShowSettings();
    CentreOnDesktop(*this);

    // The handlers only report; leaving the flag false lets the run fail.
    const auto reportInvalidHost = [this](bool&) {
        Memo1->appendPlainText(QStringLiteral("InvalidHost"));
    };
    DaytimeClient.OnInvalidHost = reportInvalidHost;
    SntpClient.OnInvalidHost = reportInvalidHost;
}

void TDayTimeForm::BuildControls() {
    BuildServerGroup()->setGeometry(8, 4, 355, 50 + ProtocolRowHeight);
    BuildProcessGroup()->setGeometry(8, 58 + ProtocolRowHeight, 355, 130);
    BuildStatusAndButtons();
}

QGroupBox* TDayTimeForm::BuildServerGroup() {
    auto* group = new QGroupBox(QStringLiteral("タイムサーバーの設定"), this);
    group->setObjectName(QStringLiteral("GRP_ServerInfo"));
    // The protocol comes first: the server list below offers servers of that protocol.
    MakeLabel(QStringLiteral("方式"), QStringLiteral("LBL_Protocol"), group, QRect(12, 22, 50, 16));
    RB_ProtocolSntp = new QRadioButton(QStringLiteral("SNTP (UDP 123)"), group);
    RB_ProtocolSntp->setObjectName(QStringLiteral("RB_ProtocolSntp"));
    RB_ProtocolSntp->setGeometry(68, 21, 130, 18);
    RB_ProtocolDaytime = new QRadioButton(QStringLiteral("Daytime (TCP 13)"), group);
    RB_ProtocolDaytime->setObjectName(QStringLiteral("RB_ProtocolDaytime"));
    RB_ProtocolDaytime->setGeometry(204, 21, 139, 18);

    MakeLabel(QStringLiteral("サーバー"), QStringLiteral("LBL_Server"), group,
              QRect(12, 22 + ProtocolRowHeight, 50, 16));
    CBX_ServerList = new QComboBox(group);
    CBX_ServerList->setObjectName(QStringLiteral("CBX_ServerList"));
    CBX_ServerList->setGeometry(68, 19 + ProtocolRowHeight, 275, 22);
    return group;
}

QGroupBox* TDayTimeForm::BuildProcessGroup() {
    auto* group = new QGroupBox(QStringLiteral("動作方法"), this);
    group->setObjectName(QStringLiteral("GRP_Proccess"));

    CBX_AutoAdjust = new QCheckBox(QStringLiteral("自動補正する"), group);
    CBX_AutoAdjust->setObjectName(QStringLiteral("CBX_AutoAdjust"));
    CBX_AutoAdjust->setGeometry(12, 20, 104, 18);
    CBX_DialUp = new QCheckBox(QStringLiteral("ダイヤルアップ環境で接続中のみチェック"), group);
    CBX_DialUp->setObjectName(QStringLiteral("CBX_DialUp"));
    CBX_DialUp->setGeometry(118, 20, 232, 18);

    LBL_Pattern = MakeLabel(QStringLiteral("実行パターン"), QStringLiteral("LBL_Pattern"), group,
                            QRect(12, 47, 68, 16));
    CBX_Pattern = new QComboBox(group);
    CBX_Pattern->setObjectName(QStringLiteral("CBX_Pattern"));
    for (const char16_t* name : PatternNames) {
        CBX_Pattern->addItem(QString::fromUtf16(name));
    }
    CBX_Pattern->setGeometry(84, 44, 62, 22);
    // The day or weekday list and the interval spinner share one place; one of them at most
    // is shown.
    CBX_List = new QComboBox(group);
    CBX_List->setObjectName(QStringLiteral("CBX_List"));
    CBX_List->setGeometry(152, 44, 52, 22);
    UPD_Interval =
        MakeSpinner(QStringLiteral("UPD_Interval"), QStringLiteral("EDT_Interval"), 1,
                    HourIntervalMaximum, EditAccess::Typing, group, QRect(152, 44, 52, 22));
    UPD_Interval->hide();
    LBL_Name = MakeLabel(QString(), QStringLiteral("LBL_Name"), group, QRect(208, 47, 44, 16));

    RB_DayTimeRun = new QRadioButton(QStringLiteral("Zorbel起動時"), group);
    RB_DayTimeRun->setObjectName(QStringLiteral("RB_DayTimeRun"));
    RB_DayTimeRun->setGeometry(12, 74, 110, 18);
    RB_DayTimeTime = new QRadioButton(QStringLiteral("時間指定"), group);
    RB_DayTimeTime->setObjectName(QStringLiteral("RB_DayTimeTime"));
    RB_DayTimeTime->setGeometry(12, 100, 76, 18);
    UPD_DayTime_Hour =
        MakeSpinner(QStringLiteral("UPD_DayTime_Hour"), QStringLiteral("EDT_DayTime_Hour"), 0, 23,
                    EditAccess::SpinOnly, group, QRect(90, 98, 44, 22));
    LBL_DayTime_Hour = MakeLabel(QStringLiteral("時"), QStringLiteral("LBL_DayTime_Hour"), group,
                                 QRect(137, 101, 14, 16));
    UPD_DayTime_Min =
        MakeSpinner(QStringLiteral("UPD_DayTime_Min"), QStringLiteral("EDT_DayTime_Min"), 0, 59,
                    EditAccess::SpinOnly, group, QRect(155, 98, 44, 22));
    LBL_DayTime_Min = MakeLabel(QStringLiteral("分"), QStringLiteral("LBL_DayTime_Min"), group,
                                QRect(202, 101, 14, 16));

    BTN_AdjustCheck = MakeButton(QStringLiteral("テスト実行"), QStringLiteral("BTN_AdjustCheck"),
                                 group, QRect(268, 68, 75, 25));
    BTN_Adjust = MakeButton(QStringLiteral("日時補正"), QStringLiteral("BTN_Adjust"), group,
                            QRect(268, 97, 75, 25));
    return group;
}

void TDayTimeForm::BuildStatusAndButtons() {
    MakeLabel(QStringLiteral("<状態>"), QStringLiteral("StaticText1"), this,
              QRect(10, 192 + ProtocolRowHeight, 60, 16));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 209 + ProtocolRowHeight, 355, 76);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

    BTN_Pop3Refrect = MakeButton(QStringLiteral("設定"), QStringLiteral("BTN_Pop3Refrect"), this,
                                 QRect(126, 291 + ProtocolRowHeight, 75, 25));
    BTN_Pop3Refrect->setDefault(true);
    BTN_Close = MakeButton(QStringLiteral("キャンセル"), QStringLiteral("BTN_Close"), this,
                           QRect(207, 291 + ProtocolRowHeight, 75, 25));
    BTN_Help = MakeButton(QStringLiteral("ヘルプ"), QStringLiteral("BTN_Help"), this,
                          QRect(288, 291 + ProtocolRowHeight, 75, 25));
}

void TDayTimeForm::ConnectControls() {
    connect(RB_ProtocolSntp, &QRadioButton::toggled, this,
            [this](bool checked) { ChooseProtocol(checked ? SntpProtocol : DaytimeProtocol); });
    connect(CBX_Pattern, &QComboBox::currentIndexChanged, this, [this](int pattern) {
        LayOutPattern(pattern);
        UpdateEnabling();
    });
    connect(CBX_AutoAdjust, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    connect(RB_DayTimeRun, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
    connect(RB_DayTimeTime, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
    connect(BTN_AdjustCheck, &QPushButton::clicked, this,
            [this] { RunNow(ClockCorrection::RunMode::Check); });
    connect(BTN_Adjust, &QPushButton::clicked, this,
            [this] { RunNow(ClockCorrection::RunMode::Correct); });
    connect(BTN_Pop3Refrect, &QPushButton::clicked, this, [this] { Apply(); });
    // Esc reaches reject() through QDialog itself.
    connect(BTN_Close, &QPushButton::clicked, this, &QDialog::reject);
    connect(BTN_Help, &QPushButton::clicked, this, [this] { help_.ShowTopic(HelpContext); });
}

void TDayTimeForm::ShowSettings() {
    const int pattern = qBound(0, working_.Pattern, int(std::size(PatternNames)) - 1);
    {
        // Lay out once, for the stored pattern, before the stored values are shown.
        const QSignalBlocker blocker(CBX_Pattern);
        CBX_Pattern->setCurrentIndex(pattern);
    }
    LayOutPattern(pattern);
    {
        const QSignalBlocker sntp(RB_ProtocolSntp);
        const QSignalBlocker daytime(RB_ProtocolDaytime);
        (working_.Protocol == SntpProtocol ? RB_ProtocolSntp : RB_ProtocolDaytime)
            ->setChecked(true);
    }
    FillServerList(working_.Protocol, working_.Index);
    CBX_AutoAdjust->setChecked((working_.Attribute & AutoCorrection) != 0);
    if (pattern == CorrectMonthly) {
        CBX_List->setCurrentIndex(ListIndexFor(working_.Day, MonthDays));
    } else if (pattern == CorrectWeekly) {
        CBX_List->setCurrentIndex(ListIndexFor(working_.Week, int(std::size(WeekdayNames))));
    }
    if ((working_.Attribute & CorrectAtStartup) != 0) {
        RB_DayTimeRun->setChecked(true);
    } else {
        RB_DayTimeTime->setChecked(true);
        UPD_DayTime_Hour->setValue(working_.Hour);
        UPD_DayTime_Min->setValue(working_.Min);
    }
    CBX_DialUp->setChecked((working_.Attribute & CorrectOnlyDialUp) != 0);
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
    CBX_ServerList->clear();
    CBX_ServerList->addItems(servers_.For(protocol));
    CBX_ServerList->setCurrentIndex(index);
}

void TDayTimeForm::LayOutPattern(int pattern) {
    CBX_List->clear();
    if (pattern == CorrectMonthly) {
        for (int day = 1; day <= MonthDays; ++day) {
            CBX_List->addItem(QString::number(day));
        }
    } else if (pattern == CorrectWeekly) {
        for (const char16_t* name : WeekdayNames) {
            CBX_List->addItem(QString::fromUtf16(name));
        }
    }
    CBX_List->setCurrentIndex(0);
    CBX_List->setVisible(pattern == CorrectMonthly || pattern == CorrectWeekly);

    const bool interval = pattern == CorrectEveryHours || pattern == CorrectEveryMinutes;
    if (pattern == CorrectEveryHours) {
        UPD_Interval->setRange(1, HourIntervalMaximum);
        UPD_Interval->setValue(working_.Interval_Hour);
    } else if (pattern == CorrectEveryMinutes) {
        UPD_Interval->setRange(1, MinuteIntervalMaximum);
        UPD_Interval->setValue(working_.Interval_Min);
    }
    UPD_Interval->setVisible(interval);

    static const char16_t* const UnitNames[] = {u"日", u"", u"曜日", u"時間毎", u"分毎"};
    LBL_Name->setText(pattern >= 0 ? QString::fromUtf16(UnitNames[pattern]) : QString());
    LBL_Name->setVisible(pattern != CorrectDaily);

    for (QWidget* rowControl :
         std::initializer_list<QWidget*>{RB_DayTimeRun, RB_DayTimeTime, UPD_DayTime_Hour,
                                         LBL_DayTime_Hour, UPD_DayTime_Min, LBL_DayTime_Min}) {
        rowControl->setVisible(!interval);
    }
}

void TDayTimeForm::UpdateEnabling() {
    const bool automatic = CBX_AutoAdjust->isChecked();
    for (QWidget* patternControl : std::initializer_list<QWidget*>{
             LBL_Pattern, CBX_Pattern, CBX_List, UPD_Interval, LBL_Name}) {
        patternControl->setEnabled(automatic);
    }
    // The radios follow the pattern; the time controls follow the selected radio.
    const bool radios = automatic && CBX_Pattern->currentIndex() != CorrectEveryMinutes;
    RB_DayTimeRun->setEnabled(radios);
    RB_DayTimeTime->setEnabled(radios);
    const bool time = radios && RB_DayTimeTime->isChecked();
    for (QWidget* timeControl : std::initializer_list<QWidget*>{UPD_DayTime_Hour, LBL_DayTime_Hour,
                                                                UPD_DayTime_Min, LBL_DayTime_Min}) {
        timeControl->setEnabled(time);
    }
}

QString TDayTimeForm::SelectedServer() const {
    if (CBX_ServerList->currentIndex() < 0) {
        return CBX_ServerList->count() > 0 ? CBX_ServerList->itemText(0) : QString();
    }
    return CBX_ServerList->currentText();
}

void TDayTimeForm::RunNow(ClockCorrection::RunMode mode) {
    const bool check = mode == ClockCorrection::RunMode::Check;
    runInProgress_ = true;
    BTN_AdjustCheck->setEnabled(false);
    BTN_Adjust->setEnabled(false);
    Memo1->appendPlainText(check ? QStringLiteral("==テスト実行します==")
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
    if (!check) {
        // The user pressed the button: the system may ask for a password.
        const CorrectionFailure setting =
            SetComputerClock(clock_, server, ClockAuthorisation::MayAskUser);
        if (setting != CorrectionFailure::None) {
            RunFailed(setting);
            return;
        }
    }
    Memo1->appendPlainText(pcLine);
    Memo1->appendPlainText(ServerTimeText(server.Local()));
    if (!check) {
        Memo1->appendPlainText(QStringLiteral("補正しました"));
    }
    host_.RestartTick();
    BTN_AdjustCheck->setEnabled(true);
    BTN_Adjust->setEnabled(true);
    runInProgress_ = false;
}

void TDayTimeForm::RunFailed(CorrectionFailure failure) {
    Memo1->appendPlainText(CorrectionFailureMessage(failure));
    host_.RestartTick();
    host_.SetRunCommandsEnabled(CommandState::Enabled);
    state_.correctionError = CorrectionError::Failed;
    BTN_AdjustCheck->setEnabled(true);
    BTN_Adjust->setEnabled(true);
    runInProgress_ = false;
    // The memo tells what went wrong; this one the user can only mend outside the program,
    // so it is said out loud as the menu's correction says it.
    if (failure == CorrectionFailure::AutomaticSyncOn) {
        prompt_.ShowMessage(QStringLiteral("警告"), CorrectionFailureMessage(failure));
    }
}

void TDayTimeForm::Apply() {
    const int pattern = CBX_Pattern->currentIndex();
    const bool atTime = RB_DayTimeTime->isChecked();
    if (pattern == CorrectMonthly) {
        working_.Day = CBX_List->currentIndex() + 1;
    } else if (pattern == CorrectWeekly) {
        working_.Week = CBX_List->currentIndex() + 1;
    }
    if ((pattern == CorrectMonthly || pattern == CorrectDaily || pattern == CorrectWeekly) &&
        atTime) {
        working_.Hour = UPD_DayTime_Hour->value();
        working_.Min = UPD_DayTime_Min->value();
    }
    if (pattern == CorrectEveryHours) {
        working_.Interval_Hour = UPD_Interval->value();
    } else if (pattern == CorrectEveryMinutes) {
        working_.Interval_Min = UPD_Interval->value();
    }
    if (CBX_ServerList->currentIndex() < 0 && CBX_ServerList->count() > 0) {
        CBX_ServerList->setCurrentIndex(0);
    }
    working_.Index = CBX_ServerList->currentIndex();
    working_.asHostName = CBX_ServerList->currentText();
    working_.Pattern = pattern;

    int attribute = working_.Attribute &
                    ~(AutoCorrection | CorrectAtStartup | CorrectAtTime | CorrectOnlyDialUp);
    attribute |= CBX_AutoAdjust->isChecked() ? AutoCorrection : 0;
    attribute |= atTime ? CorrectAtTime : CorrectAtStartup;
    attribute |= CBX_DialUp->isChecked() ? CorrectOnlyDialUp : 0;
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
    saver_.SaveSettings();
    accept();
}

void TDayTimeForm::done(int result) {
    if (runInProgress_) {
        return;
    }
    host_.SetRunCommandsEnabled(CommandState::Enabled);
    QDialog::done(result);
}
