// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/registry_tree.h"

#include <QStringList>
#include <algorithm>

namespace {

bool SameName(const QString& left, const QString& right) {
    return left.compare(right, Qt::CaseInsensitive) == 0;
}

bool IsBelow(const QString& path, const QString& ancestor) {
    return path.size() > ancestor.size() && path.at(ancestor.size()) == QLatin1Char('\\') &&
           path.startsWith(ancestor, Qt::CaseInsensitive);
}

} // namespace

QString RegistryTree::CleanPath(const QString& path) {
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
}

bool RegistryTree::Exists(const QString& path) const {
    const QString clean = CleanPath(path);
    return std::any_of(keys_.begin(), keys_.end(), [&](const Key& key) {
        return SameName(key.path, clean) || IsBelow(key.path, clean);
    });
}

RegistryTree::Key* RegistryTree::Find(const QString& path) {
    const QString clean = CleanPath(path);
    const auto found = std::find_if(keys_.begin(), keys_.end(),
                                    [&](const Key& key) { return SameName(key.path, clean); });
    return found == keys_.end() ? nullptr : &*found;
}

const RegistryTree::Key* RegistryTree::Find(const QString& path) const {
    return const_cast<RegistryTree*>(this)->Find(path);
}

RegistryTree::Key& RegistryTree::Create(const QString& path) {
    if (Key* existing = Find(path)) {
        return *existing;
    }
    keys_.push_back(Key{CleanPath(path), {}});
    return keys_.back();
}

void RegistryTree::Remove(const QString& path) {
    const QString clean = CleanPath(path);
    std::erase_if(keys_, [&](const Key& key) {
        return SameName(key.path, clean) || IsBelow(key.path, clean);
    });
}

std::vector<const RegistryTree::Key*> RegistryTree::SortedKeys() const {
    std::vector<const Key*> sorted;
    for (const Key& key : keys_) {
        sorted.push_back(&key);
    }
    // Comparing the parts one by one keeps "zrbl" ahead of "zrbl\Alarm00" even though a
    // backslash sorts after some letters.
    std::stable_sort(sorted.begin(), sorted.end(), [](const Key* left, const Key* right) {
        const QStringList leftParts = left->path.split(QLatin1Char('\\'));
        const QStringList rightParts = right->path.split(QLatin1Char('\\'));
        const qsizetype common = std::min(leftParts.size(), rightParts.size());
        for (qsizetype i = 0; i < common; ++i) {
            const int order = leftParts[i].compare(rightParts[i], Qt::CaseInsensitive);
            if (order != 0) {
                return order < 0;
            }
        }
        return leftParts.size() < rightParts.size();
    });
    return sorted;
}

const RegistryTree::Value* RegistryTree::FindValue(const Key& key, const QString& name) {
    const auto found = std::find_if(key.values.begin(), key.values.end(),
                                    [&](const Value& value) { return SameName(value.name, name); });
    return found == key.values.end() ? nullptr : &*found;
}

void RegistryTree::SetValue(Key& key, Value value) {
    const auto found = std::find_if(key.values.begin(), key.values.end(), [&](const Value& old) {
        return SameName(old.name, value.name);
    });
    if (found == key.values.end()) {
        key.values.push_back(std::move(value));
    } else {
        // The first spelling of the name stays, as the registry keeps it.
        value.name = found->name;
        *found = std::move(value);
    }
}

void RegistryTree::RemoveValue(Key& key, const QString& name) {
    std::erase_if(key.values, [&](const Value& value) { return SameName(value.name, name); });
}
