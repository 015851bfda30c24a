// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "esock_error.h"

namespace {

QString TextOf(SockErrorKind kind) {
    switch (kind) {
    case SockErrorKind::NoEventLoop:
        return QStringLiteral("Initializaton of windows sockets failed");
    case SockErrorKind::LookupTimedOut:
        return QStringLiteral("Host Lookup Timed Out");
    case SockErrorKind::LookupCanceled:
        return QStringLiteral("Host Lookup Canceled");
    case SockErrorKind::LookupFailed:
        return QStringLiteral("Host Lookup Failed");
    case SockErrorKind::NoRemoteAddress:
        return QStringLiteral("Null Remote Address");
    case SockErrorKind::AlreadyConnected:
        return QStringLiteral("Already connected");
    case SockErrorKind::LineTooLong:
        return QStringLiteral("Line too long");
    case SockErrorKind::ReadCountTooLarge:
        return QStringLiteral("Read count too large");
    case SockErrorKind::Socket:
        break;
    }
    return QStringLiteral("Socket Error");
}

} // namespace

ESockError::ESockError(SockErrorKind kind) : ESockError(kind, TextOf(kind)) {}

ESockError::ESockError(SockErrorKind kind, const QString& text) : ENetError(text), kind_(kind) {}
