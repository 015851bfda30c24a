// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/device_scale.h"
#include "face/clock_size_rules.h"
#include "face/face_renderer.h"
#include "face_defaults.h"
#include "platform/font_substitution.h"

#include <QDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>

// The clock window draws with Update, --render and the dialog's preview with Compose: every
// update must give the very pixels Compose gives for the same settings and instant, and say
// where they changed.
namespace {

QString Resources() {
    return QDir(QStringLiteral(FACE_SOURCE_DIR)).filePath("resources/images");
}

ClockTime At(const QDateTime& local) {
    return ClockTime::FromDateTime(local);
}

// The first pixel at which two images differ, for the failure message.
std::string FirstDifference(const QImage& expected, const QImage& actual) {
    if (expected.size() != actual.size()) {
        return "sizes differ";
    }
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (expected.pixel(x, y) != actual.pixel(x, y)) {
                return QStringLiteral("(%1, %2): %3 expected, %4 drawn")
                    .arg(x)
                    .arg(y)
                    .arg(expected.pixel(x, y), 8, 16)
                    .arg(actual.pixel(x, y), 8, 16)
                    .toStdString();
            }
        }
    }
    return "none";
}

// A pixel that changed outside the region (in logical pixels) the update reported.
std::string ChangeOutside(const QImage& before, const QImage& after, const QRegion& logical) {
    const DeviceScale scale(after.devicePixelRatio());
    QRegion region;
    for (const QRect& rect : logical) {
        region += scale.Rect(rect);
    }
    if (before.size() != after.size()) {
        return region.contains(after.rect()) ? "" : "resized without a whole region";
    }
    for (int y = 0; y < after.height(); ++y) {
        const auto* old = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* now = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        if (std::equal(old, old + after.width(), now)) {
            continue;
        }
        for (int x = 0; x < after.width(); ++x) {
            if (old[x] != now[x] && !region.contains(QPoint(x, y))) {
                return QStringLiteral("(%1, %2)").arg(x).arg(y).toStdString();
            }
        }
    }
    return "";
}

// Two renderers fed the same steps: one composes every face whole, the other updates.
class SideBySide {
public:
    explicit SideBySide(ClockSettings settings, QSize client = QSize(320, 200), qreal ratio = 1)
        : whole_(Resources()), updated_(Resources()), wholeSettings_(settings),
          updatedSettings_(settings) {
        in_.clientSize = client;
        in_.devicePixelRatio = ratio;
    }

    FaceInputs& Inputs() { return in_; }
    // Changes both copies of the settings the same way.
    void ChangeSettings(const std::function<void(ClockSettings&)>& change) {
        change(wholeSettings_);
        change(updatedSettings_);
    }
    QRegion LastRegion() const { return region_; }

    // Draws the instant both ways; an empty string when they agree.
    std::string Step(const ClockTime& time) {
        ApplyClockSizeRules(wholeSettings_, in_.clientSize.width(), in_.clientSize.height());
        ApplyClockSizeRules(updatedSettings_, in_.clientSize.width(), in_.clientSize.height());
        const QImage before = updated_.Image().copy();
        const QImage& expected = whole_.Compose(wholeSettings_, time, in_);
        region_ = updated_.Update(updatedSettings_, time, in_);
        const QImage& actual = updated_.Image();
        // As the clock window keeps what each draw measured.
        whole_.Layout().StoreIn(wholeSettings_);
        updated_.Layout().StoreIn(updatedSettings_);
        if (expected != actual) {
            return "pixels differ at " + FirstDifference(expected, actual);
        }
        if (!before.isNull()) {
            const std::string outside = ChangeOutside(before, actual, region_);
            if (!outside.empty()) {
                return "changed outside the reported region at " + outside;
            }
        }
        if (!(whole_.Layout() == updated_.Layout())) {
            return "the layouts differ";
        }
        return "";
    }

    // Steps second by second from `start` for `seconds` seconds.
    std::string Run(const QDateTime& start, int seconds) {
        for (int second = 0; second < seconds; ++second) {
            const QDateTime instant = start.addSecs(second);
            const std::string failure = Step(At(instant));
            if (!failure.empty()) {
                return instant.toString(Qt::ISODate).toStdString() + ": " + failure;
            }
        }
        return "";
    }

private:
    FaceRenderer whole_;
    FaceRenderer updated_;
    ClockSettings wholeSettings_;
    ClockSettings updatedSettings_;
    FaceInputs in_;
    QRegion region_;
};

