#pragma once

#include "dialogs/option_choosers.h"

// The choosers as the user sees them: QColorDialog, the font dialog with its colour
// button, and QFileDialog with the picture filter.
class OptionStandardChoosers : public OptionChoosers {
public:
    std::optional<Colour> ChooseColour(QWidget* parent, Colour current) override;
    std::optional<CanvasFont> ChooseFont(QWidget* parent, const CanvasFont& current) override;
    std::optional<QString> ChoosePictureFile(QWidget* parent, const QString& startFolder) override;

    // The picture filter in Qt's form. Each pattern is offered in upper and lower case,
    // because file names on Linux are case-sensitive and pictures are named either way.
    static QString PictureFilter();
    // A filter written as "description|pattern|description|pattern" in Qt's form.
    static QString QtFilterFrom(const QString& barSeparated);
};
