// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/server_address.h"

QString ServerAddress::Unbracketed(const QString& host) {
    if (host.size() > 2 && host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'))) {
        return host.mid(1, host.size() - 2);
    }
    return host;
}

QString ServerAddress::Of(const QString& host, int port) {
    const QString bare = Unbracketed(host.trimmed()).toLower();
    const QString shown =
        bare.contains(QLatin1Char(':')) ? QLatin1Char('[') + bare + QLatin1Char(']') : bare;
    return shown + QLatin1Char(':') + QString::number(port);
}

bool ServerAddress::Names(const QString& text, const QString& host, int port) {
    return !text.isEmpty() && !host.trimmed().isEmpty() &&
           text.compare(Of(host, port), Qt::CaseInsensitive) == 0;
}
