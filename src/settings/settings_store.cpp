// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settings_store.h"

#include "core/server_address.h"
#include "platform/registry_backend.h"
#include "platform/user_prompt.h"
#include "settings/settings_layout.h"

#include <algorithm>

namespace {

using OpenMode = RegistryBackend::OpenMode;

const QString PictureCountMessage =
    QStringLiteral("レジストリに登録されているイメージリスト数が不正です");

} // namespace

SettingsStore::SettingsStore(SettingsRecords& records, RegistryBackend& registry,
                             UserPrompt& prompt, DefaultsContext context)
    : records_(records), registry_(registry), prompt_(prompt), context_(std::move(context)) {}

void SettingsStore::EnsureDefaults() {
    bool firstStart = false;
    if (auto main = registry_.OpenKey(SettingsLayout::MainKey(), OpenMode::CreateIfMissing)) {
        firstStart =
            !main->HasValue(SettingsLayout::ImageListCounterName(), RegistryValueType::Integer);
        SettingsLayout::ClockValues().WriteMissingDefaults(*main, context_, records_.clock);
    }
    if (firstStart) {
        // Only a missing first entry is filled in: a list whose count alone was lost keeps
        // its pictures, and the count check of LoadSettings puts the count right.
        auto pictures =
            registry_.OpenKey(SettingsLayout::ImageListKey(), OpenMode::CreateIfMissing);
        const QString first = SettingsLayout::PictureValueName(0);
        if (pictures && !pictures->HasValue(first, RegistryValueType::Text)) {
            pictures->WriteText(first, SettingsLayout::FirstPicture());
        }
    }
    // Schedules are keys only while in use, so only the existing ones are completed.
    for (int i = 0; i < ScheduleTable::Capacity; ++i) {
        if (auto alarm = registry_.OpenKey(SettingsLayout::AlarmKey(i), OpenMode::ExistingOnly)) {
            ScheduleEntry unused;
            SettingsLayout::AlarmValues().WriteMissingDefaults(*alarm, context_, unused);
        }
    }
    for (int i = 0; i < AccountTable::Capacity; ++i) {
        if (auto account =
                registry_.OpenKey(SettingsLayout::AccountKey(i), OpenMode::CreateIfMissing)) {
            MailAccount unused;
            SettingsLayout::AccountValues().WriteMissingDefaults(*account, context_, unused);
        }
    }
    if (auto server =
            registry_.OpenKey(SettingsLayout::TimeServerKey(), OpenMode::CreateIfMissing)) {
        TimeServerSettings unused;
        SettingsLayout::TimeServerValues().WriteMissingDefaults(*server, context_, unused);
    }
    registry_.Flush();
}

void SettingsStore::LoadSettings() {
    if (const QString problem = registry_.LoadProblem(); !problem.isEmpty()) {
        prompt_.ShowMessage(WarningCaption(), problem);
    }
    if (auto main = registry_.OpenKey(SettingsLayout::MainKey(), OpenMode::CreateIfMissing)) {
        SettingsLayout::ClockValues().Read(*main, context_, records_.clock);
    }
    LoadPictureList();
    LoadSchedules();
    LoadAccounts();
    LoadTimeServer();
}

void SettingsStore::LoadPictureList() {
    PictureList& list = records_.clock.pictureList;
    int count = 0;
    if (auto pictures =
            registry_.OpenKey(SettingsLayout::ImageListKey(), OpenMode::CreateIfMissing)) {
        for (int i = 0; i < PictureList::Capacity; ++i) {
            const QString path =
                pictures->ReadText(SettingsLayout::PictureValueName(i)).value_or(QString());
            if (!path.isEmpty()) {
                list.paths[count++] = path;
            }
        }
    }
    std::fill(list.paths.begin() + count, list.paths.end(), QString());
    if (count != records_.clock.ImageListCounter) {
        prompt_.ShowMessage(WarningCaption(), PictureCountMessage);
        records_.clock.ImageListCounter = count;
    }
}

