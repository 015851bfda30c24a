// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timesync/correction_failure.h"

QString CorrectionFailureMessage(CorrectionFailure failure, qint64 differenceSeconds) {
    switch (failure) {
    case CorrectionFailure::None:
        return {};
    case CorrectionFailure::NoReply:
        return QStringLiteral("接続できませんでした");
    case CorrectionFailure::NotConvertible:
        return QStringLiteral("サーバーからの受信したデータの変換に失敗しました");
    case CorrectionFailure::RollOverFailed:
        return QStringLiteral("日時の補正または変換に失敗しました");
    case CorrectionFailure::ClockNotSet:
        return QStringLiteral("パソコンの日時補正に失敗しました");
    case CorrectionFailure::AutomaticSyncOn:
        return QStringLiteral("時刻の自動同期が有効なため、パソコンの日時は補正しませんでした");
    case CorrectionFailure::NoDialUpConnection:
        return QStringLiteral("ダイヤルアップ接続されていません");
    case CorrectionFailure::StepTooLarge:
        return QStringLiteral("サーバーとの時刻の差が大きすぎるため補正しませんでした（%1秒）")
            .arg(differenceSeconds);
    }
    return {};
}
