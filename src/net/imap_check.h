// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/imap_connection.h"
#include "net/imap_socket_opener.h"

#include <QObject>
#include <QPointer>
#include <chrono>
#include <memory>

// One check of an IMAP mailbox: opens a connection through its opener, logs in, counts the
// unseen messages and logs out. Everything runs on signals and timers; `finished` comes once.
class ImapCheck : public QObject {
    Q_OBJECT

public:
    ImapCheck(std::unique_ptr<ImapSocketOpener> opener, ImapAccess access,
              std::chrono::milliseconds replyTimeOut, QObject* parent = nullptr);
    ~ImapCheck() override;

    void Start();
    // Ends the check at once as lost; finished follows.
    void Abort();
    // Runs the check in a nested event loop until it ends. The program's exit ends it early,
    // as lost.
    void RunToEnd();

    bool Finished() const { return finished_; }
    const ImapResult& Result() const { return result_; }

signals:
    void finished();

private:
    void Opened(QSslSocket* socket, ImapOutcome failure, const QString& reason);
    void End(ImapResult result);

    std::unique_ptr<ImapSocketOpener> opener_;
    ImapAccess access_;
    std::chrono::milliseconds replyTimeOut_;
    QPointer<ImapConnection> connection_;
    ImapResult result_;
    bool started_ = false;
    bool finished_ = false;
};
