// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/choosers.h"
#include "dialogs/settings_dialog.h"
#include "mail/mail_account_draft.h"
#include "mail/mail_passwords.h"
#include "mail/mail_settings_host.h"
#include "net/certificate_trust.h"
#include "net/server_certificate.h"
#include "platform/help_viewer.h"
#include "platform/sound_player.h"
#include "platform/user_prompt.h"
#include "settings/settings_saver.h"

#include <functional>
#include <memory>
#include <optional>

class QListWidgetItem;
class TPop3Client;

namespace Ui {
class Pop3Form;
}

// The mail settings dialog. It edits its own copy of the accounts, one account at a time in
// the editor above the account list, and hands the copy back only through "設定".
class TPop3Form : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 303;
    static constexpr int ClientWidth = 463;
    static constexpr int ClientHeight = 535;
    using Pop3ClientFactory = std::function<std::unique_ptr<TPop3Client>()>;

    TPop3Form(AccountTable& accounts, ClockSettings& settings, MailPasswords& passwords,
              MailSettingsHost& host, SettingsSaver& saver, UserPrompt& prompt, HelpViewer& help,
              SoundPlayer& sound, Choosers& choosers, Pop3ClientFactory testClient,
              QWidget* parent = nullptr);
    ~TPop3Form() override;

    void ClearEditor();
    void LoadEditor(int slot);
    // False, with a message, when the port is no number; nothing is stored then.
    bool StoreEditor(int slot);
    QString AccountLine(int slot) const;
    bool Changed() const;
    bool Validate();

    const MailAccountDraft& Draft() const { return draft_; }

protected:
    bool HasUnsavedChanges() const override { return Changed(); }

private:
    enum class PreviewSource { BuiltIn, ImageFile };

    // What the editor shows, compared with the baseline to tell whether it was changed.
    struct EditorFields {
        QString name, server, port, user, password, sound, imageFile, mailer, trusted,
            trustedServer, mailbox;
        Colour textColour = 0;
        Colour backgroundColour = 0;
        int attribute = 0;
        int security = 0;
        int protocol = 0;
        bool operator==(const EditorFields&) const = default;
    };

    void ConnectControls();

    EditorFields ReadEditor() const;
    void TakeBaseline();
    void SetEditBit(int bit, bool on);
    bool DrawPreview(PreviewSource source);
    void RedrawPreview();
    void ApplySoundCheck(bool checked);
    void ApplyIconCheck(bool checked);
    void ApplyPeriodicCheck(bool checked);
    // Shows the security choice without the port following it.
    void ShowSecurity(int security);
    // Shows the protocol choice, with its server label and mailbox row, without the port
    // following it.
    void ShowProtocol(int protocol);
    // The port follows a change of protocol or security while it is the standard port of the
    // choice before.
    void FollowStandardPort(int previousProtocol, int previousSecurity);
    // The mailbox as stored: INBOX when left empty.
    QString EditedMailbox() const;
    // Shows the password of a loaded account that the settings file does not hold, once the
    // keyring has handed it over; and where passwords are kept.
    void ShowKeyringAnswer();
    void ShowPasswordPlace();
    std::optional<int> PortNumber();
    // What one connection test with the editor's values found.
    struct TestResult {
        bool connected = false;
        ServerCertificate untrusted{}; // what the server showed when its certificate was refused
    };
    TestResult TestConnection(int port, const CertificatePin& pin);
    TestResult TestImapConnection(int port, const CertificatePin& pin);

    void FillList();
    void CLBX_Pop3ListDblClick(QListWidgetItem* item);
    void CLBX_Pop3ListClickCheck(QListWidgetItem* item);
    void SetAllChecks(bool on);
    void DeleteLine(int line);
    void DeleteSelected();
    void DeleteAll();

    void BTN_Pop3NewClick();
    void BTN_Pop3UpdateClick();
    void BTN_Pop3ResetClick();
    void BTN_POP3TestClick();
    void CMB_SecurityChange(int security);
    void CMB_ProtocolChange(int protocol);
    void CBX_MailIconClick(bool checked);
    void BTN_MailIconClick();
    void ChooseColour(Colour& colour);
    void BTN_MailSoundClick();
    void BTN_MailSoundTestClick();
    void BTN_MailerClick();
    void BTN_Pop3RefrectClick();

    AccountTable& accounts_;
    ClockSettings& settings_;
    MailPasswords& passwords_;
    MailSettingsHost& host_;
    SettingsSaver& saver_;
    SoundPlayer& sound_;
    Choosers& choosers_;
    Pop3ClientFactory testClient_;

    MailAccountDraft draft_;
    int EditAttribute = 0;
    Colour EditTextColor = 0;
    Colour EditTextBKColor = 0xFFFFFF;
    QString EditImageFile;
    int EditSecurity = TlsSecurity;
    int EditProtocol = Pop3Protocol;
    QString EditTrustedCertificate;
    QString EditTrustedServer;
    int EditIndex = -1;
    // The loaded account's password is still to come from the keyring.
    bool awaitingPassword_ = false;
    EditorBaseline<EditorFields> baseline_;
    std::unique_ptr<Ui::Pop3Form> ui_;
};
