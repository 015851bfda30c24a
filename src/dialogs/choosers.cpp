// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/choosers.h"

#include <QFileInfo>
#include <QLineEdit>

bool BrowseFileInto(Choosers& choosers, QWidget* parent, QLineEdit& field, const QString& title,
                    const QString& filter) {
    const std::optional<QString> file =
        choosers.ChooseFile(parent, {title, QFileInfo(field.text()).path(), filter});
    if (file) {
        field.setText(*file);
    }
    return file.has_value();
}

bool BrowseFolderInto(Choosers& choosers, QWidget* parent, QLineEdit& field, const QString& title) {
    const std::optional<QString> folder = choosers.ChooseFolder(parent, title, field.text());
    if (folder) {
        field.setText(*folder);
    }
    return folder.has_value();
}
