// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/net_error.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <ostream>
#include <typeinfo>

// Failure messages show a QString as its text rather than as an array of code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The text of the exception an action raises, prefixed with its class so that a test sees
// both: "EAbortError: Socket readln aborted". "none" when nothing was raised.
QString FailureOf(const std::function<void()>& action);

// The NIST form of a Daytime reply with the given date, time and 5-character millisecond field.
QString NistReply(const QString& date, const QString& time, const QString& milliseconds);

// The warnings Qt reports while `action` runs (for example "QIODevice::read: device not open").
QStringList CapturedWarnings(const std::function<void()>& action);
