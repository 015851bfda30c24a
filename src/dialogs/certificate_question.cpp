// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/certificate_question.h"

#include "core/certificate_fingerprint.h"

#include <QStringList>

namespace {

QString ProblemText(CertificateProblem problem) {
    switch (problem) {
    case CertificateProblem::Expired:
        return QStringLiteral("有効期限が切れています");
    case CertificateProblem::NotYetValid:
        return QStringLiteral("まだ有効になっていません");
    case CertificateProblem::NameMismatch:
        return QStringLiteral("サーバー名と一致しません");
    case CertificateProblem::SelfSigned:
        return QStringLiteral("自己署名の証明書です");
    case CertificateProblem::UnknownIssuer:
        return QStringLiteral("発行者を確認できません");
    case CertificateProblem::Revoked:
        return QStringLiteral("失効しています");
    case CertificateProblem::Other:
        break;
    }
    return QStringLiteral("検証できません");
}

QString Moment(const QDateTime& moment) {
    return moment.isValid() ? moment.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"))
                            : QStringLiteral("-");
}

// Characters that are not seen but act: line breaks, tabs, direction overrides.
bool Unseen(QChar character) {
    switch (character.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString CertificateQuestion::Caption() {
    return QStringLiteral("証明書の確認");
}

QString CertificateQuestion::Escaped(const QString& text) {
    QString shown;
    for (const QChar character : text) {
        if (!Unseen(character)) {
            shown += character;
        } else if (character == QLatin1Char('\n')) {
            shown += QStringLiteral("\\n");
        } else if (character == QLatin1Char('\r')) {
            shown += QStringLiteral("\\r");
        } else {
            shown += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    return shown;
}

QString CertificateQuestion::Text(const ServerCertificate& certificate, const QString& server) {
    QStringList reasons;
    for (const CertificateProblem problem : certificate.problems) {
        reasons << ProblemText(problem);
    }
    // Sixteen byte pairs a line, so that the box stays narrow enough to read.
    const QString grouped = CertificateFingerprint::Grouped(certificate.fingerprint);
    const QString fingerprint = grouped.left(47) + QLatin1Char('\n') + grouped.mid(48);
    QString text = QStringLiteral("サーバーの証明書を信頼できません");
    if (!reasons.isEmpty()) {
        text += QStringLiteral("（%1）").arg(reasons.join(QStringLiteral("、")));
    }
    text += QStringLiteral("。\n\n接続先: %1\n発行先: %2\n発行者: %3\n有効期間: %4 ～ %5\n"
                           "SHA-256 フィンガープリント:\n%6\n\n"
                           "この接続先に限り、この証明書を信頼して接続しますか?")
                .arg(Escaped(server), Escaped(certificate.subject), Escaped(certificate.issuer),
                     Moment(certificate.validFrom), Moment(certificate.validUntil), fingerprint);
    return text;
}
