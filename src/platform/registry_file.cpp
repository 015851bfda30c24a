// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/registry_file.h"

#include "platform/registry_export_reader.h"
#include "platform/registry_export_writer.h"
#include "platform/registry_file_key.h"
#include "platform/registry_file_saver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
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
    const QFileInfo info(filePath_);
    if (!info.exists()) {
        return;
    }
    QFile file(filePath_);
    // Only a plain file is read: a device or a pipe in its place could feed bytes forever.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        RefuseSaves(QStringLiteral("設定ファイルを読み込めません（%1）。")
                        .arg(info.isFile() ? file.errorString()
                                           : QStringLiteral("通常のファイルではありません")));
        return;
    }
    const QByteArray bytes = file.read(MostFileBytes + 1);
    file.close();
    if (bytes.size() > MostFileBytes) {
        SetAside(QStringLiteral("大きすぎる（1 MiB を超える）"));
        return;
    }
    if (bytes.isEmpty()) {
        return;
    }
    RegistryExportReader::Result result = RegistryExportReader::Read(bytes);
    for (const RegistryExportReader::Note& note : result.notes) {
        Report(QStringLiteral("%1:%2: %3").arg(filePath_).arg(note.line).arg(note.text));
    }
    if (result.outcome == RegistryExportReader::Outcome::Unreadable) {
        SetAside(QStringLiteral("レジストリ登録ファイルの形式ではない"));
        return;
    }
    tree_ = std::move(result.tree);
}

void RegistryFile::RefuseSaves(const QString& why) {
    saveRefused_ = true;
    loadProblem_ = why + QLatin1Char('\n') + filePath_ +
                   QStringLiteral("\n中身を失わないよう、このファイルには保存しません。");
}

void RegistryFile::SetAside(const QString& reason) {
    const QString aside = filePath_ + QStringLiteral(".bad");
    QFile::remove(aside);
    if (!QFile::copy(filePath_, aside)) {
        RefuseSaves(QStringLiteral("設定ファイルが%1ため読み込めず、%2 にも写せません。")
                        .arg(reason, aside));
        return;
    }
    QFile::setPermissions(aside, OwnerOnly);
    loadProblem_ = QStringLiteral("設定ファイルが%2ため、初期設定で起動します。\n%1\n"
                                  "元のファイルは %3 に写しました。")
                       .arg(filePath_, reason, aside);
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

int RegistryFile::MakeFolder() const {
    const QString folder = QFileInfo(filePath_).absolutePath();
    if (QFileInfo::exists(folder)) {
        return 0;
    }
    errno = 0;
    if (!QDir().mkpath(folder)) {
        return errno != 0 ? errno : EIO;
    }
    // The folder holds nothing but the settings, passwords included.
    QFile::setPermissions(folder, OwnerOnly | QFileDevice::ExeOwner);
    return 0;
}

SaveResult RegistryFile::Flush() {
    if (saveRefused_) {
        return SaveResult::Failed(SaveResult::Problem::UnreadableAtStart, filePath_);
    }
    if (!changed_ && QFileInfo::exists(filePath_)) {
        return SaveResult::Saved();
    }
    if (const int error = MakeFolder(); error != 0) {
        return SaveResult::FromSystemError(error, filePath_);
    }
    SaveResult saved = RegistryFileSaver::Save(filePath_, RegistryExportWriter::Write(tree_));
    if (saved.Ok()) {
        changed_ = false;
    }
    return saved;
}
