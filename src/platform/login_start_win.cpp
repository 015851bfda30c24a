// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/login_start.h"

#include <QDir>
#include <QSettings>

namespace {

const QString RunKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString ValueName = QStringLiteral("Zorbel");

// A program path or file argument as one word of a command line. Windows paths hold no
// quotes, so quoting is all it needs.
QString Quoted(const QString& word) {
    return QLatin1Char('"') + word + QLatin1Char('"');
}

// The value under the current user's Run key that Windows starts at logon.
class RunKeyLoginStart : public LoginStart {
public:
    RunKeyLoginStart(const QString& program, const QStringList& arguments)
        : command_(Quoted(QDir::toNativeSeparators(program))) {
        for (const QString& argument : arguments) {
            command_ += QLatin1Char(' ') + Quoted(QDir::toNativeSeparators(argument));
        }
    }

    bool IsEnabled() const override {
        return QSettings(RunKey, QSettings::NativeFormat).contains(ValueName);
    }

    bool SetEnabled(bool enabled) override {
        QSettings key(RunKey, QSettings::NativeFormat);
        if (enabled) {
            key.setValue(ValueName, command_);
        } else {
            key.remove(ValueName);
        }
        key.sync();
        return key.status() == QSettings::NoError;
    }

    QString Location() const override { return RunKey + QLatin1Char('\\') + ValueName; }

private:
    QString command_;
};

} // namespace

std::unique_ptr<LoginStart> CreateSystemLoginStart(const QString& program,
                                                   const QStringList& arguments) {
    return std::make_unique<RunKeyLoginStart>(program, arguments);
}
