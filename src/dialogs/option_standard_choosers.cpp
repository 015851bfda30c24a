#include "dialogs/option_standard_choosers.h"

#include "dialogs/option_font_dialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QStringList>

std::optional<Colour> OptionStandardChoosers::ChooseColour(QWidget* parent, Colour current) {
    const QColor chosen = QColorDialog::getColor(ToQColor(current), parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return FromQColor(chosen);
}

std::optional<CanvasFont> OptionStandardChoosers::ChooseFont(QWidget* parent,
                                                             const CanvasFont& current) {
    OptionFontDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.ChosenFont();
}

std::optional<QString> OptionStandardChoosers::ChoosePictureFile(QWidget* parent,
                                                                 const QString& startFolder) {
    const QString path =
        QFileDialog::getOpenFileName(parent, QStringLiteral("開く"), startFolder, PictureFilter());
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

QString OptionStandardChoosers::PictureFilter() {
    return QtFilterFrom(QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟ (*.BMP)|*.BMP|JPEG (*.JPG)|*.JPG"));
}

QString OptionStandardChoosers::QtFilterFrom(const QString& barSeparated) {
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
