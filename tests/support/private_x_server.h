// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// An Xvfb of a test's own, on a display number no other server holds. It never resets
// when its last client leaves, which would refuse a program started just then. Ended politely
// when it goes, so that the server removes its lock file.
class PrivateXServer {
public:
    explicit PrivateXServer(QSize screen);
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // ":N", or empty when no server could be started.
    QString Display() const { return display_; }
    // The environment of a client of this display: the system's, on Qt's X11 platform.
    QProcessEnvironment ClientEnvironment() const;
    // The output of an X tool run on this display, or nothing when it failed.
    std::optional<QString> Run(const char* tool, const QStringList& arguments) const;
    // The names of the top-level windows, as a window manager would show them (xwininfo).
    QStringList WindowNames() const;

private:
    QProcess server_;
    QString display_;
};
