// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/canvas.h"

#include <QList>
#include <vector>

// A Canvas that remembers what was drawn, with the pen and brush in effect, so tests can
// check geometry and draw order without looking at pixels.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Polygon, Polyline, Line, Ellipse, Rectangle, RoundRectangle, Text, Stretch };
    struct Call {
        Kind kind;
        std::vector<QPoint> points; // the corners for boxes, the origin for text
        Colour penColour;
        int penWidth;
        PenStyle penStyle;
        Colour brushColour;
        BrushStyle brushStyle;
        MixMode mixMode;
        QString text;
    };

    explicit RecordingCanvas(QSize size = QSize(320, 200)) : size_(size) {}

    QSize Size() const override { return size_; }
    void SetPen(Colour colour, int width, PenStyle style) override {
        penColour_ = colour;
        penWidth_ = width;
        penStyle_ = style;
    }
    void SetBrush(Colour colour, BrushStyle style) override {
        brushColour_ = colour;
        brushStyle_ = style;
    }
    void SetMixMode(MixMode mode) override { mixMode_ = mode; }
    void SetFont(const CanvasFont&) override {}
    void Polygon(std::span<const QPoint> points) override { Record(Kind::Polygon, points); }
    void Polyline(std::span<const QPoint> points) override { Record(Kind::Polyline, points); }
    void Line(QPoint from, QPoint to) override {
        const QPoint points[] = {from, to};
        Record(Kind::Line, points);
    }
    void Ellipse(int left, int top, int right, int bottom) override {
        RecordBox(Kind::Ellipse, left, top, right, bottom);
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        RecordBox(Kind::Rectangle, left, top, right, bottom);
    }
    void RoundRectangle(int left, int top, int right, int bottom, int, int) override {
        RecordBox(Kind::RoundRectangle, left, top, right, bottom);
    }
    void FillRectangle(const QRect&, Colour) override {}
    void StretchImage(const QImage&, const QRect& target, std::optional<Colour>) override {
        RecordBox(Kind::Stretch, target.left(), target.top(), target.right() + 1,
                  target.bottom() + 1);
    }
    void DrawImage(QPoint, const QImage&) override {}
    void TextOut(QPoint topLeft, const QString& text, TextBackground, Colour) override {
        const QPoint points[] = {topLeft};
        Record(Kind::Text, points);
        calls.back().text = text;
    }
    // Every character is 10 × 20, which makes centring easy to check.
    QSize TextExtent(const QString& text) const override {
        return QSize(10 * int(text.size()), 20);
    }

    std::vector<Call> Of(Kind kind) const {
        std::vector<Call> found;
        for (const Call& call : calls) {
            if (call.kind == kind) {
                found.push_back(call);
            }
        }
        return found;
    }

    std::vector<Call> calls;

private:
    void Record(Kind kind, std::span<const QPoint> points) {
        calls.push_back(Call{kind,
                             std::vector<QPoint>(points.begin(), points.end()),
                             penColour_,
                             penWidth_,
                             penStyle_,
                             brushColour_,
                             brushStyle_,
                             mixMode_,
                             {}});
    }
    void RecordBox(Kind kind, int left, int top, int right, int bottom) {
        const QPoint points[] = {{left, top}, {right, bottom}};
        Record(kind, points);
    }

    QSize size_;
    Colour penColour_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    Colour brushColour_ = 0;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    MixMode mixMode_ = MixMode::Copy;
};
