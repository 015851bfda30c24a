// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "save_child_records.h"

SettingsRecords SaveChildRecords(int which) {
    SettingsRecords records;
    const int n = which + 1;
    records.clock.Version = QStringLiteral("Version4.00");
    records.clock.Width = 100 * n;
    records.clock.Height = 50 * n;
    records.clock.Attrib = which == 0 ? DefaultAttrib : 0x12345678u;
    records.clock.Image_File = QStringLiteral("picture%1.jpg").arg(n);
    records.clock.ImageListCounter = n;
    for (int i = 0; i < n; ++i) {
        records.clock.pictureList.paths[i] = QStringLiteral("list%1-%2.bmp").arg(n).arg(i);
    }
    records.schedules.entryCount = n;
    for (int i = 0; i < n; ++i) {
        ScheduleEntry& entry = records.schedules.entries[i];
        entry.Attribute = ScheduleEnabled | ScheduleMessage;
        entry.Message = QStringLiteral("予定 %1 \"quoted\" \\ %2").arg(n).arg(i);
    }
    records.clock.AccountListCount = 1;
    records.accounts.entries[0].Account = QStringLiteral("account%1").arg(n);
    records.accounts.entries[0].PassWord = QStringLiteral("secret%1").arg(n);
    records.timeServer.asHostName = QStringLiteral("time%1.example").arg(n);
    return records;
}

int WhichSaveChildRecords(const SettingsRecords& records) {
    for (int which : {0, 1}) {
        const SettingsRecords expected = SaveChildRecords(which);
        bool same = records.clock.Width == expected.clock.Width &&
                    records.clock.Height == expected.clock.Height &&
                    records.clock.Attrib == expected.clock.Attrib &&
                    records.clock.Image_File == expected.clock.Image_File &&
                    records.clock.ImageListCounter == expected.clock.ImageListCounter &&
                    records.schedules.entryCount == expected.schedules.entryCount &&
                    records.accounts.entries[0].Account == expected.accounts.entries[0].Account &&
                    records.accounts.entries[0].PassWord == expected.accounts.entries[0].PassWord &&
                    records.timeServer.asHostName == expected.timeServer.asHostName;
        for (int i = 0; same && i < expected.clock.ImageListCounter; ++i) {
            same = records.clock.pictureList.paths[i] == expected.clock.pictureList.paths[i];
        }
        for (int i = 0; same && i < expected.schedules.entryCount; ++i) {
            same = records.schedules.entries[i].Message == expected.schedules.entries[i].Message;
        }
        if (same) {
            return which;
        }
    }
    return -1;
}
