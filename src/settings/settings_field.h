// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>
#include <cstdint>
#include <variant>

// What the caller knows about the machine when defaults are written.
struct DefaultsContext {
    QSize screenSize;
    QString workingDirectory;
};

// Defaults that are not constants but taken from the machine at the moment they are written.
enum class DerivedDefault { None, ScreenTop, ScreenLeft, WorkingDirectory };

// Whether writing the missing defaults includes the field at all.
enum class DefaultWriting { WhenMissing, Never };

// Whether writing a missing default also puts it into the record in memory.
enum class DefaultInMemory { RegistryOnly, AlsoInRecord };

// One stored value of a record: its value name, the record member it lives in, and its
// default. The member's type decides the stored type: int and std::uint32_t are REG_DWORD,
// QString is REG_SZ.
template <class Record> struct SettingsField {
    using Member = std::variant<int Record::*, std::uint32_t Record::*, QString Record::*>;

    const char16_t* name;
    Member member;
    std::uint32_t integerDefault = 0;
    const char16_t* textDefault = u"";
    DerivedDefault derived = DerivedDefault::None;
    DefaultWriting writing = DefaultWriting::WhenMissing;
    DefaultInMemory inMemory = DefaultInMemory::RegistryOnly;
    // Turn a stored value the program cannot use into the one it reads instead.
    std::int32_t (*readInteger)(std::int32_t stored) = nullptr;
    QString (*readText)(const QString& stored) = nullptr;
};
