// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/etls_error.h"

ETlsError::ETlsError(TlsFailure failure, const QString& text, ServerCertificate certificate)
    : ENetError(text), failure_(failure), certificate_(std::move(certificate)) {}
