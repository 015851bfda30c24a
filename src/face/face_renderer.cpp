// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/face_renderer.h"

#include "core/device_scale.h"
#include "face/analog_clock.h"
#include "face/digital_display.h"
#include "face/drawable_settings.h"
#include "face/placement_overlay.h"
#include "face/window_edge.h"
#include "platform/qimage_canvas.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <functional>

namespace {

enum class Part { Dial, Hands, Date, Time, IconBar, PlacementMarks, WindowEdge };

// The parts drawn over the background, in their order.
struct PartOrder {
    std::array<Part, 8> parts;
    int count = 0;

    const Part* begin() const { return parts.data(); }
    const Part* end() const { return parts.data() + count; }
};

PartOrder PartsOf(const ClockSettings& settings) {
    PartOrder order;
    const auto add = [&order](Part part) { order.parts[order.count++] = part; };
    const bool analog = settings.Has(AnalogDisp);
    if (analog && settings.Has(DigiAna)) {
        add(Part::Dial);
        add(Part::Hands);
    }
    if (settings.Has(DigiDateDisp)) {
        add(Part::Date);
    }
    if (settings.Has(DigiTimeDisp)) {
        add(Part::Time);
    }
    if (analog && !settings.Has(DigiAna)) {
        add(Part::Dial);
        add(Part::Hands);
    }
    add(Part::IconBar);
    add(Part::PlacementMarks);
    add(Part::WindowEdge);
    return order;
}

// The hands and the time change every second; everything else at most once a minute.
bool ChangesEverySecond(Part part) {
    return part == Part::Hands || part == Part::Time;
}

enum RunKind : int { KeptPartRun = 1, HandRun, FigureRun };

// How many runs' stamps are kept before the ones not shown lately are dropped: a minute of
// second hands, the figures and the recent positions of the other hands fit.
constexpr std::size_t StampsKept = 256;
constexpr std::uint64_t RecentUpdates = 120;

// Adds an area to a list of areas that do not overlap, joining it with those it overlaps:
// the old and the new place of a hand become one rectangle, the seconds another.
void AddChangedArea(std::vector<QRect>& areas, QRect area) {
    if (area.isEmpty()) {
        return;
    }
    for (auto other = areas.begin(); other != areas.end();) {
        if (other->intersects(area)) {
            area |= *other;
            areas.erase(other);
            other = areas.begin();
        } else {
            ++other;
        }
    }
    areas.push_back(area);
}

} // namespace

struct FaceRenderer::Drawing {
    const ClockSettings& settings;
    const ClockTime& time;
    const FaceInputs& in;
    IconBarFrame iconFrame;
    QSize clientSize;
    const ClockSettings& drawable;
    const AnalogSettings& analog;

    DigitalBlock DateBlock() const { return DateBlockFrom(drawable, in.placementMode); }
    DigitalBlock TimeBlock() const { return TimeBlockFrom(drawable, in.placementMode); }
};

struct FaceRenderer::Run {
    enum class Kind { KeptPart, Hand, Figure };
    RunKey key{};
    Kind kind = Kind::KeptPart;
    int part = 0;
    HandStroke hand;
    MixMode mixMode = MixMode::Copy;
    SegmentGlyph glyph;
};

FaceRenderer::FaceRenderer(QString dataFolder) : picture_(std::move(dataFolder)) {}

FaceRenderer::~FaceRenderer() = default;

void FaceRenderer::InvalidatePicture() {
    picture_.Invalidate();
    ++pictureGeneration_;
}

void FaceRenderer::FitToFace(QImage& image, const FaceInputs& in) {
    const QSize clientSize = in.clientSize.isEmpty() ? QSize(1, 1) : in.clientSize;
    const DeviceScale scale(in.devicePixelRatio);
    if (image.size() != scale.Size(clientSize) || image.format() != QImage::Format_RGB32) {
        image = QImage(scale.Size(clientSize), QImage::Format_RGB32);
    }
    image.setDevicePixelRatio(scale.Ratio());
}

