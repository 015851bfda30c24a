// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/pop3_form.h"

#include "core/server_address.h"
#include "dialogs/certificate_question.h"
#include "dialogs/mail_icon_preview.h"
#include "face/default_icons.h"
#include "mail/imap_account.h"
#include "net/etls_error.h"
#include "net/imap_check.h"
#include "net/pop3_client.h"
#include "net/sendable_text.h"
#include "ui_pop3_form.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
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
#include <algorithm>

namespace {

const QString kValidateCaption = QStringLiteral("メールチェック設定方法について");

QString StandardPort(int protocol, int security) {
    const bool tls = security == TlsSecurity;
    if (protocol == ImapProtocol) {
        return tls ? QStringLiteral("993") : QStringLiteral("143");
    }
    return tls ? QStringLiteral("995") : QStringLiteral("110");
}

// The port's label names the standard port of the chosen protocol and security.
QString PortCaption(int protocol, int security) {
    return QStringLiteral("ポート(標準:%1)").arg(StandardPort(protocol, security));
}

QString ServerCaption(int protocol) {
    return protocol == ImapProtocol ? QStringLiteral("IMAPサーバー")
                                    : QStringLiteral("POPサーバー");
}

QString ServerHint(int protocol) {
    return protocol == ImapProtocol ? QStringLiteral("IMAPサーバーのアドレス(書式:XX.XX.XX>XX)")
                                    : QStringLiteral("POP3サーバーのアドレス(書式:XX.XX.XX>XX)");
}

// Whether a text holds a control character, which no IMAP command may carry.
bool HasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar character) { return character.unicode() < 0x20; });
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

TPop3Form::TPop3Form(AccountTable& accounts, ClockSettings& settings, MailPasswords& passwords,
                     MailSettingsHost& host, SettingsSaver& saver, UserPrompt& prompt,
                     HelpViewer& help, SoundPlayer& sound, Choosers& choosers,
                     Pop3ClientFactory testClient, QWidget* parent)
    : SettingsDialog(prompt, help, HelpContext, Border::CloseBox, parent), accounts_(accounts),
      settings_(settings), passwords_(passwords), host_(host), saver_(saver), sound_(sound),
      choosers_(choosers), testClient_(std::move(testClient)), draft_(accounts, settings),
      ui_(std::make_unique<Ui::Pop3Form>()) {
    ui_->setupUi(this);
    // Designer has no way to name the style's glyphs.
    for (QToolButton* button :
         {ui_->BTN_MailSoundTest, ui_->BTN_MailSound, ui_->BTN_MailIcon, ui_->BTN_Mailer}) {
        button->setIcon(style()->standardIcon(
            button == ui_->BTN_MailSoundTest ? QStyle::SP_MediaPlay : QStyle::SP_DirOpenIcon));
    }
    ConnectControls();
    ShowPasswordPlace();
    ClearEditor();
    TakeBaseline();
    FillList();
    AttachStandardButtons(ui_->BTN_Close, ui_->BTN_Help);
}

TPop3Form::~TPop3Form() = default;

