// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mail/mail_error.h"
#include "net/imap_session.h"

// The code an IMAP check that ended so records on its account; MailNoError for Ok.
MailErrorCode ImapMailError(ImapOutcome outcome);
