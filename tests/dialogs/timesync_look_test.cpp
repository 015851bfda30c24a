// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chrony_server.h"
#include "correction_fakes.h"
#include "dialogs/about_form.h"
#include "dialogs/day_time_form.h"
#include "dialogs/day_time_info_form.h"
#include "fake_prompt.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void UseIpaFonts() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
}

// With ZORBEL_LOOK_DIR set the picture is kept there for a person to look at.
void KeepForLooking(const QPixmap& picture, const QString& name) {
    const QString lookFolder = qEnvironmentVariable("ZORBEL_LOOK_DIR");
    if (!lookFolder.isEmpty()) {
        QDir().mkpath(lookFolder);
        picture.save(QDir(lookFolder).filePath(name));
    }
}

// Every visible control lies inside its parent, no two visible siblings overlap, and every
// caption fits its control.
void ExpectTidy(const QWidget& window, const std::set<QString>& mayOverlap = {}) {
    QList<QWidget*> parents = window.findChildren<QWidget*>();
    parents << const_cast<QWidget*>(&window);
    for (QWidget* parent : parents) {
        if (parent->inherits("QAbstractScrollArea") || parent->inherits("QAbstractSpinBox") ||
            parent->inherits("QComboBox")) {
            continue; // their inner parts are laid out by Qt
        }
        QList<QWidget*> shown;
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->isHidden()) {
                shown << child;
                EXPECT_TRUE(parent->rect().contains(child->geometry()))
                    << child->objectName().toStdString();
            }
        }
        for (int i = 0; i < shown.size(); ++i) {
            for (int j = i + 1; j < shown.size(); ++j) {
                if (mayOverlap.count(shown[i]->objectName()) ||
                    mayOverlap.count(shown[j]->objectName())) {
                    continue;
                }
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << shown[i]->objectName().toStdString() << " / "
                    << shown[j]->objectName().toStdString();
            }
        }
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isHidden() && !label->text().isEmpty()) {
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
                << label->objectName().toStdString();
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const int indicator = button->inherits("QPushButton") ? 8 : 20;
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + indicator,
                  button->width())
            << button->objectName().toStdString();
    }
}

TEST(TimesyncLook, SettingsDialogForEveryPattern) {
    UseIpaFonts();
    for (int pattern = CorrectMonthly; pattern <= CorrectEveryMinutes; ++pattern) {
        TimeServerSettings settings;
        settings.Pattern = pattern;
        settings.Attribute = AutoCorrection | CorrectAtTime;
        settings.Interval_Hour = 3;
        settings.Interval_Min = 10;
        CorrectionState state;
        FakeCorrectionHost host;
        FakeSystemClock clock;
        CountingSaver saver;
        RecordingHelp help;
        FakePrompt prompt;
        TDayTimeForm form(settings, state, host, clock, saver, help, prompt);
        form.show();
        const QPixmap picture = form.grab();
        EXPECT_EQ(picture.size(), QSize(371, 348));
        ExpectTidy(form);
        KeepForLooking(picture, QStringLiteral("correction_dialog_%1.png").arg(pattern));
    }
}

TEST(TimesyncLook, SettingsDialogOverSntpBeforeAndAfterATestRun) {
    UseIpaFonts();
    TimeServerSettings settings;
    settings.Protocol = SntpProtocol;
    settings.iPort = SntpPort;
    settings.Attribute = AutoCorrection | CorrectAtStartup;
    CorrectionState state;
    FakeCorrectionHost host;
    FakeSystemClock clock;
    CountingSaver saver;
    RecordingHelp help;
    FakePrompt prompt;
    TDayTimeForm chosen(settings, state, host, clock, saver, help, prompt);
    chosen.show();
    ExpectTidy(chosen);
    KeepForLooking(chosen.grab(), QStringLiteral("correction_dialog_sntp.png"));

    if (ChronyServer::Executable().isEmpty()) {
        GTEST_SKIP() << "chrony is not installed (Debian package chrony)";
    }
    ChronyServer chrony;
    ASSERT_TRUE(chrony.Start().isEmpty());
    settings.iPort = chrony.Port();
    const QStringList local = {QStringLiteral("127.0.0.1")};
    TDayTimeForm run(settings, state, host, clock, saver, help, prompt, {local, local});
    run.show();
    QTest::mouseClick(run.findChild<QPushButton*>(QStringLiteral("BTN_AdjustCheck")),
                      Qt::LeftButton);
    ExpectTidy(run);
    KeepForLooking(run.grab(), QStringLiteral("correction_dialog_sntp_test_run.png"));
}

TEST(TimesyncLook, ResultWindowAndAboutBox) {
    UseIpaFonts();
    CorrectionState state;
    state.correctionTestMode = true;
    state.pcTimeText = QStringLiteral("パソコンの時刻:2002/12/07 06:30.04 120");
    state.serverTimeText = QStringLiteral("サーバーの時刻:2002/12/07 06:30.05 450");
    TDayTimeInfoForm result(state);
    result.show();
    const QPixmap resultPicture = result.grab();
    EXPECT_EQ(resultPicture.size(), QSize(330, 150));
    ExpectTidy(result);
    KeepForLooking(resultPicture, QStringLiteral("correction_result.png"));

    TAbout_Form about;
    about.show();
    const QPixmap aboutPicture = about.grab();
    EXPECT_EQ(aboutPicture.size(), QSize(242, 192));
    // The version number stands on the logo; the logo is one pixel taller than the box.
    KeepForLooking(aboutPicture, QStringLiteral("about_box.png"));
    const QLabel* version = about.findChild<QLabel*>(QStringLiteral("Version"));
    EXPECT_TRUE(about.rect().contains(version->geometry()));
    EXPECT_LE(QFontMetrics(version->font()).horizontalAdvance(version->text()), version->width());
    // The white italic figures end inside the label: its last column shows only the logo.
    const QImage shown = aboutPicture.toImage();
    const int lastColumn = version->geometry().right();
    for (int y = version->geometry().top(); y <= version->geometry().bottom(); ++y) {
        EXPECT_LT(qRed(shown.pixel(lastColumn, y)), 200) << "cut off at row " << y;
    }
}

} // namespace
