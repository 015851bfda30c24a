// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/termination_signals.h"

// On Windows shutdown and log-off arrive as session-manager requests, which the clock
// window handles through QGuiApplication::commitDataRequest; nothing to install here.
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::Drain() {}
