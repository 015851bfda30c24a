// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colour.h"
#include "platform/canvas.h"

#include <QString>
#include <optional>

class QLineEdit;
class QWidget;

// A file to open: the chooser's title, the folder it starts in and its filter in Qt's form
// ("description (*.x *.y);;description (*.z)").
struct FileChoice {
    QString title;
    QString startFolder;
    QString filter;
};

// Every standard chooser the dialogs open: file, folder, colour and font. Each returns
// nothing when the user cancels. Tests answer through a fake without opening a window.
class Choosers {
public:
    virtual ~Choosers() = default;

    virtual std::optional<QString> ChooseFile(QWidget* parent, const FileChoice& choice) = 0;
    // A file-system folder only.
    virtual std::optional<QString> ChooseFolder(QWidget* parent, const QString& title,
                                                const QString& startFolder) = 0;
    virtual std::optional<Colour> ChooseColour(QWidget* parent, Colour current) = 0;
    // Name, point size, colour and style bits, all four taken back on OK.
    virtual std::optional<CanvasFont> ChooseFont(QWidget* parent, const CanvasFont& current) = 0;
};

// Browse buttons beside a line edit: the chooser starts where the field points and a chosen
// file or folder replaces the field's text; a cancelled chooser leaves the field as it was.
// Both return whether one was chosen.
bool BrowseFileInto(Choosers& choosers, QWidget* parent, QLineEdit& field, const QString& title,
                    const QString& filter);
bool BrowseFolderInto(Choosers& choosers, QWidget* parent, QLineEdit& field, const QString& title);
