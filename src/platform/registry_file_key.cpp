// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/registry_file_key.h"

RegistryFileKey::RegistryFileKey(RegistryTree& tree, QString path, bool& changed)
    : tree_(tree), path_(std::move(path)), changed_(changed) {}

const RegistryTree::Value* RegistryFileKey::Find(const QString& name) const {
    const RegistryTree::Key* key = tree_.Find(path_);
    return key == nullptr ? nullptr : RegistryTree::FindValue(*key, name);
}

std::optional<std::int32_t> RegistryFileKey::ReadInteger(const QString& name) const {
    const RegistryTree::Value* value = Find(name);
    if (value == nullptr || value->kind != RegistryTree::DataKind::Integer) {
        return std::nullopt;
    }
    return value->integer;
}

std::optional<QString> RegistryFileKey::ReadText(const QString& name) const {
    const RegistryTree::Value* value = Find(name);
    if (value == nullptr || value->kind != RegistryTree::DataKind::Text) {
        return std::nullopt;
    }
    return value->text;
}

bool RegistryFileKey::Write(RegistryTree::Value value) {
    // A parent implied by its subkeys exists too; writing to it makes it a key of its own.
    if (!tree_.Exists(path_)) {
        return false;
    }
    // Rewriting what is already stored keeps the entry as it was read and the file as it is.
    if (const RegistryTree::Value* old = Find(value.name);
        old != nullptr && old->kind == value.kind && old->integer == value.integer &&
        old->text == value.text) {
        return true;
    }
    RegistryTree::SetValue(tree_.Create(path_), std::move(value));
    changed_ = true;
    return true;
}

bool RegistryFileKey::WriteInteger(const QString& name, std::int32_t value) {
    RegistryTree::Value entry;
    entry.name = name;
    entry.kind = RegistryTree::DataKind::Integer;
    entry.integer = value;
    return Write(std::move(entry));
}

bool RegistryFileKey::WriteText(const QString& name, const QString& value) {
    RegistryTree::Value entry;
    entry.name = name;
    entry.kind = RegistryTree::DataKind::Text;
    entry.text = value;
    return Write(std::move(entry));
}
