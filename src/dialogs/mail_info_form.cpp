// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/mail_info_form.h"

#include "dialogs/dialog_look.h"
#include "face/default_icons.h"
#include "mail/mail_check_run.h"
#include "platform/app_launcher.h"
#include "ui_mail_info_form.h"

#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

TMailInfoForm::TMailInfoForm(AccountTable& accounts, const ClockSettings& settings,
                             MailCheckRun& run, SoundPlayer& sound, AppLauncher& launcher,
                             QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::MailInfoForm>()), accounts_(accounts),
      launcher_(launcher), run_(run), notice_(accounts, settings, run, sound) {
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setFont(DialogFont());
    ui_->setupUi(this);
    ui_->Image1->setPixmap(QPixmap::fromImage(BuiltInIcon(DefaultMailIcon, devicePixelRatio())));
    MailerRun = {ui_->MailerRun01, ui_->MailerRun02, ui_->MailerRun03, ui_->MailerRun04,
                 ui_->MailerRun05};
    for (int slot = 0; slot < AccountTable::Capacity; ++slot) {
        connect(MailerRun[slot], &QAction::triggered, this, [this, slot] { MailerRunClick(slot); });
    }
    connect(ui_->MailInfoClose, &QPushButton::clicked, this, &TMailInfoForm::MailInfoCloseClick);
    connect(ui_->BTM_Mailer, &QPushButton::clicked, this, &TMailInfoForm::BTM_MailerClick);
    FillMailInfo();
    run_.SetMailNotifyPending(0);
    CentreOnDesktop(*this);
}

TMailInfoForm::~TMailInfoForm() = default;

void TMailInfoForm::FillMailInfo() {
    const MailNoticeContent content = notice_.Fill();
    ui_->MM_Mail->setPlainText(content.lines.join(QLatin1Char('\n')));
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
    ui_->PP_Mailer->popup(QCursor::pos());
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
