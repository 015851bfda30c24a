// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

// "パソコンの時刻:2002/12/07 06:30.04 120" for the computer's local time.
QString PcTimeText(const QDateTime& local);
// "サーバーの時刻:2002/12/07 06:30.05 450" for the server's time in local time.
QString ServerTimeText(const QDateTime& local);
// The result window's line after a correction: the server's time and "に補正しました".
QString CorrectionResultText(const QString& serverTimeText);
// The question before a step of `seconds` that the user must confirm: both times and the
// difference.
QString LargeStepQuestion(const QDateTime& serverLocal, const QDateTime& computerLocal,
                          qint64 seconds);
