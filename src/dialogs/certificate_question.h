// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/server_certificate.h"

#include <QString>

// The question the mail settings dialog asks when a server's certificate is not trusted:
// which server ("host:port") showed it, what the certificate says about itself, why it was
// refused, and whether to trust it for that server. Every line is one line: control
// characters in what the server or the user wrote are shown escaped.
class CertificateQuestion {
public:
    static QString Caption();
    static QString Text(const ServerCertificate& certificate, const QString& server);
    // The text with control, format and line-separator characters written as escapes
    // ("\n", "\u202e"), so that it cannot break a line or turn the text around.
    static QString Escaped(const QString& text);
};
