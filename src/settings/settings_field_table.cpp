// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settings_field_table.h"

#include "platform/registry_key.h"

namespace {

QString NameOf(const char16_t* name) {
    return QString::fromUtf16(name);
}

template <class Record> bool IsText(const SettingsField<Record>& field) {
    return std::holds_alternative<QString Record::*>(field.member);
}

template <class Record>
std::int32_t IntegerDefault(const SettingsField<Record>& field, const DefaultsContext& context) {
    switch (field.derived) {
    case DerivedDefault::ScreenTop:
        return context.screenSize.height() / 2 - 100;
    case DerivedDefault::ScreenLeft:
        return context.screenSize.width() / 2 - 160;
    case DerivedDefault::None:
    case DerivedDefault::WorkingDirectory:
        break;
    }
    return std::int32_t(field.integerDefault);
}

template <class Record>
QString TextDefault(const SettingsField<Record>& field, const DefaultsContext& context) {
    return field.derived == DerivedDefault::WorkingDirectory ? context.workingDirectory
                                                             : NameOf(field.textDefault);
}

template <class Record>
void StoreInteger(const SettingsField<Record>& field, Record& record, std::int32_t value) {
    if (const auto* signedMember = std::get_if<int Record::*>(&field.member)) {
        record.*(*signedMember) = value;
    } else if (const auto* unsignedMember = std::get_if<std::uint32_t Record::*>(&field.member)) {
        record.*(*unsignedMember) = std::uint32_t(value);
    }
}

template <class Record>
std::int32_t IntegerOf(const SettingsField<Record>& field, const Record& record) {
    if (const auto* member = std::get_if<int Record::*>(&field.member)) {
        return record.*(*member);
    }
    return std::int32_t(record.*std::get<std::uint32_t Record::*>(field.member));
}

} // namespace

template <class Record>
SettingsFieldTable<Record>::SettingsFieldTable(std::span<const SettingsField<Record>> fields)
    : fields_(fields) {}

template <class Record>
void SettingsFieldTable<Record>::WriteMissingDefaults(RegistryKey& key,
                                                      const DefaultsContext& context,
                                                      Record& record) const {
    for (const SettingsField<Record>& field : fields_) {
        const QString name = NameOf(field.name);
        const RegistryValueType type =
            IsText(field) ? RegistryValueType::Text : RegistryValueType::Integer;
        if (field.writing == DefaultWriting::Never || key.HasValue(name, type)) {
            continue;
        }
        if (IsText(field)) {
            const QString text = TextDefault(field, context);
            key.WriteText(name, text);
            if (field.inMemory == DefaultInMemory::AlsoInRecord) {
                record.*std::get<QString Record::*>(field.member) = text;
            }
        } else {
            const std::int32_t number = IntegerDefault(field, context);
            key.WriteInteger(name, number);
            if (field.inMemory == DefaultInMemory::AlsoInRecord) {
                StoreInteger(field, record, number);
            }
        }
    }
}

template <class Record>
void SettingsFieldTable<Record>::Read(const RegistryKey& key, const DefaultsContext& context,
                                      Record& record) const {
    for (const SettingsField<Record>& field : fields_) {
        const QString name = NameOf(field.name);
        if (IsText(field)) {
            const QString text = key.ReadText(name).value_or(QString());
            record.*std::get<QString Record::*>(field.member) =
                field.readText != nullptr ? field.readText(text) : text;
        } else {
            const std::int32_t number =
                key.ReadInteger(name).value_or(IntegerDefault(field, context));
            StoreInteger(field, record,
                         field.readInteger != nullptr ? field.readInteger(number) : number);
        }
    }
}

template <class Record>
void SettingsFieldTable<Record>::Write(RegistryKey& key, const Record& record) const {
    for (const SettingsField<Record>& field : fields_) {
        const QString name = NameOf(field.name);
        if (IsText(field)) {
            key.WriteText(name, record.*std::get<QString Record::*>(field.member));
        } else {
            key.WriteInteger(name, IntegerOf(field, record));
        }
    }
}

template class SettingsFieldTable<ClockSettings>;
template class SettingsFieldTable<ScheduleEntry>;
template class SettingsFieldTable<MailAccount>;
template class SettingsFieldTable<TimeServerSettings>;
