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

// Connects the clock window to the settings store on one registry backend. The store keeps
// nothing between calls, so each call makes its own.
class StorePersistence : public SettingsPersistence {
public:
    StorePersistence(std::unique_ptr<RegistryBackend> registry, UserPrompt& prompt)
        : registry_(std::move(registry)), prompt_(prompt) {}

    void EnsureDefaults(SettingsRecords& records) override { Store(records).EnsureDefaults(); }
    void LoadSettings(SettingsRecords& records) override { Store(records).LoadSettings(); }
    void SaveSettings(SettingsRecords& records) override { Store(records).SaveSettings(); }

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

std::unique_ptr<SettingsPersistence> MakeStorePersistence(const QString& path, UserPrompt& prompt) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return std::make_unique<StorePersistence>(std::make_unique<WindowsRegistry>(), prompt);
#else
    const QString file = path.isEmpty() ? RegistryFile::DefaultPath() : path;
    return std::make_unique<StorePersistence>(std::make_unique<RegistryFile>(file), prompt);
#endif
}
