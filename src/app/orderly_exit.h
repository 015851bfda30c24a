// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <functional>

class TSocketClient;

// Ends the program once the clock window has closed. A close may arrive while a tick waits
// inside a POP3 conversation, a Daytime request or a modal window, and once the event loop
// has been told to exit none of those nested loops can sleep any more. So the exit first ends
// them itself: every modal window and popup is closed and every pending network wait aborted,
// except that a mail conversation still holding its connection may finish within a short
// grace while the mail machinery lets go of it. Then the event loop is told to exit.
class OrderlyExit {
public:
    static constexpr std::chrono::milliseconds MailGrace{500};

    // `mailConnection` is the clock window's POP3 component; `mailLetGo` tells whether the
    // mail machinery has let go of it; `finish` ends the event loop.
    OrderlyExit(const TSocketClient& mailConnection, std::function<bool()> mailLetGo,
                std::function<void()> finish);

    // Starts the exit; `finish` runs at once or, while a mail conversation holds its
    // connection, when it has let go or the grace is over.
    void Begin();
    bool Begun() const { return begun_; }

private:
    void WaitForMail();
    void Finish();
    static void CloseModalWindows();

    const TSocketClient& mailConnection_;
    std::function<bool()> mailLetGo_;
    std::function<void()> finish_;
    QTimer mailCheck_;
    QElapsedTimer grace_;
    bool begun_ = false;
    bool finished_ = false;
};
