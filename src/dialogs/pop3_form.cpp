#include "dialogs/pop3_form.h"

#include "dialogs/certificate_question.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_look.h"
#include "dialogs/mail_icon_preview.h"
#include "face/default_icons.h"
#include "net/etls_error.h"
#include "net/pop3_client.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

namespace {

const QString kValidateCaption = QStringLiteral("メールチェック設定方法について");
const QString kWarningCaption = QStringLiteral("警告");
const QString kPlainPort = QStringLiteral("110");
const QString kTlsPort = QStringLiteral("995");

// The port's label names the standard port of the chosen security.
QString PortCaption(int security) {
    return QStringLiteral("ポート(標準:%1)").arg(security == TlsSecurity ? kTlsPort : kPlainPort);
}

QToolButton* MakeSpeedButton(QStyle::StandardPixmap glyph, const char* name, QWidget* parent,
                             const QRect& geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setAutoRaise(true);
    button->setGeometry(geometry);
    return button;
}

QGroupBox* MakeGroup(const QString& title, const char* name, QWidget* parent,
                     const QRect& geometry) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    return group;
}

// Mail programs outside Windows are plain executables without a telling extension.
QString MailerFilter() {
#ifdef Q_OS_WIN
    return QStringLiteral("ビットマップ (*.lnk);;実行ファイル(*.exe)");
#else
    return QStringLiteral("ビットマップ (*.lnk);;実行ファイル(*.exe);;すべてのファイル (*)");
#endif
}

} // namespace

