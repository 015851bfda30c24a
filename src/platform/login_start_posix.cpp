// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/login_start.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>

namespace {

QString AutostartFolder() {
    // A relative XDG_CONFIG_HOME is invalid and is to be ignored.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) {
        config = QDir::homePath() + QStringLiteral("/.config");
    }
    return config + QStringLiteral("/autostart");
}

// One argument of an Exec key: quoted when it holds a character the desktop entry format
// reserves, then escaped once more as every string value of the file is.
QString ExecArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString value = argument;
    value.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (std::any_of(value.cbegin(), value.cend(), [](QChar c) { return reserved.contains(c); })) {
        QString quoted = QStringLiteral("\"");
        for (const QChar c : value) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\')) {
                quoted += QLatin1Char('\\');
            }
            quoted += c;
        }
        value = quoted + QLatin1Char('"');
    }
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return value;
}

class XdgLoginStart : public LoginStart {
public:
    explicit XdgLoginStart(QStringList command)
        : command_(std::move(command)),
          entry_(AutostartFolder() + QStringLiteral("/zorbel.desktop")) {}

    bool IsEnabled() const override {
        QFile file(entry_);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            return false;
        }
        // An entry the desktop is told to skip does not start the clock.
        bool inMainGroup = false;
        QTextStream lines(&file);
        while (!lines.atEnd()) {
            const QString line = lines.readLine().trimmed();
            if (line.startsWith(QLatin1Char('['))) {
                inMainGroup = line == QLatin1String("[Desktop Entry]");
                continue;
            }
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (!inMainGroup || equals < 0) {
                continue;
            }
            const QString key = line.left(equals).trimmed();
            const QString value = line.mid(equals + 1).trimmed();
            if ((key == QLatin1String("Hidden") && value == QLatin1String("true")) ||
                (key == QLatin1String("X-GNOME-Autostart-enabled") &&
                 value == QLatin1String("false"))) {
                return false;
            }
        }
        return true;
    }

    bool SetEnabled(bool enabled) override {
        if (!enabled) {
            return !QFile::exists(entry_) || QFile::remove(entry_);
        }
        if (!QDir().mkpath(QFileInfo(entry_).absolutePath())) {
            return false;
        }
        QSaveFile file(entry_);
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
        QStringList exec;
        for (const QString& argument : command_) {
            exec.append(ExecArgument(argument));
        }
        const QString text = QStringLiteral("[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Name=Zorbel\n"
                                            "Comment=Desktop clock\n"
                                            "Comment[ja]=デスクトップ時計\n"
                                            "Exec=%1\n"
                                            "Icon=zorbel\n"
                                            "Terminal=false\n")
                                 .arg(exec.join(QLatin1Char(' ')));
        file.write(text.toUtf8());
        return file.commit();
    }

    QString Location() const override { return entry_; }

private:
    QStringList command_; // the program, then its arguments
    QString entry_;
};

} // namespace

std::unique_ptr<LoginStart> CreateSystemLoginStart(const QString& program,
                                                   const QStringList& arguments) {
    return std::make_unique<XdgLoginStart>(QStringList{program} + arguments);
}
