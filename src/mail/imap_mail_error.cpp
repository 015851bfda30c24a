// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mail/imap_mail_error.h"

MailErrorCode ImapMailError(ImapOutcome outcome) {
    switch (outcome) {
    case ImapOutcome::Ok:
        return MailNoError;
    case ImapOutcome::LoginRefused:
        return LoginFailedError;
    case ImapOutcome::MailboxMissing:
        // "Error:メール情報獲得中にエラー発生": the mailbox's information cannot be had.
        return MailInformationError;
    case ImapOutcome::EncryptionFailed:
        return EncryptionFailedError;
    case ImapOutcome::CertificateUntrusted:
        return UntrustedCertificateError;
    case ImapOutcome::IdleUnsupported:
    case ImapOutcome::ConnectionLost:
    case ImapOutcome::ProtocolError:
    case ImapOutcome::TimedOut:
        break;
    }
    return ServerUnreachableError;
}
