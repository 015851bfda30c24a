// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals with which the system asks a program to end (on Linux SIGTERM, SIGINT
// and SIGHUP, sent at shutdown and log-off) into a Qt signal on the GUI thread, so the clock
// can close as it does when the user chooses exit and keep its settings.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void TerminationRequested();

private:
    void Drain();
    QSocketNotifier* notifier_ = nullptr;
};
