// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/stamp_recorder.h"

#include "core/device_scale.h"
#include "platform/qimage_canvas.h"

#include <algorithm>

namespace {

// Passes every operation to a canvas and notes where it may have drawn (in logical pixels),
// whether it blended and whether it replaced any pixel. The rectangles are generous: a wide
// pen's mitred corner reaches out by up to the pen's width.
class ProbeCanvas : public Canvas {
public:
    explicit ProbeCanvas(Canvas& target) : target_(target) {}

    QRect Touched() const { return touched_; }
    bool Blends() const { return blends_; }
    // Whether anything was drawn in the copy mode; a run that only ORs needs no white copy.
    bool Replaces() const { return replaces_; }

    QSize Size() const override { return target_.Size(); }

    void SetPen(Colour colour, int width, PenStyle style) override {
        penWidth_ = std::max(width, 1);
        target_.SetPen(colour, width, style);
    }
    void SetBrush(Colour colour, BrushStyle style) override { target_.SetBrush(colour, style); }
    void SetMixMode(MixMode mode) override {
        mixMode_ = mode;
        target_.SetMixMode(mode);
    }
    void SetFont(const CanvasFont& font) override { target_.SetFont(font); }

    void Polygon(std::span<const QPoint> points) override {
        TouchStroked(PointsBox(points));
        target_.Polygon(points);
    }
    void Polyline(std::span<const QPoint> points) override {
        TouchStroked(PointsBox(points));
        target_.Polyline(points);
    }
    void Line(QPoint from, QPoint to) override {
        TouchStroked(QRect(from, to).normalized());
        target_.Line(from, to);
    }
    void Ellipse(int left, int top, int right, int bottom) override {
        TouchStroked(Box(left, top, right, bottom));
        target_.Ellipse(left, top, right, bottom);
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        TouchStroked(Box(left, top, right, bottom));
        target_.Rectangle(left, top, right, bottom);
    }
    void RoundRectangle(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) override {
        TouchStroked(Box(left, top, right, bottom));
        target_.RoundRectangle(left, top, right, bottom, cornerWidth, cornerHeight);
    }

    // Fills, pictures and text always copy, whatever the mix mode.
    void FillRectangle(const QRect& area, Colour colour) override {
        TouchCopied(area.normalized().adjusted(-1, -1, 1, 1));
        target_.FillRectangle(area, colour);
    }
    void StretchImage(const QImage& image, const QRect& target,
                      std::optional<Colour> transparent) override {
        blends_ = blends_ || image.hasAlphaChannel();
        TouchCopied(target.normalized().adjusted(-1, -1, 1, 1));
        target_.StretchImage(image, target, transparent);
    }
    void DrawImage(QPoint topLeft, const QImage& image) override {
        blends_ = blends_ || image.hasAlphaChannel();
        TouchCopied(QRect(topLeft, image.size()).adjusted(-1, -1, 1, 1));
        target_.DrawImage(topLeft, image);
    }
    void TextOut(QPoint topLeft, const QString& text, TextBackground background,
                 Colour backgroundColour) override {
        // Smoothed glyph edges mix the text colour with what lies beneath.
        blends_ = true;
        target_.TextOut(topLeft, text, background, backgroundColour);
    }
    QSize TextExtent(const QString& text) const override { return target_.TextExtent(text); }

private:
    static QRect Box(int left, int top, int right, int bottom) {
        return QRect(QPoint(left, top), QPoint(right, bottom)).normalized();
    }
    void TouchStroked(const QRect& box) {
        const int reach = 2 * penWidth_ + 2;
        touched_ |= box.adjusted(-reach, -reach, reach, reach);
        replaces_ = replaces_ || mixMode_ == MixMode::Copy;
    }
    void TouchCopied(const QRect& box) {
        touched_ |= box;
        replaces_ = true;
    }

    Canvas& target_;
    int penWidth_ = 1;
    MixMode mixMode_ = MixMode::Copy;
    QRect touched_;
    bool blends_ = false;
    bool replaces_ = false;
};

constexpr QRgb Black = 0xFF000000u;
constexpr QRgb White = 0xFFFFFFFFu;

} // namespace

StampRecorder::StampRecorder() = default;
StampRecorder::~StampRecorder() = default;

void StampRecorder::Resize(QSize deviceSize, qreal devicePixelRatio) {
    if (deviceSize == overBlack_.size() && devicePixelRatio == overBlack_.devicePixelRatio() &&
        blackCanvas_) {
        return;
    }
    blackCanvas_.reset();
    whiteCanvas_.reset();
    overBlack_ = QImage(deviceSize, QImage::Format_RGB32);
    overWhite_ = QImage(deviceSize, QImage::Format_RGB32);
    overBlack_.setDevicePixelRatio(devicePixelRatio);
    overWhite_.setDevicePixelRatio(devicePixelRatio);
    overBlack_.fill(Black);
    overWhite_.fill(White);
    blackCanvas_ = std::make_unique<QImageCanvas>(overBlack_);
    whiteCanvas_ = std::make_unique<QImageCanvas>(overWhite_);
}

void StampRecorder::Clear(const QRect& area, Pictures pictures) {
    const QRect rows = area & overBlack_.rect();
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        auto* black = reinterpret_cast<QRgb*>(overBlack_.scanLine(y));
        std::fill(black + rows.left(), black + rows.right() + 1, Black);
        if (pictures == Pictures::Both) {
            auto* white = reinterpret_cast<QRgb*>(overWhite_.scanLine(y));
            std::fill(white + rows.left(), white + rows.right() + 1, White);
        }
    }
}

std::optional<PixelStamp> StampRecorder::Record(const std::function<void(Canvas&)>& run) {
    if (!blackCanvas_) {
        return std::nullopt;
    }
    const auto drawOn = [&run](QImageCanvas& canvas) {
        canvas.SetPen(0, 1, PenStyle::Solid);
        canvas.SetBrush(0xFFFFFF, BrushStyle::Solid);
        canvas.SetMixMode(MixMode::Copy);
        ProbeCanvas probe(canvas);
        run(probe);
        return probe;
    };
    const ProbeCanvas overBlack = drawOn(*blackCanvas_);
    if (overBlack.Blends()) {
        // Text has no reliable box; start again from a clean picture.
        Clear(overBlack_.rect(), Pictures::BlackOnly);
        return std::nullopt;
    }
    const QRect touched =
        DeviceScale(overBlack_.devicePixelRatio()).Rect(overBlack.Touched()) & overBlack_.rect();
    if (!overBlack.Replaces()) {
        PixelStamp stamp = PixelStamp::ReadOred(overBlack_, touched);
        Clear(touched, Pictures::BlackOnly);
        return stamp;
    }
    drawOn(*whiteCanvas_);
    PixelStamp stamp = PixelStamp::Read(overBlack_, overWhite_, touched);
    Clear(touched, Pictures::Both);
    return stamp;
}
