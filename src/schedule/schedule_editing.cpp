// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule/schedule_editing.h"

QString ScheduleEditErrorCaption() {
    return QStringLiteral("スケジュール設定方法について");
}

QString ScheduleEditError(const ScheduleEntry& edited, int selectedDay) {
    const int attribute = edited.Attribute;
    if (!(attribute & (ScheduleMessage | ScheduleSound | ScheduleApplication))) {
        return QStringLiteral(
            "必ずメッセージ通知、サウンド通知、\nアプリケーション起動のいずれかを選択してください");
    }
    if ((attribute & ScheduleApplication) && edited.APL_Name.isEmpty()) {
        return QStringLiteral("アプリケーション起動する場合は、「名称」を入力してください");
    }
    if ((attribute & ScheduleMessage) && edited.Message.isEmpty()) {
        return QStringLiteral("メッセージ通知する場合は、「メッセージ」を入力してください");
    }
    if ((attribute & (ScheduleYearly | ScheduleMonthly)) && selectedDay == 0) {
        return QStringLiteral("「毎年」「毎月」指定では日を選択してください");
    }
    return {};
}

bool SameEditorFields(const ScheduleEntry& left, const ScheduleEntry& right) {
    return left.Attribute == right.Attribute && left.Year == right.Year &&
           left.Month == right.Month && left.Day == right.Day && left.Week == right.Week &&
           left.Hour == right.Hour && left.Min == right.Min && left.SoundFile == right.SoundFile &&
           left.Message == right.Message && left.APL_Name == right.APL_Name &&
           left.APL_File == right.APL_File && left.APL_Dir == right.APL_Dir &&
           left.APL_Opt == right.APL_Opt && left.APL_Type == right.APL_Type;
}
