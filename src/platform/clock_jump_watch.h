// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <memory>

// Tells when the system clock jumps: set by hand or by a correction, or carried forward by a
// resume from suspend. The clock window then realigns its tick to the new seconds at once
// instead of at its next tick. Where the system cannot tell, it never reports.
class ClockJumpWatch : public QObject {
    Q_OBJECT
public:
    explicit ClockJumpWatch(QObject* parent = nullptr);
    ~ClockJumpWatch() override;

Q_SIGNALS:
    void Jumped();

private:
    class Watcher;
    std::unique_ptr<Watcher> watcher_;
};
