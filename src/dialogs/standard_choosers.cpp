// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/standard_choosers.h"

#include "dialogs/option_font_dialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QStringList>

std::optional<QString> StandardChoosers::ChooseFile(QWidget* parent, const FileChoice& choice) {
    const QString path =
        QFileDialog::getOpenFileName(parent, choice.title, choice.startFolder, choice.filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> StandardChoosers::ChooseFolder(QWidget* parent, const QString& title,
                                                      const QString& startFolder) {
    const QString folder =
        QFileDialog::getExistingDirectory(parent, title, startFolder, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folder;
}

std::optional<Colour> StandardChoosers::ChooseColour(QWidget* parent, Colour current) {
    const QColor chosen = QColorDialog::getColor(ToQColor(current), parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return FromQColor(chosen);
}

std::optional<CanvasFont> StandardChoosers::ChooseFont(QWidget* parent, const CanvasFont& current) {
    OptionFontDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.ChosenFont();
}

QString StandardChoosers::QtFilterFrom(const QString& barSeparated) {
    const QStringList parts = barSeparated.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // Qt reads the patterns from the parentheses of the description, so the ones given
        // there are replaced by the full set.
        const int open = description.indexOf(QLatin1Char('('));
        if (open >= 0) {
            description = description.left(open).trimmed();
        }
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            for (const QString& variant : {pattern, pattern.toLower(), pattern.toUpper()}) {
                if (!patterns.contains(variant)) {
                    patterns.append(variant);
                }
            }
        }
        filters.append(QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' '))));
    }
    return filters.join(QStringLiteral(";;"));
}