struct FaceCase {
    const char* name;
    std::function<void(ClockSettings&)> change;
    QSize client = QSize(320, 200);
};

// Faces that between them put every part below and above the hands and the figures, with
// pens, shapes, fonts and sizes that reach the edges of what the stamps must cover.
std::vector<FaceCase> FaceCases() {
    return {
        {"default", [](ClockSettings&) {}},
        {"hands-over-digits", [](ClockSettings& s) { s.Set(DigiAna, false); }},
        {"copy-mode", [](ClockSettings& s) { s.Set(AnalogClear, false); }},
        {"copy-mode-hands-over-digits",
         [](ClockSettings& s) {
             s.Set(AnalogClear, false);
             s.Set(DigiAna, false);
         }},
        {"outlines-and-wide-pens",
         [](ClockSettings& s) {
             s.Set(HandFill, false);
             s.Set(DigiTimeFill, false);
             s.Set(DigiDateFill, false);
             s.Line_Width = 7;
             s.Digi_Width = 5;
             s.Date_Width = 4;
         }},
        {"time-over-the-centre",
         [](ClockSettings& s) {
             s.Digi_x = 90;
             s.Digi_y = 80;
             s.Date_x = 100;
             s.Date_y = 20;
             s.Digi_Size = 20;
         }},
        {"no-seconds-small-and-large-figures",
         [](ClockSettings& s) {
             s.Set(DigiTimeSecDisp, false);
             s.Set(SecondHandDisp, false);
             s.Digi_Size = -10;
             s.Date_Size = 100;
             s.Digi_x = 10;
             s.Digi_y = 120;
         }},
        {"ellipse", [](ClockSettings& s) { s.Form_Window_Type = 1; }},
        {"rounded", [](ClockSettings& s) { s.Form_Window_Type = 2; }},
        {"square-marks-every-quarter",
         [](ClockSettings& s) {
             s.Mem_Interval = 15;
             s.MemPoint_Design = 1;
         }},
        {"diamond-marks-hands-over-digits",
         [](ClockSettings& s) {
             s.MemPoint_Design = 2;
             s.Set(DigiAna, false);
         }},
        {"circle-marks-no-picture",
         [](ClockSettings& s) {
             s.MemPoint_Design = 3;
             s.Set(NoImage, true);
             s.BG_Color = 0x203040;
         }},
        {"numerals-under-the-hands", [](ClockSettings& s) { s.Set(StringDisp, true); }},
        {"numerals-over-the-time",
         [](ClockSettings& s) {
             s.Set(StringDisp, true);
             s.Set(DigiAna, false);
         }},
        {"time-in-a-font",
         [](ClockSettings& s) {
             s.Set(TimeFont, true);
             s.Digi_x = 150;
             s.Digi_y = 150;
             s.DigiTimeDispType = 4;
         }},
        {"date-in-a-font-over-the-hands",
         [](ClockSettings& s) {
             s.Set(DateFont, true);
             s.Date_x = 40;
             s.Date_y = 60;
             s.DigiDateDispType = 5;
         }},
        {"small-icons-filled",
         [](ClockSettings& s) {
             s.Set(LargeIcon, false);
             s.Set(IconBkFill, true);
             s.IconBarX = 150;
             s.IconBarY = 90;
         }},
        {"no-analog-clock", [](ClockSettings& s) { s.Set(AnalogDisp, false); }},
        {"analog-only",
         [](ClockSettings& s) {
             s.Set(DigiTimeDisp, false);
             s.Set(DigiDateDisp, false);
         }},
        {"large-window",
         [](ClockSettings& s) {
             s.Width = 1024;
             s.Height = 768;
             s.Line_Width = 3;
         },
         QSize(1024, 768)},
    };
}

const QDateTime Start(QDate(2002, 12, 6), QTime(9, 59, 50));

} // namespace

TEST(FaceUpdate, EverySecondMatchesTheWholeFaceForEveryKindOfFace) {
    InstallFontSubstitutions();
    for (const FaceCase& face : FaceCases()) {
        ClockSettings settings = DefaultFaceSettings();
        face.change(settings);
        SideBySide pair(settings, face.client);
        // Past ten o'clock, so the hour gains a figure and the hands cross the date.
        EXPECT_EQ(pair.Run(Start, 75), "") << face.name;
    }
}