TPop3Form::TPop3Form(AccountTable& accounts, ClockSettings& settings, MailSettingsHost& host,
                     SettingsSaver& saver, UserPrompt& prompt, HelpViewer& help, SoundPlayer& sound,
                     Pop3ClientFactory testClient, QWidget* parent)
    : QDialog(parent), accounts_(accounts), settings_(settings), host_(host), saver_(saver),
      prompt_(prompt), help_(help), sound_(sound), testClient_(std::move(testClient)),
      draft_(accounts, settings) {
    setObjectName(QStringLiteral("Pop3Form"));
    setWindowTitle(QStringLiteral("メールチェック設定"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    BuildControls();
    ConnectControls();
    ClearEditor();
    TakeBaseline();
    FillList();
    CentreOnDesktop(*this);
}

TPop3Form::~TPop3Form() = default;

// ---- Layout ----

void TPop3Form::BuildControls() {
    GRP_Accountinfo =
        MakeGroup(QStringLiteral("アカウントの情報"), "GRP_Accountinfo", this, {4, 2, 455, 292});
    MakeLabel(QStringLiteral("アカウント名称"), "StaticText1", GRP_Accountinfo, {10, 21, 84, 16});
    EDT_AccountName = MakeEdit("EDT_AccountName", GRP_Accountinfo, {98, 19, 152, 20});
    BuildConnectionGroup(GRP_Accountinfo);
    BuildMailerGroup(GRP_Accountinfo);
    BuildAnnounceGroup(GRP_Accountinfo);
    BuildIconGroup(GRP_Accountinfo);

    BTN_Pop3New =
        MakeButton(QStringLiteral("新規追加 "), "BTN_Pop3New", GRP_Accountinfo, {8, 262, 58, 24});
    BTN_Pop3Update =
        MakeButton(QStringLiteral("更新"), "BTN_Pop3Update", GRP_Accountinfo, {70, 262, 58, 24});
    BTN_Pop3Update->setEnabled(false);
    BTN_Pop3Reset =
        MakeButton(QStringLiteral("初期化"), "BTN_Pop3Reset", GRP_Accountinfo, {132, 262, 58, 24});
    BTN_POP3Test =
        MakeButton(QStringLiteral("テスト"), "BTN_POP3Test", GRP_Accountinfo, {194, 262, 58, 24});

    BuildListGroup();

    BTN_Log = MakeButton(QStringLiteral("ログ"), "BTN_Log", this, {8, 422, 60, 24});
    BTN_Log->setVisible(false);
    BTN_Pop3Refrect =
        MakeButton(QStringLiteral("設定"), "BTN_Pop3Refrect", this, {215, 422, 78, 24});
    BTN_Close = MakeButton(QStringLiteral("キャンセル"), "BTN_Close", this, {297, 422, 78, 24});
    BTN_Help = MakeButton(QStringLiteral("ヘルプ"), "BTN_Help", this, {379, 422, 78, 24});
}

QGroupBox* TPop3Form::BuildConnectionGroup(QWidget* parent) {
    GRP_PopConnect = MakeGroup(QStringLiteral("接続"), "GRP_PopConnect", parent, {6, 42, 250, 162});
    MakeLabel(QStringLiteral("ユーザーID"), "StaticText2", GRP_PopConnect, {8, 20, 90, 16});
    EDT_UserID = MakeEdit("EDT_UserID", GRP_PopConnect, {100, 18, 142, 20});
    MakeLabel(QStringLiteral("パスワード"), "StaticText3", GRP_PopConnect, {8, 44, 90, 16});
    EDT_Password = MakeEdit("EDT_Password", GRP_PopConnect, {100, 42, 142, 20});
    EDT_Password->setEchoMode(QLineEdit::Password);
    EDT_Password->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    const QString serverHint = QStringLiteral("POP3サーバーのアドレス(書式:XX.XX.XX>XX)");
    QLabel* serverLabel =
        MakeLabel(QStringLiteral("POPサーバー"), "StaticText4", GRP_PopConnect, {8, 68, 90, 16});
    serverLabel->setToolTip(serverHint);
    EDT_PopServer = MakeEdit("EDT_PopServer", GRP_PopConnect, {100, 66, 142, 20});
    EDT_PopServer->setToolTip(serverHint);
    const QString securityHint =
        QStringLiteral("SSL/TLS: 最初から暗号化します(標準ポート995)\n"
                       "STARTTLS: 接続してから暗号化します(標準ポート110)\n"
                       "なし: 暗号化しません。パスワードがそのまま送られます");
    QLabel* securityLabel =
        MakeLabel(QStringLiteral("暗号化"), "StaticText6", GRP_PopConnect, {8, 94, 90, 16});
    securityLabel->setToolTip(securityHint);
    CMB_Security = new QComboBox(GRP_PopConnect);
    CMB_Security->setObjectName(QStringLiteral("CMB_Security"));
    // In the order of the stored values.
    CMB_Security->addItems(
        {QStringLiteral("なし"), QStringLiteral("STARTTLS"), QStringLiteral("SSL/TLS")});
    CMB_Security->setGeometry(100, 90, 142, 22);
    CMB_Security->setToolTip(securityHint);
    StaticText5 =
        MakeLabel(PortCaption(TlsSecurity), "StaticText5", GRP_PopConnect, {8, 118, 90, 16});
    EDT_Port = MakeEdit("EDT_Port", GRP_PopConnect, {100, 116, 56, 20});
    CBX_DialUp = MakeCheck(QStringLiteral("ダイヤルアップ環境で接続中のみチェック"), "CBX_DialUp",
                           GRP_PopConnect, {8, 140, 236, 18});
    CBX_DialUp->setToolTip(QStringLiteral(
        "LAN環境等で常時チェック可能な環境で使用する場合はチェックを外してください"));
    return GRP_PopConnect;
}

QGroupBox* TPop3Form::BuildMailerGroup(QWidget* parent) {
    GRP_Mailer =
        MakeGroup(QStringLiteral("メーラーの設定"), "GRP_Mailer", parent, {6, 208, 250, 50});
    EDT_Mailer = MakeEdit("EDT_Mailer", GRP_Mailer, {8, 20, 206, 20});
    BTN_Mailer =
        MakeSpeedButton(QStyle::SP_DirOpenIcon, "BTN_Mailer", GRP_Mailer, {218, 19, 24, 22});
    return GRP_Mailer;
}

QGroupBox* TPop3Form::BuildAnnounceGroup(QWidget* parent) {
    GRP_Announce = MakeGroup(QStringLiteral("通知"), "GRP_Announce", parent, {262, 14, 187, 84});
    CBX_MailSound = MakeCheck(QStringLiteral("サウンド通知する"), "CBX_MailSound", GRP_Announce,
                              {8, 18, 118, 18});
    BTN_MailSoundTest =
        MakeSpeedButton(QStyle::SP_MediaPlay, "BTN_MailSoundTest", GRP_Announce, {130, 16, 24, 22});
    BTN_MailSound =
        MakeSpeedButton(QStyle::SP_DirOpenIcon, "BTN_MailSound", GRP_Announce, {156, 16, 24, 22});
    LBL_MailSound = MakeLabel(QStringLiteral("サウンドファイル"), "LBL_MailSound", GRP_Announce,
                              {8, 40, 120, 14});
    EDT_MailSound = MakeEdit("EDT_MailSound", GRP_Announce, {8, 56, 172, 20});
    return GRP_Announce;
}

QGroupBox* TPop3Form::BuildIconGroup(QWidget* parent) {
    GRP_Disp =
        MakeGroup(QStringLiteral("メールアイコン"), "GRP_Disp", parent, {262, 100, 187, 186});
    IMG_MailIcon = MakeLabel({}, "IMG_MailIcon", GRP_Disp, {8, 18, 32, 32});
    LBL_MailIcon = MakeLabel(QStringLiteral("ビットマップファイル"), "LBL_MailIcon", GRP_Disp,
                             {46, 17, 134, 14});
    EDT_MailIcon = MakeEdit("EDT_MailIcon", GRP_Disp, {46, 32, 106, 20});
    BTN_MailIcon =
        MakeSpeedButton(QStyle::SP_DirOpenIcon, "BTN_MailIcon", GRP_Disp, {156, 31, 24, 22});
    CBX_MailIcon = MakeCheck(QStringLiteral("デフォルトアイコンを使用"), "CBX_MailIcon", GRP_Disp,
                             {8, 60, 172, 18});
    GroupBox1 =
        MakeGroup(QStringLiteral("メール件数表示"), "GroupBox1", GRP_Disp, {6, 86, 175, 92});
    BTN_TextColor =
        MakeButton(QStringLiteral("テキスト色"), "BTN_TextColor", GroupBox1, {8, 24, 76, 24});
    BTN_TextBKColor =
        MakeButton(QStringLiteral("背景色"), "BTN_TextBKColor", GroupBox1, {90, 24, 76, 24});
    CBX_MailBlink =
        MakeCheck(QStringLiteral("件数を点滅表示"), "CBX_MailBlink", GroupBox1, {8, 60, 158, 18});
    return GRP_Disp;
}

QGroupBox* TPop3Form::BuildListGroup() {
    GRP_AccountLint =
        MakeGroup(QStringLiteral("アカウントリスト"), "GRP_AccountLint", this, {4, 296, 455, 122});
    CBX_MailCheckInt = MakeCheck(QStringLiteral("定期チェックする"), "CBX_MailCheckInt",
                                 GRP_AccountLint, {8, 18, 124, 20});
    CBX_MailCheckInt->setChecked(true);
    LBL_MailCheckInt =
        MakeLabel(QStringLiteral("間隔"), "LBL_MailCheckInt", GRP_AccountLint, {140, 20, 30, 16});
    UPD_MailCheckInt = new QSpinBox(GRP_AccountLint);
    UPD_MailCheckInt->setObjectName(QStringLiteral("UPD_MailCheckInt"));
    UPD_MailCheckInt->setRange(1, 60);
    UPD_MailCheckInt->setWrapping(false);
    UPD_MailCheckInt->setGeometry(172, 17, 52, 22);
    if (auto* edit = UPD_MailCheckInt->findChild<QLineEdit*>()) {
        edit->setObjectName(QStringLiteral("EDT_MailCheckInt"));
        edit->setReadOnly(true);
    }
    LBL_MailCheckMin =
        MakeLabel(QStringLiteral("分"), "LBL_MailCheckMin", GRP_AccountLint, {228, 20, 20, 16});

    CLBX_Pop3List = new QListWidget(GRP_AccountLint);
    CLBX_Pop3List->setObjectName(QStringLiteral("CLBX_Pop3List"));
    CLBX_Pop3List->setGeometry(8, 44, 439, 72);
    CLBX_Pop3List->setContextMenuPolicy(Qt::CustomContextMenu);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    const auto addItem = [this](const char* name, const QString& caption) {
        QAction* action = PopupMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    PP_AllCheckOff = addItem("PP_AllCheckOff", QStringLiteral("全てチェックを外す(&F)"));
    PP_AllCheckOn = addItem("PP_AllCheckOn", QStringLiteral("全てチェックする(&O)"));
    PP_DelOnce = addItem("PP_DelOnce", QStringLiteral("選択中の項目を削除(&X)"));
    PP_DelAll = addItem("PP_DelAll", QStringLiteral("すべて削除(&A)"));
    return GRP_AccountLint;
}

void TPop3Form::ConnectControls() {
    connect(CBX_DialUp, &QCheckBox::toggled, this,
            [this](bool checked) { SetEditBit(DialUpOnly, checked); });
    connect(CBX_MailBlink, &QCheckBox::toggled, this,
            [this](bool checked) { SetEditBit(BlinkCount, checked); });
    connect(CMB_Security, &QComboBox::currentIndexChanged, this, &TPop3Form::CMB_SecurityChange);
    connect(CBX_MailSound, &QCheckBox::toggled, this, &TPop3Form::ApplySoundCheck);
    connect(CBX_MailIcon, &QCheckBox::toggled, this, &TPop3Form::CBX_MailIconClick);
    connect(CBX_MailCheckInt, &QCheckBox::toggled, this, &TPop3Form::ApplyPeriodicCheck);
    connect(UPD_MailCheckInt, &QSpinBox::valueChanged, this,
            [this](int minutes) { draft_.Checkinterval = minutes; });

    connect(BTN_MailIcon, &QToolButton::clicked, this, &TPop3Form::BTN_MailIconClick);
    connect(BTN_TextColor, &QPushButton::clicked, this, [this] { ChooseColour(EditTextColor); });
    connect(BTN_TextBKColor, &QPushButton::clicked, this,
            [this] { ChooseColour(EditTextBKColor); });
    connect(BTN_MailSound, &QToolButton::clicked, this, &TPop3Form::BTN_MailSoundClick);
    connect(BTN_MailSoundTest, &QToolButton::clicked, this, &TPop3Form::BTN_MailSoundTestClick);
    connect(BTN_Mailer, &QToolButton::clicked, this, &TPop3Form::BTN_MailerClick);

    connect(BTN_Pop3New, &QPushButton::clicked, this, &TPop3Form::BTN_Pop3NewClick);
    connect(BTN_Pop3Update, &QPushButton::clicked, this, &TPop3Form::BTN_Pop3UpdateClick);
    connect(BTN_Pop3Reset, &QPushButton::clicked, this, &TPop3Form::BTN_Pop3ResetClick);
    connect(BTN_POP3Test, &QPushButton::clicked, this, &TPop3Form::BTN_POP3TestClick);

    connect(CLBX_Pop3List, &QListWidget::itemDoubleClicked, this,
            &TPop3Form::CLBX_Pop3ListDblClick);
    connect(CLBX_Pop3List, &QListWidget::itemChanged, this, &TPop3Form::CLBX_Pop3ListClickCheck);
    connect(CLBX_Pop3List, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu->popup(CLBX_Pop3List->mapToGlobal(at)); });
    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), CLBX_Pop3List);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TPop3Form::DeleteSelected);
    connect(PP_AllCheckOn, &QAction::triggered, this, [this] { SetAllChecks(true); });
    connect(PP_AllCheckOff, &QAction::triggered, this, [this] { SetAllChecks(false); });
    connect(PP_DelOnce, &QAction::triggered, this, &TPop3Form::DeleteSelected);
    connect(PP_DelAll, &QAction::triggered, this, &TPop3Form::DeleteAll);

    connect(BTN_Pop3Refrect, &QPushButton::clicked, this, &TPop3Form::BTN_Pop3RefrectClick);
    connect(BTN_Close, &QPushButton::clicked, this, &TPop3Form::BTN_CloseClick);
    connect(BTN_Help, &QPushButton::clicked, this, [this] { help_.ShowTopic(HelpContext); });
}

