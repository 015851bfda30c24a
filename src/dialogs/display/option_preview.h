// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

// The preview image of the display settings dialog: the composed face stretched to the
// widget's size, which the dialog sets to the clock's aspect ratio, in the device pixels of
// the widget's screen.
class OptionPreview : public QWidget {
    Q_OBJECT
public:
    explicit OptionPreview(QWidget* parent);

    void Show(const QImage& face);
    // What is shown, at the widget's size in device pixels.
    const QImage& Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};