// On dense screens the kept parts and the replayed ones meet on device pixels: no seam, at
// whole and at fractional ratios.
TEST(FaceUpdate, EverySecondMatchesTheWholeFaceOnDenseScreens) {
    InstallFontSubstitutions();
    for (const qreal ratio : {1.25, 1.5, 2.0}) {
        for (const FaceCase& face : FaceCases()) {
            ClockSettings settings = DefaultFaceSettings();
            face.change(settings);
            SideBySide pair(settings, face.client, ratio);
            EXPECT_EQ(pair.Run(Start, 15), "") << face.name << " at " << ratio;
        }
    }
}

TEST(FaceUpdate, MatchesAcrossMidnightAndJumpsOfTheClock) {
    InstallFontSubstitutions();
    SideBySide pair(DefaultFaceSettings());
    EXPECT_EQ(pair.Run(QDateTime(QDate(2002, 12, 31), QTime(23, 59, 55)), 10), "")
        << "the date changes at midnight";
    EXPECT_EQ(pair.Run(QDateTime(QDate(2003, 6, 15), QTime(3, 17, 42)), 3), "")
        << "the system clock set months ahead";
    EXPECT_EQ(pair.Run(QDateTime(QDate(2003, 6, 15), QTime(3, 17, 41)), 2), "")
        << "and a second back";
}

TEST(FaceUpdate, MatchesWhileSettingsChangeAndAPartIsPlaced) {
    InstallFontSubstitutions();
    SideBySide pair(DefaultFaceSettings());
    ASSERT_EQ(pair.Run(Start, 3), "");
    pair.ChangeSettings([](ClockSettings& s) { s.SS_Color = 0x00FF00; });
    EXPECT_EQ(pair.Run(Start.addSecs(3), 2), "") << "a new colour";
    pair.Inputs().placementMode = PlacementTime;
    pair.ChangeSettings([](ClockSettings& s) { s.Digi_x = 120; });
    EXPECT_EQ(pair.Run(Start.addSecs(5), 1), "") << "placing the time";
    pair.Inputs().placementMode = PlacementNone;
    EXPECT_EQ(pair.Run(Start.addSecs(6), 2), "") << "placed";
    pair.Inputs().clientSize = QSize(280, 170);
    EXPECT_EQ(pair.Run(Start.addSecs(8), 2), "") << "resized";
}

TEST(FaceUpdate, MatchesTheIconBarWithMailAndItsAnimations) {
    InstallFontSubstitutions();
    AccountTable accounts;
    accounts.entries[0].Attribute = CheckOn | DefaultIcon | BlinkCount;
    std::vector<QImage> images;
    SideBySide pair(DefaultFaceSettings());
    IconBarSources& bar = pair.Inputs().iconBar;
    bar.accounts = &accounts;
    bar.accountListCount = 1;
    bar.accountImages = &images;
    ASSERT_EQ(pair.Run(Start, 2), "");
    bar.hasScheduleToday = true;
    EXPECT_EQ(pair.Run(Start.addSecs(2), 2), "") << "a schedule today";
    bar.mailCheckRunning = true;
    for (int tick = 0; tick < 6; ++tick) {
        ++bar.mailTickCount;
        EXPECT_EQ(pair.Step(At(Start.addSecs(4))), "") << "mail check animation " << tick;
    }
    bar.mailCheckRunning = false;
    accounts.entries[0].MessageCount = 4;
    for (int tick = 0; tick < 8; ++tick) {
        ++bar.mailTickCount;
        EXPECT_EQ(pair.Step(At(Start.addSecs(5 + tick / 4))), "") << "blinking count " << tick;
    }
}

TEST(FaceUpdate, ASecondRepaintsOnlyWhatMoved) {
    InstallFontSubstitutions();
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SideBySide pair(DefaultFaceSettings(), QSize(320, 200), ratio);
        ASSERT_EQ(pair.Run(Start, 3), "");
        const QRect changed = pair.LastRegion().boundingRect();
        EXPECT_FALSE(changed.isEmpty());
        EXPECT_LT(changed.width() * changed.height(), 320 * 200 / 2)
            << "the second hand and the seconds, not the whole face, at " << ratio;
    }
}

TEST(FaceUpdate, TheFirstDrawShowsTheColourAsComposeDoes) {
    InstallFontSubstitutions();
    ClockSettings settings = DefaultFaceSettings();
    settings.BG_Color = 0x204060;
    SideBySide pair(settings);
    EXPECT_EQ(pair.Run(Start, 3), "");
}
