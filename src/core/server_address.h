// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A server as "host:port", the form in which an account remembers where a certificate was
// trusted; an IPv6 address is written in brackets ("[::1]:995").
class ServerAddress {
public:
    // The host as typed, with or without the brackets of an IPv6 address.
    static QString Of(const QString& host, int port);
    // Whether `text` names this host (letters in either case, brackets or none) and port.
    static bool Names(const QString& text, const QString& host, int port);
    // The host without the brackets an IPv6 address is typed in.
    static QString Unbracketed(const QString& host);
};
