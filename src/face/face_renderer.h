#pragma once

#include "core/clock_time.h"
#include "core/window_bits.h"
#include "face/background_picture.h"
#include "face/icon_bar.h"
#include "settings/clock_settings.h"

#include <QImage>
#include <QSize>

// What one draw needs besides the settings and the time.
struct FaceInputs {
    QSize clientSize;
    PlacementMode placementMode = PlacementNone;
    IconBarSources iconBar;
};

// Composes the clock face off screen: background, analog clock and digital parts in the
// order DigiAna asks for, icon bar, placement marks and the window rim. The caller paints
// the returned image at (0, 0) of the client area.
class FaceRenderer {
public:
    // Relative picture paths not found in the current directory are looked up here.
    explicit FaceRenderer(QString dataFolder = QString());

    // Writes IconWidth, IconHeight and IconBarWidth back, and sets NoImage when the picture
    // cannot be loaded.
    const QImage& Compose(ClockSettings& settings, const ClockTime& time, const FaceInputs& in);

    // The next draw loads the picture again (after a drop or the display dialog's apply).
    void InvalidatePicture() { picture_.Invalidate(); }
    // The next draw shows only BG_Color, as right after the window is created.
    void SetFirstDraw() { firstDraw_ = true; }
    bool IsFirstDraw() const { return firstDraw_; }

    // Loads the picture now if it is not loaded (a drop loads at once), setting NoImage on
    // failure.
    void EnsurePictureLoaded(ClockSettings& settings) { picture_.EnsureLoaded(settings); }
    // The decoded picture's natural size, for the aspect fit; empty when none is held.
    QSize PictureSize() const { return picture_.PictureSize(); }

    QSize MeasuredTimeSize() const { return timeSize_; }
    QSize MeasuredDateSize() const { return dateSize_; }
    const QImage& Image() const { return work_; }
    const IconBar& Icons() const { return iconBar_; }

private:
    void DrawBackground(ClockSettings& settings, QSize clientSize);

    BackgroundPicture picture_;
    IconBar iconBar_;
    QImage work_; // the composition image, kept at the client size
    bool firstDraw_ = true;
    QSize timeSize_;
    QSize dateSize_;
};
