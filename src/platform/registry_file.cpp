#include "platform/registry_file.h"

#include "platform/registry_export_reader.h"
#include "platform/registry_export_writer.h"
#include "platform/registry_file_key.h"
#include "platform/registry_file_saver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

void Report(const QString& text) {
    std::fprintf(stderr, "zorbel: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

const QString RegistryFile::RootPath = QStringLiteral("HKEY_CURRENT_USER\\software\\Ondrel\\zrbl");

RegistryFile::RegistryFile(QString filePath) : filePath_(std::move(filePath)) {
    Load();
}

QString RegistryFile::DefaultPath() {
    return DefaultPathFor(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
}

QString RegistryFile::DefaultPathFor(const QString& xdgConfigHome, const QString& home) {
    const QString configHome = QDir::isAbsolutePath(xdgConfigHome)
                                   ? xdgConfigHome
                                   : QDir(home).filePath(QStringLiteral(".config"));
    return QDir::cleanPath(configHome + QStringLiteral("/zorbel/zrbl.reg"));
}

void RegistryFile::Load() {
    QFile file(filePath_);
    if (!file.exists()) {
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        saveRefused_ = true;
        Report(QStringLiteral("cannot read the settings file %1 (%2); settings will not be saved")
                   .arg(filePath_, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.isEmpty()) {
        return;
    }
    RegistryExportReader::Result result = RegistryExportReader::Read(bytes);
    for (const RegistryExportReader::Note& note : result.notes) {
        Report(QStringLiteral("%1:%2: %3").arg(filePath_).arg(note.line).arg(note.text));
    }
    if (result.outcome == RegistryExportReader::Outcome::Unreadable) {
        SetAside(QStringLiteral("is not a registry export"));
        return;
    }
    tree_ = std::move(result.tree);
}

void RegistryFile::SetAside(const QString& reason) {
    const QString aside = filePath_ + QStringLiteral(".bad");
    QFile::remove(aside);
    if (!QFile::copy(filePath_, aside)) {
        saveRefused_ = true;
        Report(QStringLiteral("the settings file %1 %2 and could not be copied to %3; "
                              "settings will not be saved")
                   .arg(filePath_, reason, aside));
        return;
    }
    QFile::setPermissions(aside, OwnerOnly);
    Report(QStringLiteral("the settings file %1 %2; it was copied to %3 and the defaults are used")
               .arg(filePath_, reason, aside));
}

QString RegistryFile::FullPath(const QString& path) const {
    const QString relative = RegistryTree::CleanPath(path);
    return relative.isEmpty() ? RootPath : RootPath + QLatin1Char('\\') + relative;
}

std::unique_ptr<RegistryKey> RegistryFile::OpenKey(const QString& path, OpenMode mode) {
    const QString full = FullPath(path);
    if (!tree_.Exists(full)) {
        if (mode == OpenMode::ExistingOnly) {
            return nullptr;
        }
        tree_.Create(full);
        changed_ = true;
    }
    return std::make_unique<RegistryFileKey>(tree_, full, changed_);
}

bool RegistryFile::DeleteKey(const QString& path) {
    const QString full = FullPath(path);
    if (tree_.Exists(full)) {
        tree_.Remove(full);
        changed_ = true;
    }
    return true;
}

bool RegistryFile::MakeFolder() const {
    const QString folder = QFileInfo(filePath_).absolutePath();
    if (QFileInfo::exists(folder)) {
        return true;
    }
    if (!QDir().mkpath(folder)) {
        return false;
    }
    // The folder holds nothing but the settings, passwords included.
    QFile::setPermissions(folder, OwnerOnly | QFileDevice::ExeOwner);
    return true;
}

bool RegistryFile::Flush() {
    if (saveRefused_) {
        return false;
    }
    if (!changed_ && QFileInfo::exists(filePath_)) {
        return true;
    }
    if (!MakeFolder() || !RegistryFileSaver::Save(filePath_, RegistryExportWriter::Write(tree_))) {
        Report(QStringLiteral("cannot write the settings file %1").arg(filePath_));
        return false;
    }
    changed_ = false;
    return true;
}