void SettingsStore::LoadSchedules() {
    ScheduleTable& table = records_.schedules;
    table.entryCount = 0;
    for (int i = 0; i < ScheduleTable::Capacity; ++i) {
        auto alarm = registry_.OpenKey(SettingsLayout::AlarmKey(i), OpenMode::ExistingOnly);
        if (!alarm) {
            continue;
        }
        ScheduleEntry& entry = table.entries[table.entryCount++];
        entry = ScheduleEntry{};
        SettingsLayout::AlarmValues().Read(*alarm, context_, entry);
        entry.fireState = FireState::Idle;
    }
    std::fill(table.entries.begin() + table.entryCount, table.entries.end(), ScheduleEntry{});
}

void SettingsStore::LoadAccounts() {
    for (int i = 0; i < AccountTable::Capacity; ++i) {
        MailAccount& account = records_.accounts.entries[i];
        if (auto key =
                registry_.OpenKey(SettingsLayout::AccountKey(i), OpenMode::CreateIfMissing)) {
            SettingsLayout::AccountValues().Read(*key, context_, account);
        }
        // Older files trusted a certificate without saying where: where the account points now.
        if (!account.TrustedCertificate.isEmpty() && account.TrustedServer.isEmpty()) {
            account.TrustedServer = ServerAddress::Of(account.POP3, account.Port);
        }
        account.MessageCount = 0;
        account.PreviousCount = 0;
        account.NewMail = 0;
        account.ErrorCode = 0;
    }
}

void SettingsStore::LoadTimeServer() {
    if (auto key = registry_.OpenKey(SettingsLayout::TimeServerKey(), OpenMode::CreateIfMissing)) {
        SettingsLayout::TimeServerValues().Read(*key, context_, records_.timeServer);
    }
    records_.timeServer.correctionDone = false;
}

SaveResult SettingsStore::SaveSettings() {
    if (auto main = registry_.OpenKey(SettingsLayout::MainKey(), OpenMode::CreateIfMissing)) {
        SettingsLayout::ClockValues().Write(*main, records_.clock);
    }
    SavePictureList();
    SaveSchedules();
    for (int i = 0; i < AccountTable::Capacity; ++i) {
        if (auto key =
                registry_.OpenKey(SettingsLayout::AccountKey(i), OpenMode::CreateIfMissing)) {
            SettingsLayout::AccountValues().Write(*key, records_.accounts.entries[i]);
        }
    }
    if (auto key = registry_.OpenKey(SettingsLayout::TimeServerKey(), OpenMode::CreateIfMissing)) {
        SettingsLayout::TimeServerValues().Write(*key, records_.timeServer);
    }
    return registry_.Flush();
}

void SettingsStore::SavePictureList() {
    registry_.DeleteKey(SettingsLayout::ImageListKey());
    auto pictures = registry_.OpenKey(SettingsLayout::ImageListKey(), OpenMode::CreateIfMissing);
    if (!pictures) {
        return;
    }
    // A count outside the table would read past its end.
    const int count = std::clamp(records_.clock.ImageListCounter, 0, PictureList::Capacity);
    for (int i = 0; i < count; ++i) {
        pictures->WriteText(SettingsLayout::PictureValueName(i),
                            records_.clock.pictureList.paths[i]);
    }
}

void SettingsStore::SaveSchedules() {
    const int count = std::clamp(records_.schedules.entryCount, 0, ScheduleTable::Capacity);
    for (int i = 0; i < count; ++i) {
        if (auto alarm =
                registry_.OpenKey(SettingsLayout::AlarmKey(i), OpenMode::CreateIfMissing)) {
            SettingsLayout::AlarmValues().Write(*alarm, records_.schedules.entries[i]);
        }
    }
    for (int i = count; i < ScheduleTable::Capacity; ++i) {
        registry_.DeleteKey(SettingsLayout::AlarmKey(i));
    }
}