// ---- The editor ----

void TPop3Form::SetEditBit(int bit, bool on) {
    EditAttribute = on ? (EditAttribute | bit) : (EditAttribute & ~bit);
}

void TPop3Form::ApplySoundCheck(bool checked) {
    SetEditBit(SoundOn, checked);
    for (QWidget* control :
         {static_cast<QWidget*>(LBL_MailSound), static_cast<QWidget*>(EDT_MailSound),
          static_cast<QWidget*>(BTN_MailSound), static_cast<QWidget*>(BTN_MailSoundTest)}) {
        control->setEnabled(checked);
    }
}

void TPop3Form::ApplyIconCheck(bool checked) {
    SetEditBit(DefaultIcon, checked);
    for (QWidget* control :
         {static_cast<QWidget*>(LBL_MailIcon), static_cast<QWidget*>(EDT_MailIcon),
          static_cast<QWidget*>(BTN_MailIcon)}) {
        control->setEnabled(!checked);
    }
}

void TPop3Form::ApplyPeriodicCheck(bool checked) {
    draft_.MailCheckAttr =
        checked ? (draft_.MailCheckAttr | PeriodicCheck) : (draft_.MailCheckAttr & ~PeriodicCheck);
    for (QWidget* control :
         {static_cast<QWidget*>(LBL_MailCheckInt), static_cast<QWidget*>(UPD_MailCheckInt),
          static_cast<QWidget*>(LBL_MailCheckMin)}) {
        control->setEnabled(checked);
    }
}

