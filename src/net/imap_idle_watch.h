// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/imap_connection.h"
#include "net/imap_idle_schedule.h"
#include "net/imap_socket_opener.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>

// Keeps one connection to a mailbox in IDLE and says when the mailbox should be checked: when
// the server reports a message that came, went or changed, and when IDLE resumes after a
// gap in which mail may have come unseen. It renews IDLE, re-opens dropped connections after
// a growing pause, and re-opens at once when the wall clock jumps (a resume from suspend);
// see ImapIdleSchedule. It stops for good where trying again cannot help: a refused login,
// a missing mailbox, a server without IDLE, an untrusted certificate.
//
// Everything runs on signals and timers; nothing waits.
class ImapIdleWatch : public QObject {
    Q_OBJECT

public:
    struct Timing {
        // How long the server has for each answer.
        std::chrono::milliseconds replyTimeOut{30000};
        // How often the clocks are compared to notice a suspend.
        std::chrono::milliseconds clockCheck{5000};
    };
    using Clock = std::function<WatchInstant()>;

    ImapIdleWatch(ImapSocketOpener& opener, ImapAccess access, QObject* parent = nullptr);
    ImapIdleWatch(ImapSocketOpener& opener, ImapAccess access, Timing timing, Clock clock,
                  QObject* parent = nullptr);
    ~ImapIdleWatch() override;

    void Start();
    // Logs the connection out, giving the server `limit`, and ends the watch; stopped follows.
    void Stop(std::chrono::milliseconds limit);
    bool Idling() const;
    const ImapIdleSchedule& Schedule() const { return schedule_; }

    // Monotonic and wall-clock time of this machine.
    static WatchInstant Now();

signals:
    void checkWanted();
    // The server accepted IDLE, after the first opening or a re-opening.
    void idling();
    // The watch has ended: by Stop (Ok) or for good on the outcome given.
    void stopped(ImapOutcome outcome);

private:
    void Poll();
    void Open();
    void Opened(QSslSocket* socket, ImapOutcome failure, const QString& reason);
    void ConnectionIdling();
    void ConnectionFinished();
    void Ended(ImapOutcome outcome);
    // No more renewals, re-openings or clock checks.
    void Halt();
    void CloseConnection();
    void ArmDueTimer();

    ImapSocketOpener& opener_;
    ImapAccess access_;
    Timing timing_;
    Clock clock_;
    ImapIdleSchedule schedule_;
    QPointer<ImapConnection> connection_;
    QTimer dueTimer_;
    QTimer clockTimer_;
    bool opening_ = false;
    bool stopping_ = false;
    // Whether mail may have come while no connection idled: after any drop or re-opening.
    bool gapSinceIdle_ = false;
};
