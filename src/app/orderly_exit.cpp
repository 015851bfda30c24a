// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/orderly_exit.h"

#include "net/socket_client.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace {

// How often the grace looks whether the mail conversation has let go; it sleeps in between.
constexpr std::chrono::milliseconds MailLookInterval{20};

} // namespace

OrderlyExit::OrderlyExit(const TSocketClient& mailConnection, std::function<bool()> mailLetGo,
                         std::function<void()> finish)
    : mailConnection_(mailConnection), mailLetGo_(std::move(mailLetGo)),
      finish_(std::move(finish)) {
    mailCheck_.setInterval(MailLookInterval);
    QObject::connect(&mailCheck_, &QTimer::timeout, [this] { WaitForMail(); });
}

void OrderlyExit::Begin() {
    if (begun_) {
        return;
    }
    begun_ = true;
    CloseModalWindows();
    TSocketClient::AbortAll(&mailConnection_);
    grace_.start();
    WaitForMail();
    if (!finished_) {
        mailCheck_.start();
    }
}

void OrderlyExit::WaitForMail() {
    if (!mailLetGo_() && std::chrono::milliseconds(grace_.elapsed()) < MailGrace) {
        return;
    }
    mailCheck_.stop();
    // The mail conversation is over, or has had its time: nothing may hold the exit now.
    TSocketClient::AbortAll();
    Finish();
}

void OrderlyExit::Finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    finish_();
}

void OrderlyExit::CloseModalWindows() {
    // A popup menu runs its own loop when opened with exec(); closing it ends that loop.
    for (int guard = 0; guard < 16 && QApplication::activePopupWidget() != nullptr; ++guard) {
        QApplication::activePopupWidget()->close();
    }
    // done() rather than reject(): a dialog must not ask whether to discard its changes now.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window);
            dialog != nullptr && dialog->isVisible()) {
            dialog->done(QDialog::Rejected);
        }
    }
}