bool TPop3Form::DrawPreview(PreviewSource source) {
    QImage icon = BuiltInIcon(DefaultMailIcon);
    if (source == PreviewSource::ImageFile) {
        icon = QImage(EditImageFile);
        if (icon.isNull()) {
            prompt_.ShowMessage(kWarningCaption,
                                QStringLiteral("ビットマップの読み込みに失敗しました"));
            return false;
        }
    }
    IMG_MailIcon->setPixmap(
        QPixmap::fromImage(DrawMailIconPreview(icon, EditTextColor, EditTextBKColor)));
    return true;
}

void TPop3Form::RedrawPreview() {
    if (!DrawPreview((EditAttribute & DefaultIcon) != 0 ? PreviewSource::BuiltIn
                                                        : PreviewSource::ImageFile)) {
        CBX_MailIcon->setChecked(true);
    }
}

void TPop3Form::ClearEditor() {
    for (QLineEdit* edit : {EDT_AccountName, EDT_UserID, EDT_Password, EDT_PopServer, EDT_MailSound,
                            EDT_MailIcon, EDT_Mailer}) {
        edit->clear();
    }
    // Today's mailboxes want TLS from the first byte.
    ShowSecurity(TlsSecurity);
    EDT_Port->setText(kTlsPort);
    EditTrustedCertificate.clear();
    EditTextColor = 0;
    EditTextBKColor = 0xFFFFFF;
    EditImageFile.clear();
#ifdef Q_OS_WIN
    const bool dialUpOnly = true;
#else
    // A Linux desktop rarely has a dial-up link, and the box would keep the account from
    // ever being checked.
    const bool dialUpOnly = false;
#endif
    {
        const QSignalBlocker blockIcon(CBX_MailIcon);
        const QSignalBlocker blockDialUp(CBX_DialUp);
        CBX_MailIcon->setChecked(true);
        CBX_DialUp->setChecked(dialUpOnly);
    }
    ApplyIconCheck(true);
    SetEditBit(DialUpOnly, dialUpOnly);
    ApplySoundCheck(CBX_MailSound->isChecked());
    DrawPreview(PreviewSource::BuiltIn);
    {
        const QSignalBlocker blockPeriodic(CBX_MailCheckInt);
        CBX_MailCheckInt->setChecked((draft_.MailCheckAttr & PeriodicCheck) != 0);
    }
    ApplyPeriodicCheck(CBX_MailCheckInt->isChecked());
    // Showing the stored interval is no choice of the user's: a stored 0 stays 0 until an
    // arrow is pressed.
    const QSignalBlocker blockInterval(UPD_MailCheckInt);
    UPD_MailCheckInt->setValue(draft_.Checkinterval);
}