void TPop3Form::ConnectControls() {
    connect(ui_->CBX_DialUp, &QCheckBox::toggled, this,
            [this](bool checked) { SetEditBit(DialUpOnly, checked); });
    connect(ui_->CBX_MailBlink, &QCheckBox::toggled, this,
            [this](bool checked) { SetEditBit(BlinkCount, checked); });
    connect(ui_->CMB_Security, &QComboBox::currentIndexChanged, this,
            &TPop3Form::CMB_SecurityChange);
    connect(ui_->CMB_Protocol, &QComboBox::currentIndexChanged, this,
            &TPop3Form::CMB_ProtocolChange);
    connect(ui_->CBX_MailSound, &QCheckBox::toggled, this, &TPop3Form::ApplySoundCheck);
    connect(ui_->CBX_MailIcon, &QCheckBox::toggled, this, &TPop3Form::CBX_MailIconClick);
    connect(ui_->CBX_MailCheckInt, &QCheckBox::toggled, this, &TPop3Form::ApplyPeriodicCheck);
    connect(ui_->UPD_MailCheckInt, &QSpinBox::valueChanged, this,
            [this](int minutes) { draft_.Checkinterval = minutes; });

    connect(ui_->BTN_MailIcon, &QToolButton::clicked, this, &TPop3Form::BTN_MailIconClick);
    connect(ui_->BTN_TextColor, &QPushButton::clicked, this,
            [this] { ChooseColour(EditTextColor); });
    connect(ui_->BTN_TextBKColor, &QPushButton::clicked, this,
            [this] { ChooseColour(EditTextBKColor); });
    connect(ui_->BTN_MailSound, &QToolButton::clicked, this, &TPop3Form::BTN_MailSoundClick);
    connect(ui_->BTN_MailSoundTest, &QToolButton::clicked, this,
            &TPop3Form::BTN_MailSoundTestClick);
    connect(ui_->BTN_Mailer, &QToolButton::clicked, this, &TPop3Form::BTN_MailerClick);

    connect(ui_->BTN_Pop3New, &QPushButton::clicked, this, &TPop3Form::BTN_Pop3NewClick);
    connect(ui_->BTN_Pop3Update, &QPushButton::clicked, this, &TPop3Form::BTN_Pop3UpdateClick);
    connect(ui_->BTN_Pop3Reset, &QPushButton::clicked, this, &TPop3Form::BTN_Pop3ResetClick);
    connect(ui_->BTN_POP3Test, &QPushButton::clicked, this, &TPop3Form::BTN_POP3TestClick);

    connect(ui_->CLBX_Pop3List, &QListWidget::itemDoubleClicked, this,
            &TPop3Form::CLBX_Pop3ListDblClick);
    connect(ui_->CLBX_Pop3List, &QListWidget::itemChanged, this,
            &TPop3Form::CLBX_Pop3ListClickCheck);
    connect(
        ui_->CLBX_Pop3List, &QListWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { ui_->PopupMenu->popup(ui_->CLBX_Pop3List->mapToGlobal(at)); });
    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), ui_->CLBX_Pop3List);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TPop3Form::DeleteSelected);
    connect(ui_->PP_AllCheckOn, &QAction::triggered, this, [this] { SetAllChecks(true); });
    connect(ui_->PP_AllCheckOff, &QAction::triggered, this, [this] { SetAllChecks(false); });
    connect(ui_->PP_DelOnce, &QAction::triggered, this, &TPop3Form::DeleteSelected);
    connect(ui_->PP_DelAll, &QAction::triggered, this, &TPop3Form::DeleteAll);

    connect(ui_->BTN_Pop3Refrect, &QPushButton::clicked, this, &TPop3Form::BTN_Pop3RefrectClick);
    connect(&passwords_, &MailPasswords::Answered, this, &TPop3Form::ShowKeyringAnswer);
    // The dialog says where a typed password will be kept.
    passwords_.Probe();
}

// ---- The editor ----

void TPop3Form::SetEditBit(int bit, bool on) {
    EditAttribute = on ? (EditAttribute | bit) : (EditAttribute & ~bit);
}

void TPop3Form::ApplySoundCheck(bool checked) {
    SetEditBit(SoundOn, checked);
    for (QWidget* control :
         {static_cast<QWidget*>(ui_->LBL_MailSound), static_cast<QWidget*>(ui_->EDT_MailSound),
          static_cast<QWidget*>(ui_->BTN_MailSound),
          static_cast<QWidget*>(ui_->BTN_MailSoundTest)}) {
        control->setEnabled(checked);
    }
}

void TPop3Form::ApplyIconCheck(bool checked) {
    SetEditBit(DefaultIcon, checked);
    for (QWidget* control :
         {static_cast<QWidget*>(ui_->LBL_MailIcon), static_cast<QWidget*>(ui_->EDT_MailIcon),
          static_cast<QWidget*>(ui_->BTN_MailIcon)}) {
        control->setEnabled(!checked);
    }
}

void TPop3Form::ApplyPeriodicCheck(bool checked) {
    draft_.MailCheckAttr =
        checked ? (draft_.MailCheckAttr | PeriodicCheck) : (draft_.MailCheckAttr & ~PeriodicCheck);
    for (QWidget* control : {static_cast<QWidget*>(ui_->LBL_MailCheckInt),
                             static_cast<QWidget*>(ui_->UPD_MailCheckInt),
                             static_cast<QWidget*>(ui_->LBL_MailCheckMin)}) {
        control->setEnabled(checked);
    }
}

