// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/store_persistence.h"

#include "settings/settings_store.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#ifdef Q_OS_WIN
#include "platform/windows_registry.h"
#else
#include "platform/registry_file.h"
#endif

namespace {

// Lets the store fill in defaults in memory while nothing reaches the disk.
class ReadOnlyRegistry : public RegistryBackend {
public:
    explicit ReadOnlyRegistry(std::unique_ptr<RegistryBackend> inner) : inner_(std::move(inner)) {}
    std::unique_ptr<RegistryKey> OpenKey(const QString& path, OpenMode mode) override {
        return inner_->OpenKey(path, mode);
    }
    bool DeleteKey(const QString& path) override { return inner_->DeleteKey(path); }
    SaveResult Flush() override { return SaveResult::Saved(); }
    QString LoadProblem() const override { return inner_->LoadProblem(); }

private:
    std::unique_ptr<RegistryBackend> inner_;
};

// Connects the clock window to the settings store on one registry backend. The store keeps
// nothing between calls, so each call makes its own.
class StorePersistence : public SettingsPersistence {
public:
    StorePersistence(std::unique_ptr<RegistryBackend> registry, UserPrompt& prompt)
        : registry_(std::move(registry)), prompt_(prompt) {}

    void EnsureDefaults(SettingsRecords& records) override { Store(records).EnsureDefaults(); }
    void LoadSettings(SettingsRecords& records) override { Store(records).LoadSettings(); }
    SaveResult SaveSettings(SettingsRecords& records) override {
        return Store(records).SaveSettings();
    }

private:
    SettingsStore Store(SettingsRecords& records) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize screenSize = screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
        return SettingsStore(records, *registry_, prompt_,
                             DefaultsContext{screenSize, QDir::currentPath()});
    }

    std::unique_ptr<RegistryBackend> registry_;
    UserPrompt& prompt_;
};

} // namespace

std::unique_ptr<SettingsPersistence> MakeStorePersistence(const QString& path, UserPrompt& prompt,
                                                          SettingsAccess access) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    // The real registry writes each value through, so there a read-only run still writes
    // the missing defaults, as any start does; what is stored is never changed.
    std::unique_ptr<RegistryBackend> registry = std::make_unique<WindowsRegistry>();
#else
    const QString file = path.isEmpty() ? RegistryFile::DefaultPath() : path;
    std::unique_ptr<RegistryBackend> registry = std::make_unique<RegistryFile>(file);
#endif
    if (access == SettingsAccess::ReadOnly) {
        registry = std::make_unique<ReadOnlyRegistry>(std::move(registry));
    }
    return std::make_unique<StorePersistence>(std::move(registry), prompt);
}
