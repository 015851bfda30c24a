// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/clock_time.h"
#include "core/window_bits.h"
#include "face/analog_clock.h"
#include "face/background_picture.h"
#include "face/face_layout.h"
#include "face/icon_bar.h"
#include "face/pixel_stamp.h"
#include "face/stamp_recorder.h"
#include "settings/clock_settings.h"

#include <QImage>
#include <QRegion>
#include <QSize>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// What one draw needs besides the settings and the time.
struct FaceInputs {
    QSize clientSize;
    PlacementMode placementMode = PlacementNone;
    IconBarSources iconBar{};
    // Device pixels per logical pixel on the screen the face is shown on: the face is drawn
    // at that density, while every position and size stays in logical pixels.
    qreal devicePixelRatio = 1;
};

// Composes the clock face off screen: background, analog clock and digital parts in the
// order DigiAna asks for, icon bar, placement marks and the window rim. The caller paints
// the returned image at (0, 0) of the client area; it holds the device pixels of the client
// size at the inputs' device pixel ratio, which it carries.
//
// Compose draws every part. Update gives the same picture for a clock that draws once a
// second: the parts that change at most once a minute (picture, dial, date, icon bar, rim)
// are kept, and only the hands and the time are drawn again. The parts below the first hand
// or figure are kept as a picture; every part above it is kept as a PixelStamp and so are the
// hands and figures of each instant, so that a second costs the pixels it changes. A face
// whose upper parts blend (text, pictures with transparency) is composed whole instead.
class FaceRenderer {
public:
    // Relative picture paths not found in the current directory are looked up here.
    explicit FaceRenderer(QString dataFolder = QString());
    ~FaceRenderer();
    FaceRenderer(const FaceRenderer&) = delete;
    FaceRenderer& operator=(const FaceRenderer&) = delete;

    // Draws the whole face; Layout() then tells what the draw measured, for the caller to
    // keep.
    const QImage& Compose(const ClockSettings& settings, const ClockTime& time,
                          const FaceInputs& in);

    // Brings Image() and Layout() to what Compose would give and returns the part of the
    // client area (in logical pixels) whose pixels may differ from the image before the call. It is
    // quickest for a caller that stores each layout in its settings (FaceLayout::StoreIn) before
    // the next update, as the clock window does: the kept parts are then found unchanged.
    QRegion Update(const ClockSettings& settings, const ClockTime& time, const FaceInputs& in);

    // The next draw loads the picture again (after a drop or the display dialog's apply).
    void InvalidatePicture();
    // The next draw shows only BG_Color, as right after the window is created.
    void SetFirstDraw() { firstDraw_ = true; }
    bool IsFirstDraw() const { return firstDraw_; }

    // Loads the picture now if it is not loaded (a drop loads at once); false when it cannot
    // be shown, which the caller keeps as NoImage.
    bool EnsurePictureLoaded(const QString& imageFile) { return picture_.EnsureLoaded(imageFile); }
    // The decoded picture's natural size, for the aspect fit; empty when none is held.
    QSize PictureSize() const { return picture_.PictureSize(); }

    // What the last draw measured: the blocks of the time and the date, the icon bar, and
    // whether the picture was missing.
    const FaceLayout& Layout() const { return layout_; }
    const QImage& Image() const { return work_; }
    const IconBar& Icons() const { return iconBar_; }

private:
    // Identifies one run of drawing over the kept lower parts, among the runs of one set of
    // kept parts: a part that changes at most once a minute, a hand at its corners, or a
    // figure of the time in its cell.
    using RunKey = std::array<int, 12>;
    struct Run;
    struct Drawing;
    // Everything the kept parts are drawn from: they change with the date, never with the
    // time of day.
    struct KeptInputs {
        ClockSettings settings;
        QSize clientSize;
        qreal devicePixelRatio = 1;
        ClockTime date; // the time of day cleared
        IconBarSnapshot iconBar;
        IconBarFrame iconFrame; // the steps the bar shows
        int pictureGeneration = 0;

        bool operator==(const KeptInputs&) const = default;
    };
    struct KeptStamp {
        PixelStamp stamp;
        std::uint64_t lastUsed = 0; // the update that last showed it
    };
    struct ShownRun {
        RunKey key{};
        QRect area;
        const PixelStamp* stamp = nullptr; // valid during the update that made it
    };

    // Keeps the image at the face's device pixels and ratio.
    static void FitToFace(QImage& image, const FaceInputs& in);
    void DrawBackground(QImage& image, const ClockSettings& settings);
    // `part` is one of the parts drawn over the background.
    void DrawPart(Canvas& canvas, int part, Drawing& drawing);
    void ComposeWith(const ClockSettings& settings, const ClockTime& time, const FaceInputs& in,
                     const IconBarFrame& iconFrame);
    QRegion ComposeWhole(const ClockSettings& settings, const ClockTime& time, const FaceInputs& in,
                         const IconBarFrame& iconFrame);
    KeptInputs KeptInputsOf(const ClockSettings& settings, const ClockTime& time,
                            const FaceInputs& in, const IconBarFrame& iconFrame) const;
    void KeepLowerParts(const ClockSettings& settings, const ClockTime& time, const FaceInputs& in,
                        const IconBarFrame& iconFrame);
    // The runs over the lower parts, in drawing order; false when one of them is text.
    bool UpperRuns(Drawing& drawing, std::vector<Run>& runs);
    void DrawRun(Canvas& canvas, const Run& run, Drawing& drawing);
    // The run's stamp, recorded now if it is not kept; nullptr when the run blends.
    const PixelStamp* StampOf(const Run& run, Drawing& drawing);
    QRegion ReplayUpperRuns(const ClockSettings& settings, const ClockTime& time,
                            const FaceInputs& in, const IconBarFrame& iconFrame);

    BackgroundPicture picture_;
    IconBar iconBar_;
    QImage work_; // the composition image, kept at the client size in device pixels
    bool firstDraw_ = true;
    FaceLayout layout_;

    int pictureGeneration_ = 0;
    std::uint64_t updateCount_ = 0;
    // What lower_ and the stamps were made from, with the settings as the caller keeps them
    // once it has stored the layout.
    std::optional<KeptInputs> kept_;
    QImage lower_;               // the parts below the first hand or figure
    ClockSettings keptDrawable_; // DrawableSettings of kept_->settings
    AnalogSettings keptAnalog_;
    bool wholeEverySecond_ = false; // an upper run blends: Update composes the whole face
    std::map<RunKey, KeptStamp> stamps_;
    std::vector<ShownRun> shownBefore_; // the runs replayed in Image(), in order
    bool shownValid_ = false;           // Image() is lower_ with shownBefore_ replayed
    // Kept between updates only to keep their room.
    std::vector<Run> runs_;
    std::vector<ShownRun> shown_;
    std::vector<QRect> changed_;
    StampRecorder recorder_;
};