void FaceRenderer::DrawBackground(QImage& image, const ClockSettings& settings) {
    const bool useColour = settings.Has(NoImage) || firstDraw_;
    firstDraw_ = false;
    layout_.pictureMissing = false;
    if (!useColour) {
        picture_.EnsureLoaded(settings.Image_File);
        const QImage& stretched = picture_.Stretched(image.size(), image.devicePixelRatio());
        if (!stretched.isNull()) {
            // Sharing the cached image's pixels makes the copy a single detach when the
            // canvas starts painting.
            image = stretched;
            return;
        }
        layout_.pictureMissing = true;
    }
    image.fill(ToQColor(settings.BG_Color));
}

void FaceRenderer::DrawPart(Canvas& canvas, int part, Drawing& drawing) {
    switch (Part(part)) {
    case Part::Dial:
        DrawDial(canvas, drawing.analog);
        break;
    case Part::Hands:
        DrawHands(canvas, drawing.analog, drawing.time);
        break;
    case Part::Date:
        layout_.dateSize = DrawDate(canvas, drawing.DateBlock(), drawing.time);
        break;
    case Part::Time:
        layout_.timeSize = DrawTime(canvas, drawing.TimeBlock(), drawing.time);
        break;
    case Part::IconBar: {
        const ClockSettings& settings = drawing.settings;
        const IconBarPlacement bar{QPoint(drawing.drawable.IconBarX, drawing.drawable.IconBarY),
                                   settings.Attrib, settings.IconBkColor,
                                   drawing.in.devicePixelRatio};
        layout_.iconBar = iconBar_.Paint(canvas, bar, drawing.in.iconBar, drawing.iconFrame);
        break;
    }
    case Part::PlacementMarks:
        DrawPlacementOverlay(canvas, drawing.in.placementMode, drawing.drawable, drawing.clientSize,
                             layout_);
        break;
    case Part::WindowEdge:
        DrawWindowEdge(canvas, drawing.clientSize,
                       StoredWindowShape(drawing.drawable.Form_Window_Type),
                       drawing.drawable.Rect_Raund_Size);
        break;
    }
}

const QImage& FaceRenderer::Compose(const ClockSettings& settings, const ClockTime& time,
                                    const FaceInputs& in) {
    ComposeWith(settings, time, in, iconBar_.NextFrame(in.iconBar));
    // Image() no longer holds what Update last made.
    shownValid_ = false;
    return work_;
}

void FaceRenderer::ComposeWith(const ClockSettings& settings, const ClockTime& time,
                               const FaceInputs& in, const IconBarFrame& iconFrame) {
    const QSize clientSize = in.clientSize.isEmpty() ? QSize(1, 1) : in.clientSize;
    FitToFace(work_, in);
    DrawBackground(work_, settings);

    QImageCanvas canvas(work_);
    const ClockSettings drawable = DrawableSettings(settings);
    const AnalogSettings analog = AnalogSettingsFrom(drawable, in.placementMode);
    Drawing drawing{settings, time, in, iconFrame, clientSize, drawable, analog};
    for (const Part part : PartsOf(settings)) {
        DrawPart(canvas, int(part), drawing);
    }
}

QRegion FaceRenderer::ComposeWhole(const ClockSettings& settings, const ClockTime& time,
                                   const FaceInputs& in, const IconBarFrame& iconFrame) {
    ComposeWith(settings, time, in, iconFrame);
    shownValid_ = false;
    return QRegion(QRect(QPoint(0, 0), in.clientSize.expandedTo(QSize(1, 1))));
}

FaceRenderer::KeptInputs FaceRenderer::KeptInputsOf(const ClockSettings& settings,
                                                    const ClockTime& time, const FaceInputs& in,
                                                    const IconBarFrame& iconFrame) const {
    ClockTime date = time;
    date.hour = date.minute = date.second = date.millisecond = 0;
    return KeptInputs{settings,
                      in.clientSize,
                      in.devicePixelRatio,
                      date,
                      IconBarSnapshot::Of(in.iconBar),
                      IconBar::VisibleFrame(iconFrame, in.iconBar),
                      pictureGeneration_};
}