void TPop3Form::LoadEditor(int slot) {
    const MailAccount& account = draft_.WorkAccounts[slot];
    EDT_AccountName->setText(account.Account);
    EDT_PopServer->setText(account.POP3);
    ShowSecurity(KnownSecurity(account.Security));
    EDT_Port->setText(QString::number(account.Port));
    EditTrustedCertificate = account.TrustedCertificate;
    EDT_UserID->setText(account.UserID);
    EDT_Password->setText(account.PassWord);
    EDT_MailSound->setText(account.MailSound);
    EDT_MailIcon->setText(account.ImageFile);
    EDT_Mailer->setText(account.Mailer);
    EditAttribute = account.Attribute;
    EditTextColor = account.TextColor;
    EditTextBKColor = account.TextBKColor;
    EditImageFile = account.ImageFile;

    bool defaultIcon = account.Has(DefaultIcon);
    if (!defaultIcon && !DrawPreview(PreviewSource::ImageFile)) {
        defaultIcon = true;
    }
    if (defaultIcon) {
        DrawPreview(PreviewSource::BuiltIn);
    }
    const QSignalBlocker blockIcon(CBX_MailIcon);
    const QSignalBlocker blockDialUp(CBX_DialUp);
    const QSignalBlocker blockSound(CBX_MailSound);
    const QSignalBlocker blockBlink(CBX_MailBlink);
    CBX_MailIcon->setChecked(defaultIcon);
    ApplyIconCheck(defaultIcon);
    CBX_DialUp->setChecked(account.Has(DialUpOnly));
    CBX_MailSound->setChecked(account.Has(SoundOn));
    ApplySoundCheck(account.Has(SoundOn));
    CBX_MailBlink->setChecked(account.Has(BlinkCount));
}

