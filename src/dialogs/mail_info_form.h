#pragma once

#include "mail/mail_notice.h"

#include <QDialog>
#include <array>

class AppLauncher;
class MailCheckRun;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class SoundPlayer;

// The mail notification window: one line per configured account with its result, the sound
// for new mail, and the mail programs to start.
class TMailInfoForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 366;
    static constexpr int ClientHeight = 155;

    TMailInfoForm(AccountTable& accounts, const ClockSettings& settings, MailCheckRun& run,
                  SoundPlayer& sound, AppLauncher& launcher, QWidget* parent = nullptr);

    // Shows the accounts' current results; the clock window calls it to refresh an open
    // window.
    void FillMailInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void MailInfoCloseClick();
    void BTM_MailerClick();
    void MailerRunClick(int slot);

    AccountTable& accounts_;
    AppLauncher& launcher_;
    MailCheckRun& run_;
    MailNotice notice_;

    QFrame* PNL_Top = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* Image1 = nullptr;
    QPlainTextEdit* MM_Mail = nullptr;
    QPushButton* MailInfoClose = nullptr;
    QPushButton* BTM_Mailer = nullptr;
    QMenu* PP_Mailer = nullptr;
    std::array<QAction*, AccountTable::Capacity> MailerRun{};
};
