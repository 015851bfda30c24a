// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timedated_stand_in.h"

#include <QRegularExpression>

TimedatedStandIn::~TimedatedStandIn() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
}

QString TimedatedStandIn::Start(const QString& busAddress) {
    process_.start(QStringLiteral(ZORBEL_TIMEDATED_STAND_IN), {busAddress});
    if (!process_.waitForStarted(5000)) {
        return QStringLiteral("the stand-in did not start: %1").arg(process_.errorString());
    }
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(10000)) {
            return QStringLiteral("the stand-in is not ready: %1")
                .arg(QString::fromLocal8Bit(process_.readAllStandardError()));
        }
    }
    const QString ready = QString::fromUtf8(process_.readLine()).trimmed();
    return ready == QLatin1String("ready") ? QString()
                                           : QStringLiteral("the stand-in said: %1").arg(ready);
}

std::vector<TimedatedStandIn::Call> TimedatedStandIn::Calls() {
    // Each line is written before its answer is sent, so whatever was answered is waiting
    // in the pipe by now.
    while (process_.waitForReadyRead(50)) {
    }
    while (process_.canReadLine()) {
        lines_ << QString::fromUtf8(process_.readLine()).trimmed();
    }
    static const QRegularExpression form(QStringLiteral(
        "^SetTime (-?\\d+) relative=(\\d) interactive=(\\d) allowInteractive=(\\d)$"));
    std::vector<Call> calls;
    for (const QString& line : lines_) {
        const QRegularExpressionMatch match = form.match(line);
        if (match.hasMatch()) {
            calls.push_back(
                {match.captured(1).toLongLong(), match.captured(2) == QLatin1String("1"),
                 match.captured(3) == QLatin1String("1"), match.captured(4) == QLatin1String("1")});
        }
    }
    return calls;
}