void TPop3Form::ShowSecurity(int security) {
    EditSecurity = security;
    const QSignalBlocker block(CMB_Security);
    CMB_Security->setCurrentIndex(security);
    StaticText5->setText(PortCaption(security));
}

void TPop3Form::CMB_SecurityChange(int security) {
    const int previous = EditSecurity;
    ShowSecurity(security);
    // The port follows the choice only while it is the other choice's standard port.
    const QString port = EDT_Port->text().trimmed();
    if (security == TlsSecurity && port == kPlainPort) {
        EDT_Port->setText(kTlsPort);
    } else if (previous == TlsSecurity && security != TlsSecurity && port == kTlsPort) {
        EDT_Port->setText(kPlainPort);
    }
}

std::optional<int> TPop3Form::PortNumber() {
    bool number = false;
    const int port = EDT_Port->text().trimmed().toInt(&number, 10);
    if (!number || port < 1 || port > 65535) {
        prompt_.ShowMessage(kWarningCaption,
                            QStringLiteral("「%1」はポート番号ではありません。"
                                           "1から65535までの数字を入力してください")
                                .arg(EDT_Port->text()));
        return std::nullopt;
    }
    return port;
}

bool TPop3Form::StoreEditor(int slot) {
    const std::optional<int> port = PortNumber();
    if (!port) {
        return false;
    }
    MailAccount& account = draft_.WorkAccounts[slot];
    account.Attribute = EditAttribute | InUse;
    account.Account = EDT_AccountName->text();
    account.POP3 = EDT_PopServer->text();
    account.Port = *port;
    account.UserID = EDT_UserID->text();
    account.PassWord = EDT_Password->text();
    account.MailSound = EDT_MailSound->text();
    account.TimeOut = 10000;
    account.ErrorCode = 0;
    account.TextColor = EditTextColor;
    account.TextBKColor = EditTextBKColor;
    account.ImageFile = EditImageFile;
    account.Mailer = EDT_Mailer->text();
    account.Security = EditSecurity;
    account.TrustedCertificate = EditTrustedCertificate;
    return true;
}

QString TPop3Form::AccountLine(int slot) const {
    return MailAccountDraft::AccountLine(draft_.WorkAccounts[slot]);
}

TPop3Form::EditorFields TPop3Form::ReadEditor() const {
    EditorFields fields;
    fields.name = EDT_AccountName->text();
    fields.server = EDT_PopServer->text();
    fields.port = EDT_Port->text();
    fields.user = EDT_UserID->text();
    fields.password = EDT_Password->text();
    fields.sound = EDT_MailSound->text();
    fields.imageFile = EditImageFile;
    fields.mailer = EDT_Mailer->text();
    fields.textColour = EditTextColor;
    fields.backgroundColour = EditTextBKColor;
    fields.attribute = EditAttribute;
    fields.security = EditSecurity;
    fields.trusted = EditTrustedCertificate;
    return fields;
}

void TPop3Form::TakeBaseline() {
    baseline_ = ReadEditor();
}

bool TPop3Form::Changed() const {
    return !(ReadEditor() == baseline_);
}

bool TPop3Form::ConfirmDiscard() {
    return !Changed() || prompt_.Ask(kWarningCaption,
                                     QStringLiteral("変更内容が破棄されますがよろしいですか?")) ==
                             UserPrompt::Answer::Yes;
}

