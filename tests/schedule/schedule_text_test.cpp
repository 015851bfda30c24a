// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/cp932_length.h"
#include "schedule/schedule_editing.h"
#include "schedule/schedule_list_text.h"
#include "schedule_fakes.h"

#include <gtest/gtest.h>

namespace {

TEST(ScheduleListLine, TextsForEachPatternAndPart) {
    struct LineCase {
        ScheduleEntry entry;
        QString message;
        QString name;
        QString expected;
    };
    const LineCase cases[] = {
        {StoredEntry(ScheduleYearly | ScheduleTimeSpecified | ScheduleMessage, 2002, 12, 6, 6, 7,
                     5),
         QStringLiteral("誕生日"),
         {},
         QStringLiteral("毎年12月6日7:5「誕生日」 ")},
        {StoredEntry(ScheduleMonthly | ScheduleSound, 2002, 12, 25, 4, 0, 0),
         {},
         {},
         QStringLiteral("毎月25日起動時サウンド有り")},
        {StoredEntry(ScheduleWeekly | ScheduleTimeSpecified | ScheduleApplication, 2002, 12, 6, 1,
                     18, 0),
         {},
         QStringLiteral("日記"),
         QStringLiteral("毎週日曜日18:0「日記」実行")},
        {StoredEntry(ScheduleWeekly | ScheduleSound, 2002, 12, 6, 7, 0, 0),
         {},
         {},
         QStringLiteral("毎週土曜日起動時サウンド有り")},
        {StoredEntry(ScheduleDaily | ScheduleMessage, 2002, 12, 6, 6, 0, 0),
         QStringLiteral("朝"),
         {},
         QStringLiteral("毎日起動時「朝」 ")},
        {StoredEntry(ScheduleOneOff | ScheduleTimeSpecified | ScheduleMessage | ScheduleSound |
                         ScheduleApplication,
                     2002, 12, 6, 6, 7, 5),
         QStringLiteral("会議"), QStringLiteral("メール"),
         QStringLiteral("2002/12/6 7:5「会議」 サウンド有り「メール」実行")},
    };
    for (const LineCase& line : cases) {
        ScheduleEntry entry = line.entry;
        entry.Message = line.message;
        entry.APL_Name = line.name;
        EXPECT_EQ(ScheduleListText(entry), line.expected);
    }
}

TEST(ScheduleCp932, CountsDoubleByteCharactersTwice) {
    struct CountCase {
        QString text;
        int bytes;
    };
    const CountCase cases[] = {
        {QString(), 0},
        {QStringLiteral("abc 123\n"), 8},
        {QStringLiteral("ｱｲｳ"), 3}, // half-width katakana
        {QStringLiteral("会議です"), 8},
        {QStringLiteral("Ａ"), 2}, // full-width Latin
        {QStringLiteral("a会ｱ"), 4},
        {QString::fromUcs4(U"\U0001F600"), 2}, // one character, not two halves
    };
    for (const CountCase& count : cases) {
        EXPECT_EQ(Cp932ByteCount(count.text), count.bytes) << count.text.toStdString();
    }
}

TEST(ScheduleCp932, FittingLengthStopsBeforeTheLimit) {
    EXPECT_EQ(Cp932FittingLength(QStringLiteral("会議abc"), 5), 3);
    EXPECT_EQ(Cp932FittingLength(QStringLiteral("会議abc"), 3), 1);
    EXPECT_EQ(Cp932FittingLength(QStringLiteral("会議"), 1), 0);
    EXPECT_EQ(Cp932FittingLength(QStringLiteral("abc"), 10), 3);
    EXPECT_EQ(Cp932FittingLength(QString::fromUcs4(U"a\U0001F600"), 2), 1);
}

TEST(ScheduleValidation, RulesApplyInOrder) {
    struct ValidationCase {
        int attribute;
        QString message;
        QString name;
        int selectedDay;
        QString error;
    };
    const QString none = QStringLiteral(
        "必ずメッセージ通知、サウンド通知、\nアプリケーション起動のいずれかを選択してください");
    const QString noName =
        QStringLiteral("アプリケーション起動する場合は、「名称」を入力してください");
    const QString noMessage =
        QStringLiteral("メッセージ通知する場合は、「メッセージ」を入力してください");
    const QString noDay = QStringLiteral("「毎年」「毎月」指定では日を選択してください");
    const ValidationCase cases[] = {
        {ScheduleYearly, {}, {}, 0, none},
        {ScheduleYearly | ScheduleApplication | ScheduleMessage, {}, {}, 0, noName},
        {ScheduleYearly | ScheduleApplication | ScheduleMessage,
         {},
         QStringLiteral("n"),
         0,
         noMessage},
        {ScheduleYearly | ScheduleMessage, QStringLiteral("m"), {}, 0, noDay},
        {ScheduleMonthly | ScheduleSound, {}, {}, 0, noDay},
        {ScheduleDaily | ScheduleSound, {}, {}, 0, {}},
        {ScheduleMonthly | ScheduleSound, {}, {}, 31, {}},
        {ScheduleOneOff | ScheduleApplication, {}, QStringLiteral("n"), 6, {}},
    };
    for (const ValidationCase& validation : cases) {
        ScheduleEntry entry;
        entry.Attribute = validation.attribute;
        entry.Message = validation.message;
        entry.APL_Name = validation.name;
        EXPECT_EQ(ScheduleEditError(entry, validation.selectedDay), validation.error)
            << validation.attribute;
    }
}

TEST(ScheduleValidation, EditorComparisonIgnoresMaskAndFireState) {
    ScheduleEntry left = StoredEntry(ScheduleDaily, 2002, 1, 1, 1, 1, 1);
    ScheduleEntry right = left;
    right.Check_Patt = 0x3F;
    right.fireState = FireState::Notified;
    EXPECT_TRUE(SameEditorFields(left, right));
    right.APL_Opt = QStringLiteral("-x");
    EXPECT_FALSE(SameEditorFields(left, right));
}

} // namespace
