// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/certificate_fingerprint.h"

#include <QCryptographicHash>
#include <QStringList>

namespace {

constexpr int kDigestBytes = 32;

bool IsHexDigits(QStringView text) {
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        const bool digit = code >= u'0' && code <= u'9';
        const bool letter = (code >= u'a' && code <= u'f') || (code >= u'A' && code <= u'F');
        if (!digit && !letter) {
            return false;
        }
    }
    return true;
}

} // namespace

QString CertificateFingerprint::Normalised(const QString& text) {
    QString digits;
    if (text.size() == 2 * kDigestBytes) {
        digits = text;
    } else if (text.size() == 3 * kDigestBytes - 1) {
        // Colons exactly between the byte pairs, and nowhere else.
        for (int index = 0; index < text.size(); ++index) {
            const bool separator = index % 3 == 2;
            if (separator != (text[index] == QLatin1Char(':'))) {
                return {};
            }
            if (!separator) {
                digits += text[index];
            }
        }
    }
    if (digits.size() != 2 * kDigestBytes || !IsHexDigits(digits)) {
        return {};
    }
    return digits.toLower();
}

QString CertificateFingerprint::OfDer(const QByteArray& der) {
    return QString::fromLatin1(QCryptographicHash::hash(der, QCryptographicHash::Sha256).toHex());
}

QString CertificateFingerprint::Grouped(const QString& fingerprint) {
    const QString digits = Normalised(fingerprint);
    if (digits.isEmpty()) {
        return fingerprint;
    }
    QStringList pairs;
    for (int index = 0; index < digits.size(); index += 2) {
        pairs << digits.mid(index, 2).toUpper();
    }
    return pairs.join(QLatin1Char(':'));
}
