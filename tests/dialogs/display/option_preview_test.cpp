// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_form.h"
#include "dialogs/display/option_preview.h"
#include "display_fakes.h"
#include "face_defaults.h"
#include "fake_login_start.h"
#include "fake_prompt.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QRgb Rgb(int red, int green, int blue) {
    return qRgb(red, green, blue) & 0xFFFFFF;
}

struct PreviewDialog {
    PreviewDialog(QSize client, Colour background, std::uint32_t attrib = NoImage) {
        host.settings = DefaultFaceSettings();
        host.settings.Width = client.width();
        host.settings.Height = client.height();
        host.settings.Attrib = attrib;
        host.settings.BG_Color = background;
        form = std::make_unique<TOptionForm>(host, choosers, prompt, help, loginStart);
        form->show();
        preview = form->findChild<OptionPreview*>(QStringLiteral("IMG_Preview"));
    }
    QRgb BottomLeft() const {
        const QImage& image = preview->Image();
        return image.pixel(1, image.height() - 2) & 0xFFFFFF;
    }
    QRgb Centre() const {
        const QImage& image = preview->Image();
        return image.pixel(image.width() / 2, image.height() / 2) & 0xFFFFFF;
    }

    FakeOptionHost host;
    FakeChoosers choosers;
    FakePrompt prompt;
    RecordingHelp help;
    FakeLoginStart loginStart;
    std::unique_ptr<TOptionForm> form;
    OptionPreview* preview = nullptr;
};

TEST(DisplayDialogPreview, IsSizedToTheClocksAspectRatio) {
    PreviewDialog landscape(QSize(320, 200), 0);
    EXPECT_EQ(landscape.preview->geometry(), QRect(3, 18 + 49, 260, 162));
    EXPECT_EQ(landscape.preview->Image().size(), QSize(260, 162));
    PreviewDialog portrait(QSize(150, 200), 0);
    EXPECT_EQ(portrait.preview->geometry(), QRect(3 + 130 - 97, 18, 195, 260));
}

TEST(DisplayDialogPreview, RedrawsFromTheCopyAfterEveryChange) {
    PreviewDialog dialog(QSize(320, 200), RgbColour(255, 0, 0), NoImage | AnalogDisp);
    EXPECT_EQ(dialog.BottomLeft(), Rgb(255, 0, 0));
    EXPECT_NE(dialog.Centre(), Rgb(255, 0, 0)); // the hands' centre dot

    dialog.choosers.colours = {RgbColour(0, 128, 0)};
    QTest::mouseClick(dialog.form->findChild<QPushButton*>("BTN_BackColor"), Qt::LeftButton);
    EXPECT_EQ(dialog.BottomLeft(), Rgb(0, 128, 0));
    QTest::mouseClick(dialog.form->findChild<QCheckBox*>("CBX_AnalogDisp"), Qt::LeftButton);
    EXPECT_EQ(dialog.Centre(), Rgb(0, 128, 0));
    // The clock window keeps its own settings until they are applied.
    EXPECT_EQ(dialog.host.settings.BG_Color, RgbColour(255, 0, 0));
}

} // namespace