void FaceRenderer::KeepLowerParts(const ClockSettings& settings, const ClockTime& time,
                                  const FaceInputs& in, const IconBarFrame& iconFrame) {
    const QSize clientSize = in.clientSize;
    stamps_.clear();
    shownValid_ = false;
    wholeEverySecond_ = false;
    FitToFace(lower_, in);
    recorder_.Resize(lower_.size(), lower_.devicePixelRatio());
    DrawBackground(lower_, settings);
    keptDrawable_ = DrawableSettings(settings);
    keptAnalog_ = AnalogSettingsFrom(keptDrawable_, in.placementMode);

    const PartOrder parts = PartsOf(settings);
    const auto firstEverySecond = std::find_if(parts.begin(), parts.end(), ChangesEverySecond);
    if (firstEverySecond == parts.begin()) {
        return;
    }
    QImageCanvas canvas(lower_);
    Drawing drawing{settings, time, in, iconFrame, clientSize, keptDrawable_, keptAnalog_};
    for (auto part = parts.begin(); part != firstEverySecond; ++part) {
        DrawPart(canvas, int(*part), drawing);
    }
}

bool FaceRenderer::UpperRuns(Drawing& drawing, std::vector<Run>& runs) {
    const PartOrder parts = PartsOf(drawing.settings);
    const auto firstEverySecond = std::find_if(parts.begin(), parts.end(), ChangesEverySecond);
    for (auto part = firstEverySecond; part != parts.end(); ++part) {
        switch (*part) {
        case Part::Hands: {
            const HandStrokes hands = HandStrokesAt(drawing.analog, drawing.time);
            for (int i = 0; i < hands.count; ++i) {
                Run run;
                run.kind = Run::Kind::Hand;
                run.hand = hands.hands[i];
                run.mixMode = hands.mixMode;
                const std::array<QPoint, 5> kite = HandGeometry(
                    run.hand.kind, run.hand.length, drawing.analog.centre, run.hand.angle);
                run.key = {HandRun, int(run.hand.kind)};
                for (int corner = 0; corner < 5; ++corner) {
                    run.key[2 + 2 * corner] = kite[corner].x();
                    run.key[3 + 2 * corner] = kite[corner].y();
                }
                runs.push_back(run);
            }
            break;
        }
        case Part::Time: {
            const DigitalBlock block = drawing.TimeBlock();
            if (block.style == DigitStyle::Font) {
                return false; // smoothed text
            }
            const SegmentTimeLayout layout = LayOutSegmentTime(block, drawing.time);
            layout_.timeSize = layout.size;
            for (int i = 0; i < layout.count; ++i) {
                Run run;
                run.kind = Run::Kind::Figure;
                run.glyph = layout.glyphs[i];
                run.key = {FigureRun,          int(run.glyph.kind), run.glyph.value,
                           run.glyph.cell.x(), run.glyph.cell.y(),  run.glyph.metrics.base};
                runs.push_back(run);
            }
            break;
        }
        case Part::PlacementMarks:
            // Nothing to mark: a part being placed is composed whole.
            break;
        default: {
            Run run;
            run.kind = Run::Kind::KeptPart;
            run.part = int(*part);
            run.key = {KeptPartRun, int(*part)};
            runs.push_back(run);
            break;
        }
        }
    }
    return true;
}

void FaceRenderer::DrawRun(Canvas& canvas, const Run& run, Drawing& drawing) {
    switch (run.kind) {
    case Run::Kind::Hand:
        DrawHandStroke(canvas, drawing.analog, run.mixMode, run.hand);
        break;
    case Run::Kind::Figure:
        DrawSegmentGlyph(canvas, drawing.TimeBlock(), run.glyph);
        break;
    case Run::Kind::KeptPart:
        DrawPart(canvas, run.part, drawing);
        break;
    }
}

const PixelStamp* FaceRenderer::StampOf(const Run& run, Drawing& drawing) {
    if (auto found = stamps_.find(run.key); found != stamps_.end()) {
        found->second.lastUsed = updateCount_;
        return &found->second.stamp;
    }
    std::optional<PixelStamp> recorded =
        recorder_.Record([&](Canvas& canvas) { DrawRun(canvas, run, drawing); });
    if (!recorded) {
        return nullptr;
    }
    if (stamps_.size() >= StampsKept) {
        std::erase_if(stamps_, [this](const auto& entry) {
            return entry.second.lastUsed + RecentUpdates < updateCount_;
        });
    }
    const auto added = stamps_.emplace(run.key, KeptStamp{std::move(*recorded), updateCount_});
    return &added.first->second.stamp;
}

