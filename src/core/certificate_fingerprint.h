// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// SHA-256 fingerprints of server certificates in the form the settings keep them: 64
// lower-case hex digits without separators.
class CertificateFingerprint {
public:
    // The kept form of a fingerprint written in either case, with or without a colon between
    // every two digits; "" for any other text.
    static QString Normalised(const QString& text);
    // The fingerprint of a certificate's DER form.
    static QString OfDer(const QByteArray& der);
    // "AB:CD:..." as people compare fingerprints; the text unchanged if it is not one.
    static QString Grouped(const QString& fingerprint);
};
