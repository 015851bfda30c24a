// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop_help_viewer.h"

#include "platform/data_paths.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString DesktopHelpViewer::PageForTopic(int context) {
    const QDir help(QDir(DataFolder()).filePath(QStringLiteral("help")));
    const QString page = help.filePath(QStringLiteral("%1.html").arg(context));
    // Every window has its page; an unknown topic falls back to the contents page.
    return QFileInfo::exists(page) ? page : help.filePath(QStringLiteral("100.html"));
}

void DesktopHelpViewer::ShowTopic(int context) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(PageForTopic(context)));
}
