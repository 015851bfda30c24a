// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/registry_key.h"
#include "platform/registry_tree.h"

// An open key of a RegistryFile. It refers to its key by path, so a key removed while
// it is open reads as empty and refuses writes instead of touching freed memory.
class RegistryFileKey : public RegistryKey {
public:
    RegistryFileKey(RegistryTree& tree, QString path, bool& changed);

    std::optional<std::int32_t> ReadInteger(const QString& name) const override;
    std::optional<QString> ReadText(const QString& name) const override;
    bool WriteInteger(const QString& name, std::int32_t value) override;
    bool WriteText(const QString& name, const QString& value) override;

private:
    const RegistryTree::Value* Find(const QString& name) const;
    bool Write(RegistryTree::Value value);

    RegistryTree& tree_;
    QString path_;
    bool& changed_;
};