bool TPop3Form::DrawPreview(PreviewSource source) {
    const qreal density = ui_->IMG_MailIcon->devicePixelRatio();
    QImage icon = BuiltInIcon(DefaultMailIcon, density);
    if (source == PreviewSource::ImageFile) {
        icon = QImage(EditImageFile);
        if (icon.isNull()) {
            ShowWarning(QStringLiteral("ビットマップの読み込みに失敗しました"));
            return false;
        }
    }
    ui_->IMG_MailIcon->setPixmap(
        QPixmap::fromImage(DrawMailIconPreview(icon, EditTextColor, EditTextBKColor, density)));
    return true;
}

void TPop3Form::RedrawPreview() {
    if (!DrawPreview((EditAttribute & DefaultIcon) != 0 ? PreviewSource::BuiltIn
                                                        : PreviewSource::ImageFile)) {
        ui_->CBX_MailIcon->setChecked(true);
    }
}

void TPop3Form::ClearEditor() {
    for (QLineEdit* edit :
         {ui_->EDT_AccountName, ui_->EDT_UserID, ui_->EDT_Password, ui_->EDT_PopServer,
          ui_->EDT_MailSound, ui_->EDT_MailIcon, ui_->EDT_Mailer}) {
        edit->clear();
    }
    // Today's mailboxes want TLS from the first byte.
    ShowProtocol(Pop3Protocol);
    ShowSecurity(TlsSecurity);
    ui_->EDT_Port->setText(StandardPort(Pop3Protocol, TlsSecurity));
    ui_->EDT_Mailbox->setText(QStringLiteral("INBOX"));
    EditTrustedCertificate.clear();
    EditTrustedServer.clear();
    awaitingPassword_ = false;
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
        const QSignalBlocker blockIcon(ui_->CBX_MailIcon);
        const QSignalBlocker blockDialUp(ui_->CBX_DialUp);
        ui_->CBX_MailIcon->setChecked(true);
        ui_->CBX_DialUp->setChecked(dialUpOnly);
    }
    ApplyIconCheck(true);
    SetEditBit(DialUpOnly, dialUpOnly);
    ApplySoundCheck(ui_->CBX_MailSound->isChecked());
    DrawPreview(PreviewSource::BuiltIn);
    {
        const QSignalBlocker blockPeriodic(ui_->CBX_MailCheckInt);
        ui_->CBX_MailCheckInt->setChecked((draft_.MailCheckAttr & PeriodicCheck) != 0);
    }
    ApplyPeriodicCheck(ui_->CBX_MailCheckInt->isChecked());
    // Showing the stored interval is no choice of the user's: a stored 0 stays 0 until an
    // arrow is pressed.
    const QSignalBlocker blockInterval(ui_->UPD_MailCheckInt);
    ui_->UPD_MailCheckInt->setValue(draft_.Checkinterval);
}

void TPop3Form::LoadEditor(int slot) {
    const MailAccount& account = draft_.WorkAccounts[slot];
    ui_->EDT_AccountName->setText(account.Account);
    ui_->EDT_PopServer->setText(account.POP3);
    ShowProtocol(KnownProtocol(account.Protocol));
    ShowSecurity(KnownSecurity(account.Security));
    ui_->EDT_Mailbox->setText(account.Mailbox);
    ui_->EDT_Port->setText(QString::number(account.Port));
    EditTrustedCertificate = account.TrustedCertificate;
    EditTrustedServer = account.TrustedServer;
    ui_->EDT_UserID->setText(account.UserID);
    const MailPasswords::Lookup password = passwords_.PasswordFor(account);
    ui_->EDT_Password->setText(password.password);
    awaitingPassword_ = password.state == MailPasswords::State::Pending;
    ui_->EDT_MailSound->setText(account.MailSound);
    ui_->EDT_MailIcon->setText(account.ImageFile);
    ui_->EDT_Mailer->setText(account.Mailer);
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
    const QSignalBlocker blockIcon(ui_->CBX_MailIcon);
    const QSignalBlocker blockDialUp(ui_->CBX_DialUp);
    const QSignalBlocker blockSound(ui_->CBX_MailSound);
    const QSignalBlocker blockBlink(ui_->CBX_MailBlink);
    ui_->CBX_MailIcon->setChecked(defaultIcon);
    ApplyIconCheck(defaultIcon);
    ui_->CBX_DialUp->setChecked(account.Has(DialUpOnly));
    ui_->CBX_MailSound->setChecked(account.Has(SoundOn));
    ApplySoundCheck(account.Has(SoundOn));
    ui_->CBX_MailBlink->setChecked(account.Has(BlinkCount));
}

