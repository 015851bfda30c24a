// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timesync/correction_failure.h"
#include "timesync/correction_texts.h"

#include <gtest/gtest.h>

TEST(TimesyncTexts, TimeLinesPadEveryField) {
    EXPECT_EQ(PcTimeText(QDateTime(QDate(2003, 1, 2), QTime(3, 4, 5, 6))),
              QStringLiteral("パソコンの時刻:2003/01/02 03:04.05 006"));
    EXPECT_EQ(ServerTimeText(QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59, 999))),
              QStringLiteral("サーバーの時刻:2099/12/31 23:59.59 999"));
    EXPECT_EQ(CorrectionResultText(QStringLiteral("X")), QStringLiteral("Xに補正しました"));
    EXPECT_EQ(LargeStepQuestion(QDateTime(QDate(2002, 12, 7), QTime(6, 30, 5, 450)),
                                QDateTime(QDate(2026, 12, 8), QTime(17, 0)), 757382400),
              QStringLiteral("サーバーの時刻とパソコンの時刻が757382400秒違います。\n\n"
                             "サーバーの時刻:2002/12/07 06:30.05 450\n"
                             "パソコンの時刻:2026/12/08 17:00.00 000\n\n"
                             "パソコンの日時を補正しますか?"));
}

TEST(TimesyncTexts, EveryFailureHasItsOwnMessage) {
    const std::pair<CorrectionFailure, const char16_t*> table[] = {
        {CorrectionFailure::None, u""},
        {CorrectionFailure::NoReply, u"接続できませんでした"},
        {CorrectionFailure::NotConvertible, u"サーバーからの受信したデータの変換に失敗しました"},
        {CorrectionFailure::RollOverFailed, u"日時の補正または変換に失敗しました"},
        {CorrectionFailure::ClockNotSet, u"パソコンの日時補正に失敗しました"},
        {CorrectionFailure::AutomaticSyncOn,
         u"時刻の自動同期が有効なため、パソコンの日時は補正しませんでした"},
        {CorrectionFailure::NoDialUpConnection, u"ダイヤルアップ接続されていません"},
        {CorrectionFailure::StepTooLarge,
         u"サーバーとの時刻の差が大きすぎるため補正しませんでした（1001秒）"},
    };
    for (const auto& [failure, message] : table) {
        EXPECT_EQ(CorrectionFailureMessage(failure, 1001), QString::fromUtf16(message));
    }
}
