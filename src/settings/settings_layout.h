// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/settings_field_table.h"

#include <QString>

// The stored layout: the key names below the program's root key and the value table of
// each record.
class SettingsLayout {
public:
    static const SettingsFieldTable<ClockSettings>& ClockValues();
    static const SettingsFieldTable<ScheduleEntry>& AlarmValues();
    static const SettingsFieldTable<MailAccount>& AccountValues();
    static const SettingsFieldTable<TimeServerSettings>& TimeServerValues();

    static QString MainKey() { return QString(); }
    static QString ImageListKey() { return QStringLiteral("Image_List"); }
    static QString AlarmKey(int index);   // "Alarm00" .. "Alarm19"
    static QString AccountKey(int index); // "Account00" .. "Account04"
    static QString TimeServerKey() { return QStringLiteral("TimeServer"); }
    static QString PictureValueName(int index); // "00" .. "49"

    static QString ImageListCounterName() { return QStringLiteral("ImageListCounter"); }
    // The picture a first start shows.
    static QString FirstPicture() { return QStringLiteral("sample.jpg"); }
};
