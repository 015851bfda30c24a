// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clock_dialogs.h"

#include "dialogs/about_form.h"
#include "dialogs/alarm_form.h"
#include "dialogs/day_time_form.h"
#include "dialogs/day_time_info_form.h"
#include "dialogs/display/option_form.h"
#include "dialogs/mail_info_form.h"
#include "dialogs/pop3_form.h"
#include "dialogs/sche_form.h"
#include "net/pop3_client.h"
#include "platform/clock_source.h"
#include "settings/settings_records.h"
#include "timesync/clock_correction.h"

ClockDialogs::ClockDialogs(SettingsRecords& records, const ClockServices& services,
                           UserPrompt& prompt, const ClockTime& lastTick, MailCheckRun& mailRun,
                           MailPasswords& passwords, ClockCorrection& correction, Hosts hosts)
    : records_(records), services_(services), prompt_(prompt), lastTick_(lastTick),
      mailRun_(mailRun), passwords_(passwords), correction_(correction), hosts_(hosts) {}

QDialog* ClockDialogs::NewDisplaySettings() const {
    return new TOptionForm(hosts_.display, services_.choosers, prompt_, services_.help,
                           services_.loginStart);
}

QDialog* ClockDialogs::NewScheduleSettings() const {
    const ClockSource& clock = services_.clock;
    return new TScheForm(records_.schedules, hosts_.saver, prompt_, services_.help,
                         services_.choosers, [&clock] { return clock.Now(); });
}

QDialog* ClockDialogs::NewAlarm() const {
    return new TAlarmForm(records_.schedules, lastTick_, services_.sound, services_.launcher);
}

QDialog* ClockDialogs::NewMailSettings() const {
    return new TPop3Form(records_.accounts, records_.clock, passwords_, hosts_.mailSettings,
                         hosts_.saver, prompt_, services_.help, services_.sound, services_.choosers,
                         [] { return std::make_unique<TPop3Client>(); });
}

QDialog* ClockDialogs::NewMailNotification() const {
    return new TMailInfoForm(records_.accounts, records_.clock, mailRun_, services_.sound,
                             services_.launcher);
}

QDialog* ClockDialogs::NewCorrectionSettings() const {
    return new TDayTimeForm(records_.timeServer, correction_.State(), hosts_.correction,
                            services_.clockSetter, hosts_.saver, services_.help, prompt_);
}

QDialog* ClockDialogs::NewCorrectionResult() const {
    return new TDayTimeInfoForm(correction_.State());
}

QDialog* ClockDialogs::NewAbout() const {
    return new TAbout_Form;
}

void ClockDialogs::CollectDueAlarms(QDialog* alarm) {
    if (auto* form = qobject_cast<TAlarmForm*>(alarm)) {
        form->CollectDueAlarms();
    }
}

void ClockDialogs::RefreshMailNotification(QDialog* notice) {
    if (auto* form = qobject_cast<TMailInfoForm*>(notice)) {
        form->FillMailInfo();
    }
}
