// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/choosers.h"

// The choosers as the user sees them: QFileDialog, QColorDialog, and the font dialog with
// its colour button.
class StandardChoosers : public Choosers {
public:
    std::optional<QString> ChooseFile(QWidget* parent, const FileChoice& choice) override;
    std::optional<QString> ChooseFolder(QWidget* parent, const QString& title,
                                        const QString& startFolder) override;
    std::optional<Colour> ChooseColour(QWidget* parent, Colour current) override;
    std::optional<CanvasFont> ChooseFont(QWidget* parent, const CanvasFont& current) override;

    // A filter written as "description|pattern|description|pattern" in Qt's form. Each
    // pattern is offered in upper and lower case, because file names on Linux are
    // case-sensitive and files are named either way.
    static QString QtFilterFrom(const QString& barSeparated);
};
