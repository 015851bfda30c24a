// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// What the user asked for on the command line.
struct CommandLine {
    enum class Mode { Clock, Render, CheckMail, CheckTime, ShowHelp, ShowVersion, Invalid };

    Mode mode = Mode::Clock;
    QString settingsFile;  // --settings FILE; empty for the default file
    QString renderOutput;  // --render OUT.png
    QDateTime renderAt;    // --at "YYYY-MM-DD hh:mm:ss"; invalid for now
    qreal renderScale = 1; // --scale N: the device pixel ratio the face is drawn at
    QString timeServer;    // --check-time HOST[:PORT]; empty for the stored server
    QString error;         // why the arguments were refused

    // Arguments without the program name.
    static CommandLine Parse(const QStringList& arguments);
    // The arguments that start the clock on the same settings file from any folder.
    QStringList SettingsArguments() const;
    static QString Usage();

    // The device pixel ratios --scale takes: those of screens from 100 % to 800 %.
    static constexpr qreal SmallestScale = 1;
    static constexpr qreal LargestScale = 8;
};