bool TPop3Form::Validate() {
    const auto fail = [this](const QString& text) {
        prompt_.ShowMessage(kValidateCaption, text);
        return false;
    };
    if (EDT_AccountName->text().isEmpty()) {
        return fail(QStringLiteral("アカウント名称を入力してください"));
    }
    if (EDT_UserID->text().isEmpty()) {
        return fail(QStringLiteral("ユーザーIDを設定してください"));
    }
    if (EDT_Password->text().isEmpty()) {
        return fail(QStringLiteral("パスワードを設定してください"));
    }
    if (EDT_PopServer->text().isEmpty()) {
        return fail(QStringLiteral("POP3サーバーのアドレスを設定してください"));
    }
    if (EDT_Port->text().isEmpty()) {
        return fail(QStringLiteral("POP3サーバーのポートを指定してください"));
    }
    if (CBX_MailSound->isChecked() && EDT_MailSound->text().isEmpty()) {
        return fail(QStringLiteral("サウンドファイルを指定してください"));
    }
    if (CBX_MailSound->isChecked() && !QFileInfo::exists(EDT_MailSound->text())) {
        return fail(QStringLiteral("サウンドファイルが見つかりません"));
    }
    return true;
}

// ---- The account list ----

void TPop3Form::FillList() {
    const QSignalBlocker block(CLBX_Pop3List);
    CLBX_Pop3List->clear();
    for (int slot = 0; slot < draft_.WorkCount; ++slot) {
        auto* item = new QListWidgetItem(AccountLine(slot), CLBX_Pop3List);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(draft_.WorkAccounts[slot].Has(CheckOn) ? Qt::Checked : Qt::Unchecked);
    }
}

void TPop3Form::CLBX_Pop3ListDblClick(QListWidgetItem* item) {
    const int line = item != nullptr ? CLBX_Pop3List->row(item) : CLBX_Pop3List->currentRow();
    if (line < 0 || line >= draft_.WorkCount || !ConfirmDiscard()) {
        return;
    }
    LoadEditor(line);
    EditIndex = line;
    TakeBaseline();
    BTN_Pop3Update->setEnabled(true);
}

void TPop3Form::CLBX_Pop3ListClickCheck(QListWidgetItem* item) {
    draft_.SetCheckOn(CLBX_Pop3List->row(item), item->checkState() == Qt::Checked);
}

void TPop3Form::SetAllChecks(bool on) {
    for (int slot = 0; slot < draft_.WorkCount; ++slot) {
        draft_.SetCheckOn(slot, on);
    }
    FillList();
}

void TPop3Form::DeleteLine(int line) {
    draft_.Delete(line);
    // The editor's loaded account moves with the list; once it is gone, "更新" has no
    // account to store into.
    if (EditIndex == line) {
        EditIndex = -1;
        BTN_Pop3Update->setEnabled(false);
    } else if (EditIndex > line) {
        --EditIndex;
    }
    FillList();
}

void TPop3Form::DeleteSelected() {
    const int line = CLBX_Pop3List->currentRow();
    if (line >= 0 && CLBX_Pop3List->currentItem() != nullptr &&
        CLBX_Pop3List->currentItem()->isSelected()) {
        DeleteLine(line);
    }
}

void TPop3Form::DeleteAll() {
    for (int pass = 0; pass < AccountTable::Capacity && draft_.WorkCount > 0; ++pass) {
        DeleteLine(0);
    }
}

// ---- Editor buttons ----

void TPop3Form::BTN_Pop3NewClick() {
    if (draft_.IsFull()) {
        prompt_.ShowMessage(
            kWarningCaption,
            QStringLiteral("これ以上設定できません（最大%1件）").arg(AccountTable::Capacity));
        return;
    }
    if (!Validate() || !StoreEditor(draft_.WorkCount)) {
        return;
    }
    draft_.SetCheckOn(draft_.WorkCount, true);
    ++draft_.WorkCount;
    FillList();
    BTN_Pop3Update->setEnabled(false);
    ClearEditor();
    TakeBaseline();
}

void TPop3Form::BTN_Pop3UpdateClick() {
    if (EditIndex < 0 || EditIndex >= draft_.WorkCount || !Validate()) {
        return;
    }
    // The list's tick may have changed since the account was loaded; it wins.
    const bool checked = draft_.WorkAccounts[EditIndex].Has(CheckOn);
    if (!StoreEditor(EditIndex)) {
        return;
    }
    draft_.SetCheckOn(EditIndex, checked);
    FillList();
    BTN_Pop3Update->setEnabled(false);
    ClearEditor();
    TakeBaseline();
}

void TPop3Form::BTN_Pop3ResetClick() {
    ClearEditor();
    TakeBaseline();
}

