#include "dialogs/mail_info_form.h"

#include "dialogs/dialog_look.h"
#include "face/default_icons.h"
#include "mail/mail_check_run.h"
#include "platform/app_launcher.h"

#include <QAction>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

TMailInfoForm::TMailInfoForm(AccountTable& accounts, const ClockSettings& settings,
                             MailCheckRun& run, SoundPlayer& sound, AppLauncher& launcher,
                             QWidget* parent)
    : QDialog(parent), accounts_(accounts), launcher_(launcher), run_(run),
      notice_(accounts, settings, run, sound) {
    setObjectName(QStringLiteral("MailInfoForm"));
    setWindowTitle(QStringLiteral("お知らせ By Zorbel"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    BuildControls();
    FillMailInfo();
    run_.SetMailNotifyPending(0);
    CentreOnDesktop(*this);
}

void TMailInfoForm::BuildControls() {
    PNL_Top = new QFrame(this);
    PNL_Top->setObjectName(QStringLiteral("PNL_Top"));
    PNL_Top->setFrameShape(QFrame::StyledPanel);
    PNL_Top->setFrameShadow(QFrame::Raised);
    PNL_Top->setGeometry(0, 0, ClientWidth, 38);

    StaticText1 = new QLabel(QStringLiteral("メールの着信通知 by Zorbel"), PNL_Top);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(10, 11, 250, 16);
    Image1 = new QLabel(PNL_Top);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap::fromImage(BuiltInIcon(DefaultMailIcon)));
    Image1->setGeometry(ClientWidth - 40, 3, 32, 32);

    MM_Mail = new QPlainTextEdit(this);
    MM_Mail->setObjectName(QStringLiteral("MM_Mail"));
    MM_Mail->setReadOnly(true);
    MM_Mail->setFrameShape(QFrame::NoFrame);
    MM_Mail->setGeometry(0, 38, ClientWidth, 89);

    MailInfoClose = new QPushButton(QStringLiteral("確認"), this);
    MailInfoClose->setObjectName(QStringLiteral("MailInfoClose"));
    MailInfoClose->setGeometry(ClientWidth - 176, 129, 80, 24);
    BTM_Mailer = new QPushButton(QStringLiteral("メーラー起動"), this);
    BTM_Mailer->setObjectName(QStringLiteral("BTM_Mailer"));
    BTM_Mailer->setGeometry(ClientWidth - 90, 129, 84, 24);
    BTM_Mailer->setAutoDefault(false);

    PP_Mailer = new QMenu(this);
    PP_Mailer->setObjectName(QStringLiteral("PP_Mailer"));
    for (int slot = 0; slot < AccountTable::Capacity; ++slot) {
        QAction* item = PP_Mailer->addAction(QString());
        item->setObjectName(QStringLiteral("MailerRun%1").arg(slot + 1, 2, 10, QLatin1Char('0')));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, slot] { MailerRunClick(slot); });
        MailerRun[slot] = item;
    }

    connect(MailInfoClose, &QPushButton::clicked, this, &TMailInfoForm::MailInfoCloseClick);
    connect(BTM_Mailer, &QPushButton::clicked, this, &TMailInfoForm::BTM_MailerClick);
}

void TMailInfoForm::FillMailInfo() {
    const MailNoticeContent content = notice_.Fill();
    MM_Mail->setPlainText(content.lines.join(QLatin1Char('\n')));
    for (int slot = 0; slot < AccountTable::Capacity; ++slot) {
        // Items once shown stay, as a slot's program is only ever added while the window
        // is open.
        if (!content.mailerCaptions[slot].isEmpty()) {
            MailerRun[slot]->setText(content.mailerCaptions[slot]);
            MailerRun[slot]->setVisible(true);
        }
    }
}

void TMailInfoForm::MailInfoCloseClick() {
    notice_.Acknowledge();
    accept();
}

void TMailInfoForm::BTM_MailerClick() {
    PP_Mailer->popup(QCursor::pos());
}

void TMailInfoForm::MailerRunClick(int slot) {
    // A mail program that cannot be started is not worth a message here.
    launcher_.Open(accounts_.entries[slot].Mailer);
    notice_.Acknowledge();
    accept();
}

void TMailInfoForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        MailInfoCloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}
