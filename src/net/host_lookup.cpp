// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/host_lookup.h"

HostLookup::HostLookup(const QString& name, std::function<void()> answered)
    : answered_(std::move(answered)) {
    id_ = QHostInfo::lookupHost(name, this, SLOT(Deliver(QHostInfo)));
}

HostLookup::~HostLookup() {
    if (!answer_) {
        QHostInfo::abortHostLookup(id_);
    }
}

void HostLookup::Deliver(const QHostInfo& info) {
    answer_ = info;
    if (answered_) {
        answered_();
    }
}
