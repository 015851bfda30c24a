// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QPixmap>
#include <memory>

namespace Ui {
class About_Form;
}

// The about box: the program's logo with the version number and the status icon in its
// top-left corner. A click on the logo closes it.
class TAbout_Form : public QDialog {
    Q_OBJECT
public:
    explicit TAbout_Form(QWidget* parent = nullptr);
    ~TAbout_Form() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QPixmap LogoWithCornerIcon(qreal devicePixelRatio);

    std::unique_ptr<Ui::About_Form> ui_;
};
