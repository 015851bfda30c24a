// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The codes a mail check records on an account, with the text shown for each.
enum MailErrorCode : int {
    MailNoError = 0,
    ConnectionFailedError = 129,
    ConnectionRequiredWarning = 130,
    MailIdError = 131,
    InvalidHostError = 132,
    ServerUnreachableError = 145,
    AlreadyConnectedWarning = 146,
    MailInformationError = 147,
    LoginFailedError = 148,
    NoDialUpWarning = 149,
    EncryptionFailedError = 150,
    UntrustedCertificateError = 151,
    PasswordUnavailableError = 152,
};

// The text of a code; "Error:未知のエラー発生" for a code outside the table.
QString MailErrorText(int code);
