// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timesync/correction_texts.h"

namespace {

QString TimeLine(const QString& label, const QDateTime& local) {
    const QDate date = local.date();
    const QTime time = local.time();
    return QString::asprintf("%02d/%02d/%02d %02d:%02d.%02d %03d", date.year(), date.month(),
                             date.day(), time.hour(), time.minute(), time.second(), time.msec())
        .prepend(label);
}

} // namespace

QString PcTimeText(const QDateTime& local) {
    return TimeLine(QStringLiteral("パソコンの時刻:"), local);
}

QString ServerTimeText(const QDateTime& local) {
    return TimeLine(QStringLiteral("サーバーの時刻:"), local);
}

QString CorrectionResultText(const QString& serverTimeText) {
    return serverTimeText + QStringLiteral("に補正しました");
}

QString LargeStepQuestion(const QDateTime& serverLocal, const QDateTime& computerLocal,
                          qint64 seconds) {
    return QStringLiteral("サーバーの時刻とパソコンの時刻が%1秒違います。\n\n%2\n%3\n\n"
                          "パソコンの日時を補正しますか?")
        .arg(seconds)
        .arg(ServerTimeText(serverLocal), PcTimeText(computerLocal));
}
