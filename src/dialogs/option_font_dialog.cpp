// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/option_font_dialog.h"

#include "dialogs/dialog_look.h"
#include "dialogs/option_font_conversion.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

OptionFontDialog::OptionFontDialog(const CanvasFont& start, QWidget* parent)
    : QDialog(parent), colour_(start.colour) {
    setObjectName(QStringLiteral("OptionFontDialog"));
    setWindowTitle(QStringLiteral("フォント"));
    setFont(DialogFont());

    fontPicker_ = new QFontDialog(this);
    fontPicker_->setObjectName(QStringLiteral("FontPicker"));
    // Shown as a part of this dialog rather than as a window of its own.
    fontPicker_->setWindowFlags(Qt::Widget);
    fontPicker_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fontPicker_->setCurrentFont(QFontFromCanvasFont(start));

    colourButton_ = new QPushButton(QStringLiteral("色(&C)..."), this);
    colourButton_->setObjectName(QStringLiteral("FontColour"));
    colourButton_->setAutoDefault(false);
    connect(colourButton_, &QPushButton::clicked, this, &OptionFontDialog::ChooseColour);
    ShowColour();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(colourButton_);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fontPicker_);
    layout->addLayout(bottom);
}

CanvasFont OptionFontDialog::ChosenFont() const {
    return CanvasFontFromQFont(fontPicker_->currentFont(), colour_);
}

void OptionFontDialog::ChooseColour() {
    const QColor chosen = QColorDialog::getColor(ToQColor(colour_), this);
    if (chosen.isValid()) {
        colour_ = FromQColor(chosen);
        ShowColour();
    }
}

void OptionFontDialog::ShowColour() {
    QPixmap swatch(16, 16);
    swatch.fill(ToQColor(colour_));
    colourButton_->setIcon(QIcon(swatch));
}
