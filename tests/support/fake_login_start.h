// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/login_start.h"

// A login start held in memory; `refuses` makes every change fail.
class FakeLoginStart : public LoginStart {
public:
    bool IsEnabled() const override { return enabled; }
    bool SetEnabled(bool on) override {
        ++changes;
        if (refuses) {
            return false;
        }
        enabled = on;
        return true;
    }
    QString Location() const override { return QStringLiteral("/fake/autostart/zorbel.desktop"); }

    bool enabled = false;
    bool refuses = false;
    int changes = 0;
};
