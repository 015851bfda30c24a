// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The two kinds of value the settings layout uses: REG_DWORD and REG_SZ.
enum class RegistryValueType { Integer, Text };

// One open key of the settings registry. Destroying the object closes the key, so a key is
// held only as long as the scope that opened it.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // A value stored with another type than asked reads as missing, so that the caller
    // treats it like a value that was never written.
    virtual std::optional<std::int32_t> ReadInteger(const QString& name) const = 0;
    virtual std::optional<QString> ReadText(const QString& name) const = 0;
    // Writing replaces a value of the same name whatever its former type.
    virtual bool WriteInteger(const QString& name, std::int32_t value) = 0;
    virtual bool WriteText(const QString& name, const QString& value) = 0;

    bool HasValue(const QString& name, RegistryValueType type) const {
        return type == RegistryValueType::Integer ? ReadInteger(name).has_value()
                                                  : ReadText(name).has_value();
    }
};
