// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/canvas.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

// The font chooser of the display settings: Qt's font dialog, embedded, with a colour
// button beside it, because the stored font carries its colour and QFontDialog has none.
class OptionFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionFontDialog(const CanvasFont& start, QWidget* parent = nullptr);

    CanvasFont ChosenFont() const;

private:
    void ChooseColour();
    void ShowColour();

    QFontDialog* fontPicker_ = nullptr;
    QPushButton* colourButton_ = nullptr;
    Colour colour_ = 0;
};
