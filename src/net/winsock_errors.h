// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractSocket>
#include <QString>
#include <span>

// The Winsock error numbers the socket layer reports, with their customary English names.
// The numbers stay the Winsock ones on every platform so that error texts read the same on
// Linux and Windows; Qt's and the operating system's errors are translated onto them.
class WinsockErrors {
public:
    struct Row {
        int number;
        const char* text;
    };

    // All 51 rows; the last is 0 "Unrecognized error code".
    static std::span<const Row> Table();
    // The table's text for a number, or an empty string for a number not in the table.
    static QString Text(int number);
    // The Winsock number for an error reported by a Qt socket; detail is the socket's
    // errorString(), which is the only place Qt tells "host" from "network" unreachable.
    static int FromSocketError(QAbstractSocket::SocketError error, const QString& detail);
};
