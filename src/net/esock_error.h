// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/net_error.h"

// What a socket or host lookup failure was. Callers decide by the kind; the text is what
// the user and the log see.
enum class SockErrorKind {
    NoEventLoop,       // sockets need the application's event loop, and there is none
    LookupTimedOut,    // the host lookup did not answer within the time-out
    LookupCanceled,    // the host lookup was canceled, or the program is ending
    LookupFailed,      // the host name has no address
    NoRemoteAddress,   // no address to connect to, even after the invalid-host event
    AlreadyConnected,  // a second connect or request while one is in progress
    LineTooLong,       // a reply line longer than the buffer
    ReadCountTooLarge, // a read of more bytes than the buffer holds
    Socket,            // a numbered socket error, with its text
};

// A socket or host lookup failure.
class ESockError : public ENetError {
public:
    // The kind with its usual text.
    explicit ESockError(SockErrorKind kind);
    ESockError(SockErrorKind kind, const QString& text);

    SockErrorKind Kind() const { return kind_; }

private:
    SockErrorKind kind_;
};