QRegion FaceRenderer::Update(const ClockSettings& settings, const ClockTime& time,
                             const FaceInputs& in) {
    const IconBarFrame iconFrame = iconBar_.NextFrame(in.iconBar);
    if (firstDraw_ || in.placementMode != PlacementNone || in.clientSize.isEmpty()) {
        kept_.reset();
        return ComposeWhole(settings, time, in, iconFrame);
    }
    ++updateCount_;
    KeptInputs inputs = KeptInputsOf(settings, time, in, iconFrame);
    const bool rebuild = !(kept_ == inputs);
    if (rebuild) {
        KeepLowerParts(settings, time, in, iconFrame);
    }
    QRegion changed;
    if (wholeEverySecond_) {
        changed = ComposeWhole(settings, time, in, iconFrame);
    } else {
        changed = ReplayUpperRuns(settings, time, in, iconFrame);
    }
    if (rebuild) {
        // The caller stores this draw's layout before the next update, which then finds the
        // settings unchanged.
        layout_.StoreIn(inputs.settings);
        kept_ = std::move(inputs);
    }
    return changed;
}

namespace {

// Whether the list holds the key; most often at the same place as in the other list.
template <class List, class Key> bool Holds(const List& list, std::size_t place, const Key& key) {
    if (place < list.size() && list[place].key == key) {
        return true;
    }
    return std::any_of(list.begin(), list.end(),
                       [&key](const auto& run) { return run.key == key; });
}

} // namespace

QRegion FaceRenderer::ReplayUpperRuns(const ClockSettings& settings, const ClockTime& time,
                                      const FaceInputs& in, const IconBarFrame& iconFrame) {
    // The settings are those the kept parts were drawn from.
    Drawing drawing{settings, time, in, iconFrame, in.clientSize, keptDrawable_, keptAnalog_};
    runs_.clear();
    shown_.clear();
    const bool stampable = UpperRuns(drawing, runs_);
    if (stampable) {
        for (const Run& run : runs_) {
            const PixelStamp* stamp = StampOf(run, drawing);
            if (stamp == nullptr) {
                break;
            }
            shown_.push_back(ShownRun{run.key, stamp->Area(), stamp});
        }
    }
    if (!stampable || shown_.size() != runs_.size()) {
        wholeEverySecond_ = true;
        return ComposeWhole(settings, time, in, iconFrame);
    }

    changed_.clear();
    if (!shownValid_ || work_.size() != lower_.size() || work_.format() != QImage::Format_RGB32 ||
        work_.devicePixelRatio() != lower_.devicePixelRatio()) {
        work_ = QImage(lower_.size(), QImage::Format_RGB32);
        work_.setDevicePixelRatio(lower_.devicePixelRatio());
        changed_.push_back(work_.rect());
    } else {
        // Only the pixels of runs that came or went can differ.
        for (std::size_t i = 0; i < shown_.size(); ++i) {
            if (!Holds(shownBefore_, i, shown_[i].key)) {
                AddChangedArea(changed_, shown_[i].area);
            }
        }
        for (std::size_t i = 0; i < shownBefore_.size(); ++i) {
            if (!Holds(shown_, i, shownBefore_[i].key)) {
                AddChangedArea(changed_, shownBefore_[i].area);
            }
        }
    }
    // In device pixels until the end.
    QRegion region;
    uchar* const bits = work_.bits();
    const qsizetype bytesPerLine = work_.bytesPerLine();
    for (const QRect& area : changed_) {
        const QRect rows = area & work_.rect();
        for (int y = rows.top(); y <= rows.bottom(); ++y) {
            std::memcpy(bits + y * bytesPerLine + rows.left() * 4,
                        lower_.constScanLine(y) + rows.left() * 4, std::size_t(rows.width()) * 4);
        }
        for (const ShownRun& run : shown_) {
            run.stamp->ApplyTo(work_, rows);
        }
        region += rows;
    }
    std::swap(shownBefore_, shown_);
    shownValid_ = true;
    return DeviceScale(in.devicePixelRatio).LogicalCover(region);
}
