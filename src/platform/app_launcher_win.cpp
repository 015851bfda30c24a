// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/app_launcher.h"

#include <QDir>
#include <QFileInfo>

// windows.h must come first: the headers after it build on its declarations.
#include <windows.h>
// clang-format off
#include <shellapi.h>
// clang-format on

namespace {

// ShellExecute with the default verb runs programs and opens documents with their
// associated application; the parameters go to the program as its command line, no
// command interpreter is involved.
class ShellAppLauncher : public AppLauncher {
public:
    bool Launch(const QString& file, const QString& options, const QString& folder,
                int showType) override {
        const QFileInfo info(ResolveFile(file, folder));
        if (file.isEmpty() || !info.isFile()) {
            return false;
        }
        int showCommand = 0;
        switch (showType) {
        case ShowNormal:
            showCommand = SW_SHOWNORMAL;
            break;
        case ShowMinimised:
            showCommand = SW_SHOWMINIMIZED;
            break;
        case ShowMaximised:
            showCommand = SW_SHOWMAXIMIZED;
            break;
        default:
            return false;
        }
        const std::wstring path = QDir::toNativeSeparators(info.absoluteFilePath()).toStdWString();
        const std::wstring parameters = options.toStdWString();
        const std::wstring directory = QDir::toNativeSeparators(folder).toStdWString();
        const HINSTANCE result = ShellExecuteW(
            nullptr, nullptr, path.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
            directory.empty() ? nullptr : directory.c_str(), showCommand);
        return reinterpret_cast<INT_PTR>(result) > 32;
    }

    bool Open(const QString& file) override { return Launch(file, {}, {}, ShowNormal); }
};

} // namespace

std::unique_ptr<AppLauncher> CreateSystemAppLauncher() {
    return std::make_unique<ShellAppLauncher>();
}
