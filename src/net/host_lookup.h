// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHostInfo>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

// One host name lookup, answered through a queued signal connection to this object.
// Destroying it before the answer has come aborts the lookup and leaves nothing of it
// behind. (The functor forms of QHostInfo::lookupHost keep their slot object until an
// answer is delivered, so a lookup given up on would keep it allocated for good.)
class HostLookup : public QObject {
    Q_OBJECT
public:
    // `answered` runs when the answer arrives, in this object's thread.
    HostLookup(const QString& name, std::function<void()> answered);
    ~HostLookup() override;
    HostLookup(const HostLookup&) = delete;
    HostLookup& operator=(const HostLookup&) = delete;

    int Id() const { return id_; }
    // Empty until the answer has come.
    const std::optional<QHostInfo>& Answer() const { return answer_; }

private slots:
    void Deliver(const QHostInfo& info);

private:
    std::function<void()> answered_;
    std::optional<QHostInfo> answer_;
    int id_ = -1;
};