void TPop3Form::TestConnection(int port, const QString& trusted) {
    std::unique_ptr<TPop3Client> pop3 = testClient_();
    pop3->Host = EDT_PopServer->text();
    pop3->UserID = EDT_UserID->text();
    pop3->Password = EDT_Password->text();
    pop3->Port = quint16(port);
    pop3->TimeOut = 10000;
    pop3->Security = Pop3Security(EditSecurity);
    pop3->TrustedCertificate = trusted;
    pop3->Connect();
    if (pop3->Connected()) {
        pop3->Disconnect();
    }
}

void TPop3Form::BTN_POP3TestClick() {
    const std::optional<int> port = PortNumber();
    if (!port) {
        return;
    }
    bool connected = false;
    for (;;) {
        try {
            TestConnection(*port, EditTrustedCertificate);
            connected = true;
        } catch (const ETlsError& error) {
            const ServerCertificate& shown = error.Certificate();
            // Trusting the very certificate the user has just trusted cannot help.
            if (error.Failure() == TlsFailure::CertificateUntrusted && !shown.IsNull() &&
                shown.fingerprint != EditTrustedCertificate &&
                prompt_.Ask(CertificateQuestion::Caption(), CertificateQuestion::Text(shown)) ==
                    UserPrompt::Answer::Yes) {
                EditTrustedCertificate = shown.fingerprint;
                continue;
            }
        } catch (...) {
        }
        break;
    }
    prompt_.ShowMessage(QStringLiteral("テスト実行"), connected ? QStringLiteral("接続OKです")
                                                                : QStringLiteral("接続できません"));
}

// ---- Check boxes and choosers ----

void TPop3Form::CBX_MailIconClick(bool checked) {
    ApplyIconCheck(checked);
    if (checked) {
        DrawPreview(PreviewSource::BuiltIn);
    } else if (EDT_MailIcon->text().isEmpty()) {
        BTN_MailIconClick();
    } else {
        RedrawPreview();
    }
}

void TPop3Form::BTN_MailIconClick() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("ビットマップファイルの選択"), QFileInfo(EDT_MailIcon->text()).path(),
        QStringLiteral("ビットマップ (*.bmp)"));
    if (file.isEmpty()) {
        if (EDT_MailIcon->text().isEmpty()) {
            CBX_MailIcon->setChecked(true);
        }
        return;
    }
    EDT_MailIcon->setText(file);
    EditImageFile = file;
    if (!DrawPreview(PreviewSource::ImageFile)) {
        CBX_MailIcon->setChecked(true);
    }
}

void TPop3Form::ChooseColour(Colour& colour) {
    const QColor chosen = QColorDialog::getColor(ToQColor(colour), this);
    if (chosen.isValid()) {
        colour = FromQColor(chosen);
    }
    RedrawPreview();
}

void TPop3Form::BTN_MailSoundClick() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("サウンドファイルの選択"), QFileInfo(EDT_MailSound->text()).path(),
        QStringLiteral("サウンドファイル(*.wav)"));
    if (!file.isEmpty()) {
        EDT_MailSound->setText(file);
    }
}

void TPop3Form::BTN_MailSoundTestClick() {
    const QString file = EDT_MailSound->text();
    if (QFileInfo(file).isFile()) {
        sound_.PlayAsync(file);
    } else {
        prompt_.ShowMessage(kValidateCaption, QStringLiteral("サウンドファイルが見つかりません"));
    }
}

void TPop3Form::BTN_MailerClick() {
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("メーラーのショートカット選択"),
                                     QFileInfo(EDT_Mailer->text()).path(), MailerFilter());
    if (!file.isEmpty()) {
        EDT_Mailer->setText(file);
    }
}

// ---- Closing ----

void TPop3Form::BTN_Pop3RefrectClick() {
    if (!ConfirmDiscard()) {
        return;
    }
    draft_.WriteBack(accounts_, settings_);
    host_.ReloadAccountIcons();
    host_.SetMailCheckEnabled(settings_.AccountListCount > 0 ? CommandState::Enabled
                                                             : CommandState::Disabled);
    host_.ResetMailTickCount();
    saver_.SaveSettings();
    accept();
}

void TPop3Form::BTN_CloseClick() {
    if (ConfirmDiscard()) {
        reject();
    }
}

void TPop3Form::keyPressEvent(QKeyEvent* event) {
    // Esc from any control is "キャンセル" and asks first; the close box closes at once.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BTN_CloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}
