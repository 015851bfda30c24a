// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The registry keys of a settings file held in memory. Paths are full paths such as
// "HKEY_CURRENT_USER\software\Ondrel\zrbl\Alarm00"; keys and value names keep the spelling
// they were created with and are looked up case-insensitively.
class RegistryTree {
public:
    enum class DataKind { Integer, Text, Other };

    struct Value {
        QString name; // empty for the key's default value ("@")
        DataKind kind = DataKind::Text;
        std::int32_t integer = 0;
        QString text;
        // The entry exactly as it was read, line breaks included. Written back unchanged
        // until the program replaces the value; always set for DataKind::Other.
        QString verbatim;
    };

    struct Key {
        QString path;
        std::vector<Value> values;
    };

    // A key exists when it was created or read, or when one of its subkeys was (a parent
    // key is implied by its children, as on import into the registry).
    bool Exists(const QString& path) const;
    Key* Find(const QString& path);
    const Key* Find(const QString& path) const;
    // Returns the key, creating it when missing.
    Key& Create(const QString& path);
    // Removes the key and every key below it.
    void Remove(const QString& path);

    const std::vector<Key>& Keys() const { return keys_; }
    // Keys ordered by path, each parent before its children, for a readable file.
    std::vector<const Key*> SortedKeys() const;

    static const Value* FindValue(const Key& key, const QString& name);
    // Replaces the value of the same name in place, or appends it.
    static void SetValue(Key& key, Value value);
    static void RemoveValue(Key& key, const QString& name);

    // Normalises separators: no leading, trailing or doubled backslashes.
    static QString CleanPath(const QString& path);

private:
    std::vector<Key> keys_;
};
