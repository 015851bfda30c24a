#include "face/face_renderer.h"

#include "face/analog_clock.h"
#include "face/digital_display.h"
#include "face/drawable_settings.h"
#include "face/placement_overlay.h"
#include "face/window_edge.h"
#include "platform/qimage_canvas.h"

#include <QPainter>

FaceRenderer::FaceRenderer(QString dataFolder) : picture_(std::move(dataFolder)) {}

void FaceRenderer::DrawBackground(ClockSettings& settings, QSize clientSize) {
    const bool useColour = settings.Has(NoImage) || firstDraw_;
    firstDraw_ = false;
    if (!useColour) {
        picture_.EnsureLoaded(settings);
        const QImage& stretched = picture_.Stretched(clientSize);
        if (!stretched.isNull()) {
            // Sharing the cached image's pixels makes the copy a single detach when the
            // canvas starts painting.
            work_ = stretched;
            return;
        }
    }
    work_.fill(ToQColor(settings.BG_Color));
}

const QImage& FaceRenderer::Compose(ClockSettings& settings, const ClockTime& time,
                                    const FaceInputs& in) {
    const QSize clientSize = in.clientSize.isEmpty() ? QSize(1, 1) : in.clientSize;
    if (work_.size() != clientSize || work_.format() != QImage::Format_RGB32) {
        work_ = QImage(clientSize, QImage::Format_RGB32);
    }
    DrawBackground(settings, clientSize);

    QImageCanvas canvas(work_);
    const ClockSettings drawable = DrawableSettings(settings);
    const AnalogSettings analog = AnalogSettingsFrom(drawable, in.placementMode);
    const auto drawAnalog = [&] {
        DrawDial(canvas, analog);
        DrawHands(canvas, analog, time);
    };
    if (settings.Has(AnalogDisp) && settings.Has(DigiAna)) {
        drawAnalog();
    }
    if (settings.Has(DigiDateDisp)) {
        dateSize_ = DrawDate(canvas, DateBlockFrom(drawable, in.placementMode), time);
    }
    if (settings.Has(DigiTimeDisp)) {
        timeSize_ = DrawTime(canvas, TimeBlockFrom(drawable, in.placementMode), time);
    }
    if (settings.Has(AnalogDisp) && !settings.Has(DigiAna)) {
        drawAnalog();
    }

    const IconBarPlacement bar{QPoint(drawable.IconBarX, drawable.IconBarY), settings.Attrib,
                               settings.IconBkColor};
    const IconBarLayout layout = iconBar_.Draw(canvas, bar, in.iconBar);
    settings.IconWidth = layout.iconSize;
    settings.IconHeight = layout.barHeight;
    settings.IconBarWidth = layout.barWidth;

    DrawPlacementOverlay(canvas, in.placementMode, drawable, clientSize, timeSize_, dateSize_);
    DrawWindowEdge(canvas, clientSize, drawable.Form_Window_Type, drawable.Rect_Raund_Size);
    return work_;
}
