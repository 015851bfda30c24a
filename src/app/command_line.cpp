// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <QFileInfo>

namespace {

CommandLine WithMode(CommandLine::Mode mode) {
    CommandLine command;
    command.mode = mode;
    return command;
}

CommandLine Refuse(const QString& why) {
    CommandLine refused = WithMode(CommandLine::Mode::Invalid);
    refused.error = why;
    return refused;
}

bool IsOption(const QString& argument) {
    return argument.startsWith(QLatin1String("--"));
}

} // namespace

CommandLine CommandLine::Parse(const QStringList& arguments) {
    CommandLine parsed;
    bool modeChosen = false;
    bool scaleGiven = false;
    auto chooseMode = [&](Mode mode) {
        if (modeChosen) {
            return false;
        }
        parsed.mode = mode;
        modeChosen = true;
        return true;
    };

    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size() && !IsOption(arguments.at(i + 1));
        if (argument == QLatin1String("--settings")) {
            if (!hasValue) {
                return Refuse(QStringLiteral("--settings needs a file name"));
            }
            parsed.settingsFile = arguments.at(++i);
        } else if (argument == QLatin1String("--render")) {
            if (!hasValue) {
                return Refuse(QStringLiteral("--render needs an output file name"));
            }
            if (!chooseMode(Mode::Render)) {
                return Refuse(QStringLiteral("only one command at a time"));
            }
            parsed.renderOutput = arguments.at(++i);
        } else if (argument == QLatin1String("--at")) {
            if (!hasValue) {
                return Refuse(QStringLiteral("--at needs a time"));
            }
            parsed.renderAt =
                QDateTime::fromString(arguments.at(++i), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            if (!parsed.renderAt.isValid()) {
                return Refuse(QStringLiteral("--at wants \"YYYY-MM-DD hh:mm:ss\""));
            }
        } else if (argument == QLatin1String("--scale")) {
            bool isNumber = false;
            const qreal scale = hasValue ? arguments.at(++i).toDouble(&isNumber) : 0;
            // Written so that "nan" is refused too.
            if (!isNumber || !(scale >= SmallestScale && scale <= LargestScale)) {
                return Refuse(QStringLiteral("--scale wants a number from %1 to %2")
                                  .arg(SmallestScale)
                                  .arg(LargestScale));
            }
            parsed.renderScale = scale;
            scaleGiven = true;
        } else if (argument == QLatin1String("--check-mail")) {
            if (!chooseMode(Mode::CheckMail)) {
                return Refuse(QStringLiteral("only one command at a time"));
            }
        } else if (argument == QLatin1String("--check-time")) {
            if (!chooseMode(Mode::CheckTime)) {
                return Refuse(QStringLiteral("only one command at a time"));
            }
            if (hasValue) {
                parsed.timeServer = arguments.at(++i);
            }
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return WithMode(Mode::ShowHelp);
        } else if (argument == QLatin1String("--version")) {
            return WithMode(Mode::ShowVersion);
        } else {
            return Refuse(QStringLiteral("unknown argument: %1").arg(argument));
        }
    }
    if (parsed.renderAt.isValid() && parsed.mode != Mode::Render) {
        return Refuse(QStringLiteral("--at goes with --render"));
    }
    if (scaleGiven && parsed.mode != Mode::Render) {
        return Refuse(QStringLiteral("--scale goes with --render"));
    }
    return parsed;
}

QStringList CommandLine::SettingsArguments() const {
    if (settingsFile.isEmpty()) {
        return {};
    }
    return {QStringLiteral("--settings"), QFileInfo(settingsFile).absoluteFilePath()};
}

QString CommandLine::Usage() {
    return QStringLiteral(
        "Usage: zorbel [--settings FILE]\n"
        "       zorbel [--settings FILE] --render OUT.png [--at \"YYYY-MM-DD hh:mm:ss\"]\n"
        "                                       [--scale N]\n"
        "       zorbel [--settings FILE] --check-mail\n"
        "       zorbel [--settings FILE] --check-time [HOST[:PORT]]\n"
        "       zorbel --help | --version\n"
        "\n"
        "Without a command the desktop clock starts. The commands run without a window:\n"
        "  --render      draw the clock face as it would show and write it as PNG\n"
        "  --check-mail  check the stored mail accounts once and print the results\n"
        "  --check-time  read the time server and print its time beside this computer's\n"
        "  --settings    use this settings file instead of ~/.config/zorbel/zrbl.reg\n"
        "  --scale       with --render: draw at N device pixels a pixel (2 for a screen at\n"
        "                200 %), from 1 to 8\n");
}
