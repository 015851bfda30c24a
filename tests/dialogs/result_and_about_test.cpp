// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/about_form.h"
#include "dialogs/day_time_info_form.h"
#include "face/default_icons.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Lines(const TDayTimeInfoForm& form) {
    return form.findChild<QPlainTextEdit*>(QStringLiteral("MM_Message"))
        ->toPlainText()
        .split(QLatin1Char('\n'));
}

CorrectionState Finished(bool testMode) {
    CorrectionState state;
    state.correctionTestMode = testMode;
    state.pcTimeText = QStringLiteral("パソコンの時刻:2002/12/07 06:30.04 120");
    state.serverTimeText = QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 450");
    state.correctionResultText =
        QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 450に補正しました");
    return state;
}

TEST(TimesyncResultWindow, CheckShowsBothTimesCorrectionOneLine) {
    const TDayTimeInfoForm check(Finished(true));
    EXPECT_EQ(Lines(check),
              QStringList({QStringLiteral("パソコンの時刻:2002/12/07 06:30.04 120"),
                           QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 450")}));
    const TDayTimeInfoForm correction(Finished(false));
    const QStringList lines = Lines(correction);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("に補正しました")));
    EXPECT_EQ(correction.windowTitle(), QStringLiteral("お知らせ By Zorbel"));
    EXPECT_EQ(correction.size(), QSize(330, 150));
}

TEST(TimesyncResultWindow, ConfirmAndEscapeCloseIt) {
    for (const bool byKey : {false, true}) {
        TDayTimeInfoForm form(Finished(true));
        form.show();
        int finished = 0;
        QObject::connect(&form, &QDialog::finished, [&] { ++finished; });
        auto* confirm = form.findChild<QPushButton*>(QStringLiteral("AlarmClose"));
        ASSERT_NE(confirm, nullptr);
        EXPECT_EQ(confirm->text(), QStringLiteral("確認"));
        if (byKey) {
            QTest::keyClick(&form, Qt::Key_Escape);
        } else {
            QTest::mouseClick(confirm, Qt::LeftButton);
        }
        EXPECT_EQ(finished, 1);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST(TimesyncAboutBox, VersionLogoAndCornerIcon) {
    TAbout_Form about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(about.size(), QSize(242, 192));
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
    const auto* version = about.findChild<QLabel*>(QStringLiteral("Version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("4.0"));
    EXPECT_TRUE(version->font().bold());
    EXPECT_TRUE(version->font().italic());
    EXPECT_EQ(version->font().pixelSize(), 24);
    const auto* logo = about.findChild<QLabel*>(QStringLiteral("Logo_Image"));
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->size(), QSize(242, 193));

    // Image 3 of the icon list covers the top-left corner wherever it is opaque.
    about.show();
    const QImage shown = about.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage icon = BuiltInIcon(StatusIcon).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(icon.isNull());
    int opaque = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb pixel = icon.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                ++opaque;
                EXPECT_EQ(shown.pixel(x, y) & 0xFFFFFF, pixel & 0xFFFFFF) << x << "," << y;
            }
        }
    }
    EXPECT_GT(opaque, 0);
}

TEST(TimesyncAboutBox, AClickOnTheLogoClosesIt) {
    TAbout_Form about;
    about.show();
    int finished = 0;
    QObject::connect(&about, &QDialog::finished, [&] { ++finished; });
    QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("Logo_Image")), Qt::LeftButton, {},
                      QPoint(120, 60));
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
