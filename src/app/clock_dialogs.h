// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/clock_services.h"

class ClockCorrection;
class CorrectionHost;
class MailCheckRun;
class MailPasswords;
class MailSettingsHost;
class OptionFormHost;
class QDialog;
class SettingsSaver;
class UserPrompt;
struct ClockTime;
struct SettingsRecords;

// Creates the clock window's secondary windows, each on the records and hosts it works
// with, so the window itself knows them only as dialogs it opens through the common
// protocol. Every window is created anew for each use.
class ClockDialogs {
public:
    struct Hosts {
        SettingsSaver& saver;
        OptionFormHost& display;
        MailSettingsHost& mailSettings;
        CorrectionHost& correction;
    };

    // `prompt` stands in for the services' own, so the windows fall silent when the clock closes.
    ClockDialogs(SettingsRecords& records, const ClockServices& services, UserPrompt& prompt,
                 const ClockTime& lastTick, MailCheckRun& mailRun, MailPasswords& passwords,
                 ClockCorrection& correction, Hosts hosts);

    QDialog* NewDisplaySettings() const;
    QDialog* NewScheduleSettings() const;
    QDialog* NewAlarm() const;
    QDialog* NewMailSettings() const;
    QDialog* NewMailNotification() const;
    QDialog* NewCorrectionSettings() const;
    QDialog* NewCorrectionResult() const;
    QDialog* NewAbout() const;

    // Shows the entries that have just fallen due in the alarm window that is open.
    static void CollectDueAlarms(QDialog* alarm);
    // Fills the open notification window again.
    static void RefreshMailNotification(QDialog* notice);

private:
    SettingsRecords& records_;
    const ClockServices& services_;
    UserPrompt& prompt_;
    const ClockTime& lastTick_;
    MailCheckRun& mailRun_;
    MailPasswords& passwords_;
    ClockCorrection& correction_;
    Hosts hosts_;
};