void TPop3Form::ShowSecurity(int security) {
    EditSecurity = security;
    const QSignalBlocker block(ui_->CMB_Security);
    ui_->CMB_Security->setCurrentIndex(security);
    ui_->StaticText5->setText(PortCaption(EditProtocol, security));
    ui_->LBL_PlainText->setVisible(security == NoSecurity);
}

void TPop3Form::ShowProtocol(int protocol) {
    EditProtocol = protocol;
    const QSignalBlocker block(ui_->CMB_Protocol);
    ui_->CMB_Protocol->setCurrentIndex(protocol);
    ui_->StaticText4->setText(ServerCaption(protocol));
    ui_->StaticText4->setToolTip(ServerHint(protocol));
    ui_->EDT_PopServer->setToolTip(ServerHint(protocol));
    ui_->StaticText5->setText(PortCaption(protocol, EditSecurity));
    ui_->LBL_Mailbox->setVisible(protocol == ImapProtocol);
    ui_->EDT_Mailbox->setVisible(protocol == ImapProtocol);
}

void TPop3Form::FollowStandardPort(int previousProtocol, int previousSecurity) {
    if (ui_->EDT_Port->text().trimmed() == StandardPort(previousProtocol, previousSecurity)) {
        ui_->EDT_Port->setText(StandardPort(EditProtocol, EditSecurity));
    }
}

QString TPop3Form::EditedMailbox() const {
    return MailboxOrInbox(ui_->EDT_Mailbox->text().trimmed());
}

void TPop3Form::ShowKeyringAnswer() {
    ShowPasswordPlace();
    if (!awaitingPassword_ || EditIndex < 0 || EditIndex >= draft_.WorkCount) {
        return;
    }
    const MailPasswords::Lookup password = passwords_.PasswordFor(draft_.WorkAccounts[EditIndex]);
    if (password.state == MailPasswords::State::Pending) {
        return;
    }
    awaitingPassword_ = false;
    // What the user has typed meanwhile stays.
    if (password.state == MailPasswords::State::Known && !Changed()) {
        ui_->EDT_Password->setText(password.password);
        TakeBaseline();
    }
}

void TPop3Form::ShowPasswordPlace() {
    QString place = QStringLiteral("確認中…");
    QString explanation = QStringLiteral("キーリングが使えるかどうかを確認しています");
    switch (passwords_.Where()) {
    case MailPasswords::Keeping::Keyring:
        place = QStringLiteral("キーリング");
        explanation = QStringLiteral("パスワードはデスクトップのキーリングに保管され、"
                                     "設定ファイルには書かれません");
        break;
    case MailPasswords::Keeping::SettingsFile:
        place = QStringLiteral("設定ファイル");
        explanation = QStringLiteral("キーリングが使えないため、"
                                     "パスワードは設定ファイルに保管されます");
        break;
    case MailPasswords::Keeping::Unknown:
        break;
    }
    ui_->LBL_PasswordPlace->setText(QStringLiteral("保管先: ") + place);
    ui_->LBL_PasswordPlace->setToolTip(explanation);
}

void TPop3Form::CMB_SecurityChange(int security) {
    const int previous = EditSecurity;
    ShowSecurity(security);
    FollowStandardPort(EditProtocol, previous);
}

void TPop3Form::CMB_ProtocolChange(int protocol) {
    const int previous = EditProtocol;
    ShowProtocol(protocol);
    FollowStandardPort(previous, EditSecurity);
}

