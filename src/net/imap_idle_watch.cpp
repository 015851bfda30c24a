// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/imap_idle_watch.h"

#include <QDateTime>
#include <algorithm>

using std::chrono::milliseconds;

namespace {

// Outcomes that another attempt would only repeat; retrying a refused login could even lock
// the account.
bool Lasting(ImapOutcome outcome) {
    return outcome == ImapOutcome::LoginRefused || outcome == ImapOutcome::MailboxMissing ||
           outcome == ImapOutcome::IdleUnsupported || outcome == ImapOutcome::CertificateUntrusted;
}

const QElapsedTimer& MonotonicClock() {
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock;
}

} // namespace

WatchInstant ImapIdleWatch::Now() {
    return {milliseconds(MonotonicClock().elapsed()),
            milliseconds(QDateTime::currentMSecsSinceEpoch())};
}

ImapIdleWatch::ImapIdleWatch(ImapSocketOpener& opener, ImapAccess access, QObject* parent)
    : ImapIdleWatch(opener, std::move(access), Timing{}, &ImapIdleWatch::Now, parent) {}

ImapIdleWatch::ImapIdleWatch(ImapSocketOpener& opener, ImapAccess access, Timing timing,
                             Clock clock, QObject* parent)
    : QObject(parent), opener_(opener), access_(std::move(access)), timing_(timing),
      clock_(std::move(clock)) {
    dueTimer_.setSingleShot(true);
    connect(&dueTimer_, &QTimer::timeout, this, &ImapIdleWatch::Poll);
    clockTimer_.setInterval(timing_.clockCheck);
    connect(&clockTimer_, &QTimer::timeout, this, &ImapIdleWatch::Poll);
}

ImapIdleWatch::~ImapIdleWatch() {
    if (opening_) {
        opener_.Cancel();
    }
}

bool ImapIdleWatch::Idling() const {
    return connection_ != nullptr && connection_->Idling();
}

void ImapIdleWatch::Start() {
    stopping_ = false;
    gapSinceIdle_ = false;
    schedule_.Start(clock_());
    clockTimer_.start();
    Poll();
}

void ImapIdleWatch::Halt() {
    schedule_.Stop();
    dueTimer_.stop();
    clockTimer_.stop();
}

void ImapIdleWatch::Stop(milliseconds limit) {
    stopping_ = true;
    Halt();
    if (opening_) {
        opener_.Cancel();
        opening_ = false;
    }
    if (connection_ != nullptr) {
        connection_->Logout(limit); // its end ends the watch
    } else {
        Ended(ImapOutcome::Ok);
    }
}

void ImapIdleWatch::Poll() {
    switch (schedule_.Poll(clock_())) {
    case ImapIdleSchedule::Due::Open:
        Open();
        break;
    case ImapIdleSchedule::Due::Renew:
        if (connection_ != nullptr) {
            connection_->RenewIdle();
        }
        break;
    case ImapIdleSchedule::Due::Nothing:
        break;
    }
    ArmDueTimer();
}

void ImapIdleWatch::ArmDueTimer() {
    const std::optional<milliseconds> due = schedule_.NextDue();
    if (!due) {
        dueTimer_.stop();
        return;
    }
    dueTimer_.start(std::max(milliseconds(0), *due - clock_().monotonic));
}

void ImapIdleWatch::CloseConnection() {
    if (connection_ == nullptr) {
        return;
    }
    connection_->disconnect(this);
    connection_->Fail(ImapOutcome::ConnectionLost, QStringLiteral("re-opened"));
    connection_->deleteLater();
    connection_ = nullptr;
    gapSinceIdle_ = true;
}

void ImapIdleWatch::Open() {
    CloseConnection();
    if (opening_) {
        opener_.Cancel();
    }
    schedule_.Opening(clock_());
    opening_ = true;
    opener_.Open([watch = QPointer<ImapIdleWatch>(this)](QSslSocket* socket, ImapOutcome failure,
                                                         const QString& reason) {
        if (watch == nullptr) {
            delete socket;
            return;
        }
        watch->Opened(socket, failure, reason);
    });
}

void ImapIdleWatch::Opened(QSslSocket* socket, ImapOutcome failure, const QString&) {
    opening_ = false;
    if (socket == nullptr) {
        gapSinceIdle_ = true;
        if (Lasting(failure)) {
            Ended(failure);
        } else {
            schedule_.Dropped(clock_());
            ArmDueTimer();
        }
        return;
    }
    auto* connection =
        new ImapConnection(socket,
                           ImapSession(ImapSession::Purpose::Watch, access_.security, access_.user,
                                       access_.password, access_.mailbox),
                           timing_.replyTimeOut, this);
    connection_ = connection;
    connection->EncryptThrough(opener_);
    connect(connection, &ImapConnection::idling, this, &ImapIdleWatch::ConnectionIdling);
    connect(connection, &ImapConnection::mailboxChanged, this, &ImapIdleWatch::checkWanted);
    connect(connection, &ImapConnection::finished, this, &ImapIdleWatch::ConnectionFinished);
    connection->Start();
}

void ImapIdleWatch::ConnectionIdling() {
    schedule_.Idling(clock_());
    ArmDueTimer();
    emit idling();
    if (gapSinceIdle_) {
        gapSinceIdle_ = false;
        emit checkWanted();
    }
}

void ImapIdleWatch::ConnectionFinished() {
    const ImapOutcome outcome = connection_->Result().outcome;
    connection_->deleteLater();
    connection_ = nullptr;
    gapSinceIdle_ = true;
    if (stopping_) {
        Ended(ImapOutcome::Ok);
    } else if (Lasting(outcome)) {
        Ended(outcome);
    } else {
        schedule_.Dropped(clock_());
        ArmDueTimer();
    }
}

void ImapIdleWatch::Ended(ImapOutcome outcome) {
    stopping_ = false;
    Halt();
    emit stopped(outcome);
}
