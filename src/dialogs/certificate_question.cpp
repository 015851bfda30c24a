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

} // namespace

QString CertificateQuestion::Caption() {
    return QStringLiteral("証明書の確認");
}

QString CertificateQuestion::Text(const ServerCertificate& certificate) {
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
    text += QStringLiteral("。\n\n発行先: %1\n発行者: %2\n有効期間: %3 ～ %4\n"
                           "SHA-256 フィンガープリント:\n%5\n\n"
                           "この証明書を信頼して接続しますか?")
                .arg(certificate.subject, certificate.issuer, Moment(certificate.validFrom),
                     Moment(certificate.validUntil), fingerprint);
    return text;
}