std::optional<int> TPop3Form::PortNumber() {
    bool number = false;
    const int port = ui_->EDT_Port->text().trimmed().toInt(&number, 10);
    if (!number || port < 1 || port > 65535) {
        ShowWarning(QStringLiteral("「%1」はポート番号ではありません。"
                                   "1から65535までの数字を入力してください")
                        .arg(ui_->EDT_Port->text()));
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
    account.Account = ui_->EDT_AccountName->text();
    account.POP3 = ui_->EDT_PopServer->text();
    account.Port = *port;
    account.UserID = ui_->EDT_UserID->text();
    account.PassWord = ui_->EDT_Password->text();
    account.MailSound = ui_->EDT_MailSound->text();
    account.TimeOut = 10000;
    account.ErrorCode = 0;
    account.TextColor = EditTextColor;
    account.TextBKColor = EditTextBKColor;
    account.ImageFile = EditImageFile;
    account.Mailer = ui_->EDT_Mailer->text();
    account.Security = EditSecurity;
    account.Protocol = EditProtocol;
    account.Mailbox = EditedMailbox();
    // A certificate is trusted for the server that showed it: another server or port drops it.
    const bool pinHolds = ServerAddress::Names(EditTrustedServer, account.POP3, account.Port);
    account.TrustedCertificate = pinHolds ? EditTrustedCertificate : QString();
    account.TrustedServer = pinHolds ? EditTrustedServer : QString();
    return true;
}

QString TPop3Form::AccountLine(int slot) const {
    return MailAccountDraft::AccountLine(draft_.WorkAccounts[slot]);
}

TPop3Form::EditorFields TPop3Form::ReadEditor() const {
    EditorFields fields;
    fields.name = ui_->EDT_AccountName->text();
    fields.server = ui_->EDT_PopServer->text();
    fields.port = ui_->EDT_Port->text();
    fields.user = ui_->EDT_UserID->text();
    fields.password = ui_->EDT_Password->text();
    fields.sound = ui_->EDT_MailSound->text();
    fields.imageFile = EditImageFile;
    fields.mailer = ui_->EDT_Mailer->text();
    fields.textColour = EditTextColor;
    fields.backgroundColour = EditTextBKColor;
    fields.attribute = EditAttribute;
    fields.security = EditSecurity;
    fields.protocol = EditProtocol;
    fields.mailbox = ui_->EDT_Mailbox->text();
    fields.trusted = EditTrustedCertificate;
    fields.trustedServer = EditTrustedServer;
    return fields;
}

void TPop3Form::TakeBaseline() {
    baseline_.Take(ReadEditor());
}

bool TPop3Form::Changed() const {
    return baseline_.ChangedFrom(ReadEditor());
}

bool TPop3Form::Validate() {
    const auto fail = [this](const QString& text) {
        prompt_.ShowMessage(kValidateCaption, text);
        return false;
    };
    if (ui_->EDT_AccountName->text().isEmpty()) {
        return fail(QStringLiteral("アカウント名称を入力してください"));
    }
    if (ui_->EDT_UserID->text().isEmpty()) {
        return fail(QStringLiteral("ユーザーIDを設定してください"));
    }
    if (ui_->EDT_Password->text().isEmpty()) {
        return fail(QStringLiteral("パスワードを設定してください"));
    }
    if (!SendableInACommand(ui_->EDT_UserID->text())) {
        return fail(QStringLiteral("ユーザーIDに使えない文字(改行など)が含まれています"));
    }
    if (!SendableInACommand(ui_->EDT_Password->text())) {
        return fail(QStringLiteral("パスワードに使えない文字(改行など)が含まれています"));
    }
    const QString protocol =
        EditProtocol == ImapProtocol ? QStringLiteral("IMAP") : QStringLiteral("POP3");
    if (ui_->EDT_PopServer->text().isEmpty()) {
        return fail(QStringLiteral("%1サーバーのアドレスを設定してください").arg(protocol));
    }
    if (ui_->EDT_Port->text().isEmpty()) {
        return fail(QStringLiteral("%1サーバーのポートを指定してください").arg(protocol));
    }
    if (EditProtocol == ImapProtocol && HasControlCharacter(ui_->EDT_Mailbox->text())) {
        return fail(QStringLiteral("フォルダ名に使えない文字(改行など)が含まれています"));
    }
    if (ui_->CBX_MailSound->isChecked() && ui_->EDT_MailSound->text().isEmpty()) {
        return fail(QStringLiteral("サウンドファイルを指定してください"));
    }
    if (ui_->CBX_MailSound->isChecked() && !QFileInfo::exists(ui_->EDT_MailSound->text())) {
        return fail(QStringLiteral("サウンドファイルが見つかりません"));
    }
    return true;
}

// ---- The account list ----

void TPop3Form::FillList() {
    const QSignalBlocker block(ui_->CLBX_Pop3List);
    ui_->CLBX_Pop3List->clear();
    for (int slot = 0; slot < draft_.WorkCount; ++slot) {
        auto* item = new QListWidgetItem(AccountLine(slot), ui_->CLBX_Pop3List);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(draft_.WorkAccounts[slot].Has(CheckOn) ? Qt::Checked : Qt::Unchecked);
    }
}

void TPop3Form::CLBX_Pop3ListDblClick(QListWidgetItem* item) {
    const int line =
        item != nullptr ? ui_->CLBX_Pop3List->row(item) : ui_->CLBX_Pop3List->currentRow();
    if (line < 0 || line >= draft_.WorkCount || !ConfirmDiscard()) {
        return;
    }
    LoadEditor(line);
    EditIndex = line;
    TakeBaseline();
    ui_->BTN_Pop3Update->setEnabled(true);
}

void TPop3Form::CLBX_Pop3ListClickCheck(QListWidgetItem* item) {
    draft_.SetCheckOn(ui_->CLBX_Pop3List->row(item), item->checkState() == Qt::Checked);
}

void TPop3Form::SetAllChecks(bool on) {
    for (int slot = 0; slot < draft_.WorkCount; ++slot) {
        draft_.SetCheckOn(slot, on);
    }
    FillList();
}

void TPop3Form::DeleteLine(int line) {
    draft_.Delete(line);
    FollowLoadedRowAfterDelete(EditIndex, line, *ui_->BTN_Pop3Update);
    FillList();
}

void TPop3Form::DeleteSelected() {
    const int line = ui_->CLBX_Pop3List->currentRow();
    if (line >= 0 && ui_->CLBX_Pop3List->currentItem() != nullptr &&
        ui_->CLBX_Pop3List->currentItem()->isSelected()) {
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
        ShowWarning(
            QStringLiteral("これ以上設定できません（最大%1件）").arg(AccountTable::Capacity));
        return;
    }
    if (!Validate() || !StoreEditor(draft_.WorkCount)) {
        return;
    }
    draft_.SetCheckOn(draft_.WorkCount, true);
    ++draft_.WorkCount;
    FillList();
    ui_->BTN_Pop3Update->setEnabled(false);
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
    ui_->BTN_Pop3Update->setEnabled(false);
    ClearEditor();
    TakeBaseline();
}

void TPop3Form::BTN_Pop3ResetClick() {
    ClearEditor();
    TakeBaseline();
}

TPop3Form::TestResult TPop3Form::TestConnection(int port, const CertificatePin& pin) {
    if (EditProtocol == ImapProtocol) {
        return TestImapConnection(port, pin);
    }
    std::unique_ptr<TPop3Client> pop3 = testClient_();
    pop3->Host = ui_->EDT_PopServer->text();
    pop3->UserID = ui_->EDT_UserID->text();
    pop3->Password = ui_->EDT_Password->text();
    pop3->Port = quint16(port);
    pop3->TimeOut = 10000;
    pop3->Security = Pop3Security(EditSecurity);
    pop3->TrustedCertificate = pin.fingerprint;
    pop3->TrustedServer = pin.server;
    try {
        pop3->Connect();
        if (pop3->Connected()) {
            pop3->Disconnect();
        }
    } catch (const ETlsError& error) {
        return {.untrusted = error.Failure() == TlsFailure::CertificateUntrusted
                                 ? error.Certificate()
                                 : ServerCertificate{}};
    } catch (...) {
        return {};
    }
    return {.connected = true};
}

TPop3Form::TestResult TPop3Form::TestImapConnection(int port, const CertificatePin& pin) {
    MailAccount account;
    account.POP3 = ui_->EDT_PopServer->text();
    account.Port = port;
    account.UserID = ui_->EDT_UserID->text();
    account.Security = EditSecurity;
    account.Mailbox = EditedMailbox();
    account.TrustedCertificate = pin.fingerprint;
    account.TrustedServer = pin.server;
    const std::chrono::milliseconds timeOut(10000);
    std::unique_ptr<ImapServerOpener> opener = ImapOpenerFor(account, timeOut);
    const ImapServerOpener& openerSeen = *opener;
    ImapCheck check(std::move(opener), ImapAccessOf(account, ui_->EDT_Password->text()), timeOut);
    check.RunToEnd();
    const ImapOutcome outcome = check.Result().outcome;
    return {.connected = outcome == ImapOutcome::Ok,
            .untrusted = outcome == ImapOutcome::CertificateUntrusted
                             ? openerSeen.RefusedCertificate()
                             : ServerCertificate{}};
}

void TPop3Form::BTN_POP3TestClick() {
    const std::optional<int> port = PortNumber();
    if (!port) {
        return;
    }
    const QString host = ui_->EDT_PopServer->text();
    bool connected = false;
    for (;;) {
        const TestResult result =
            TestConnection(*port, {EditTrustedCertificate, EditTrustedServer});
        connected = result.connected;
        const ServerCertificate& shown = result.untrusted;
        // Trusting the very certificate the user has just trusted cannot help.
        const bool trustedAlready = shown.fingerprint == EditTrustedCertificate &&
                                    ServerAddress::Names(EditTrustedServer, host, *port);
        if (!connected && !shown.IsNull() && !trustedAlready &&
            prompt_.Ask(CertificateQuestion::Caption(),
                        CertificateQuestion::Text(shown, ServerAddress::Of(host, *port))) ==
                UserPrompt::Answer::Yes) {
            EditTrustedCertificate = shown.fingerprint;
            EditTrustedServer = ServerAddress::Of(host, *port);
            continue;
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
    } else if (ui_->EDT_MailIcon->text().isEmpty()) {
        BTN_MailIconClick();
    } else {
        RedrawPreview();
    }
}

void TPop3Form::BTN_MailIconClick() {
    if (!BrowseFileInto(choosers_, this, *ui_->EDT_MailIcon,
                        QStringLiteral("ビットマップファイルの選択"),
                        QStringLiteral("ビットマップ (*.bmp)"))) {
        if (ui_->EDT_MailIcon->text().isEmpty()) {
            ui_->CBX_MailIcon->setChecked(true);
        }
        return;
    }
    EditImageFile = ui_->EDT_MailIcon->text();
    if (!DrawPreview(PreviewSource::ImageFile)) {
        ui_->CBX_MailIcon->setChecked(true);
    }
}

void TPop3Form::ChooseColour(Colour& colour) {
    if (const std::optional<Colour> chosen = choosers_.ChooseColour(this, colour)) {
        colour = *chosen;
    }
    RedrawPreview();
}

void TPop3Form::BTN_MailSoundClick() {
    BrowseFileInto(choosers_, this, *ui_->EDT_MailSound, QStringLiteral("サウンドファイルの選択"),
                   QStringLiteral("サウンドファイル(*.wav)"));
}

void TPop3Form::BTN_MailSoundTestClick() {
    const QString file = ui_->EDT_MailSound->text();
    if (QFileInfo(file).isFile()) {
        sound_.PlayAsync(file);
    } else {
        prompt_.ShowMessage(kValidateCaption, QStringLiteral("サウンドファイルが見つかりません"));
    }
}

void TPop3Form::BTN_MailerClick() {
    BrowseFileInto(choosers_, this, *ui_->EDT_Mailer,
                   QStringLiteral("メーラーのショートカット選択"), MailerFilter());
}

// ---- Closing ----

void TPop3Form::BTN_Pop3RefrectClick() {
    if (!ConfirmDiscard()) {
        return;
    }
    const QStringList entriesBefore = MailPasswords::EntriesInUse(accounts_);
    draft_.WriteBack(accounts_, settings_);
    host_.ReloadAccountIcons();
    host_.SetMailCheckEnabled(settings_.AccountListCount > 0 ? CommandState::Enabled
                                                             : CommandState::Disabled);
    host_.ResetMailTickCount();
    host_.RestartMailWatches();
    if (ConfirmSaved(saver_.SaveSettings())) {
        // The keyring entries follow accounts that were renamed, moved or deleted; only once
        // the file no longer names the old ones.
        passwords_.ForgetUnused(entriesBefore);
        accept();
    }
}
