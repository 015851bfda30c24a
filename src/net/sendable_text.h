// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>
#include <algorithm>

// Whether a user-given text (a user ID, a password) can go into a line-based protocol's
// command: a CR, an LF or a NUL in it would end the command early and smuggle in another.
inline bool SendableInACommand(QStringView text) {
    return std::none_of(text.begin(), text.end(), [](QChar character) {
        return character == u'\r' || character == u'\n' || character == u'\0';
    });
}
