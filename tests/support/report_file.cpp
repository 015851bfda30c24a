// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_file.h"

#include <QFile>
#include <QTest>

QStringList WaitForReport(const QString& report) {
    if (!QTest::qWaitFor([&report] { return QFile::exists(report); }, 20000)) {
        return {};
    }
    QFile file(report);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    text.chop(1);
    return text.split('\n');
}
