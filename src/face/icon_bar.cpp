// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/icon_bar.h"

#include "core/device_scale.h"
#include "face/default_icons.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int WorkImageSize = 32;
constexpr int LargeIconSize = 36;
constexpr int SmallIconSize = 20;

bool AnyAccountFailed(const AccountTable* accounts) {
    if (accounts == nullptr) {
        return false;
    }
    for (const MailAccount& account : accounts->entries) {
        if (account.Has(CheckOn) && account.ErrorCode != 0) {
            return true;
        }
    }
    return false;
}

// The scratch image an icon is put together in. At ratio 1 it has the icons' own 32 × 32
// pixels and is stretched onto the square; on a denser face it has the square's device pixels,
// the icons are scaled smoothly into it and it comes onto the face pixel for pixel.
QSize WorkImageSizeFor(const IconBarPlacement& placement, const QRect& square) {
    const DeviceScale scale(placement.devicePixelRatio);
    return scale.IsIdentity() ? QSize(WorkImageSize, WorkImageSize) : scale.Rect(square).size();
}

} // namespace

IconBar::IconBar() : workImage_(WorkImageSize, WorkImageSize, QImage::Format_RGB32) {}

void IconBar::BeginIcon(Canvas& canvas, const IconBarPlacement& placement, const QRect& square) {
    const QSize workSize = WorkImageSizeFor(placement, square);
    if (workImage_.size() != workSize) {
        workImage_ = QImage(workSize, QImage::Format_RGB32);
    }
    workImage_.fill(ToQColor(placement.fillColour));
    if ((placement.attrib & IconBkFill) != 0) {
        canvas.FillRectangle(square, placement.fillColour);
    }
}

void IconBar::Layer(Canvas& canvas, const IconBarPlacement& placement, const QImage& image,
                    const QRect& square) {
    if (!image.isNull()) {
        QPainter painter(&workImage_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform,
                              !DeviceScale(placement.devicePixelRatio).IsIdentity());
        painter.drawImage(workImage_.rect(), image);
    }
    // The scratch image's bottom-left colour is see-through, so the fill colour around the
    // artwork does not cover the face.
    const Colour transparent = FromQColor(workImage_.pixelColor(0, workImage_.height() - 1));
    canvas.StretchImage(workImage_, square, transparent);
}

void IconBar::DrawStatusIcon(Canvas& canvas, const IconBarPlacement& placement,
                             const IconBarSources& sources, const IconBarFrame& frame,
                             const QRect& square) {
    const auto layer = [&](int icon) {
        Layer(canvas, placement, BuiltInIcon(icon, placement.devicePixelRatio), square);
    };
    BeginIcon(canvas, placement, square);
    layer(StatusIcon);
    if (sources.mailCheckRunning) {
        layer(MailCheckMark);
    }
    if (sources.manualCorrectionRunning) {
        layer(CorrectionMark);
    }
    const bool busy = sources.mailCheckRunning || sources.manualCorrectionRunning;
    if (busy) {
        layer(frame.activityFrame);
    }
    if (AnyAccountFailed(sources.accounts) || sources.correctionError) {
        layer(ErrorMark);
    }
}

void IconBar::DrawAccountIcon(Canvas& canvas, const IconBarPlacement& placement,
                              const IconBarSources& sources, const IconBarFrame& frame,
                              const MailAccount& account, const QRect& square) {
    BeginIcon(canvas, placement, square);
    const QImage* image = &BuiltInIcon(DefaultMailIcon, placement.devicePixelRatio);
    if (!account.Has(DefaultIcon) && sources.accountImages != nullptr && account.ImageIndex >= 0 &&
        account.ImageIndex < int(sources.accountImages->size())) {
        image = &(*sources.accountImages)[account.ImageIndex];
    }
    Layer(canvas, placement, *image, square);
    if (account.Has(BlinkCount) && frame.blinkPhase == -1) {
        return;
    }
    const QString count = QString::number(account.MessageCount);
    canvas.SetFont(CanvasFont{QString::fromUtf16(u"ＭＳ Ｐゴシック"), 10, account.TextColor, 0});
    const QSize extent = canvas.TextExtent(count);
    canvas.TextOut(
        QPoint(square.right() + 1 - extent.width(), square.bottom() + 1 - extent.height()), count,
        TextBackground::Opaque, account.TextBKColor);
}

IconBarFrame IconBar::NextFrame(const IconBarSources& sources) {
    IconBarFrame frame;
    frame.activityFrame = activityFrame_;
    const bool busy = sources.mailCheckRunning || sources.manualCorrectionRunning;
    activityFrame_ = busy ? (activityFrame_ + 1) % 3 : 0;
    if (BlinkTurns(blinkMailTickCount_, sources.mailTickCount)) {
        blinkPhase_ = -blinkPhase_;
    }
    blinkMailTickCount_ = sources.mailTickCount;
    frame.blinkPhase = blinkPhase_;
    return frame;
}

IconBarFrame IconBar::VisibleFrame(const IconBarFrame& frame, const IconBarSources& sources) {
    IconBarFrame visible;
    if (sources.mailCheckRunning || sources.manualCorrectionRunning) {
        visible.activityFrame = frame.activityFrame;
    }
    if (sources.accounts != nullptr) {
        const int configured = std::clamp(sources.accountListCount, 0, AccountTable::Capacity);
        for (int slot = 0; slot < configured; ++slot) {
            const MailAccount& account = sources.accounts->entries[slot];
            if (account.MessageCount > 0 && account.Has(BlinkCount)) {
                visible.blinkPhase = frame.blinkPhase;
            }
        }
    }
    return visible;
}

IconBarSnapshot IconBarSnapshot::Of(const IconBarSources& sources) {
    IconBarSnapshot snapshot;
    snapshot.mailCheckRunning = sources.mailCheckRunning;
    snapshot.manualCorrectionRunning = sources.manualCorrectionRunning;
    snapshot.correctionError = sources.correctionError;
    snapshot.hasScheduleToday = sources.hasScheduleToday;
    snapshot.accountListCount = sources.accountListCount;
    snapshot.hasAccounts = sources.accounts != nullptr;
    if (sources.accounts != nullptr) {
        std::transform(sources.accounts->entries.begin(), sources.accounts->entries.end(),
                       snapshot.accounts.begin(), [](const MailAccount& account) {
                           return ShownAccount{account.Attribute, account.MessageCount,
                                               account.ErrorCode, account.ImageIndex,
                                               account.TextColor, account.TextBKColor};
                       });
    }
    if (sources.accountImages != nullptr) {
        for (const QImage& image : *sources.accountImages) {
            snapshot.accountImageKeys.push_back(image.cacheKey());
        }
    }
    return snapshot;
}

IconBarLayout IconBar::Paint(Canvas& canvas, const IconBarPlacement& placement,
                             const IconBarSources& sources, const IconBarFrame& frame) {
    const int size = (placement.attrib & LargeIcon) != 0 ? LargeIconSize : SmallIconSize;
    int x = placement.topLeft.x();
    const int y = placement.topLeft.y();
    int iconCount = 0;
    const auto nextSquare = [&] {
        const QRect square(x, y, size, size);
        x += size;
        ++iconCount;
        return square;
    };

    DrawStatusIcon(canvas, placement, sources, frame, nextSquare());
    if (sources.hasScheduleToday) {
        const QRect square = nextSquare();
        BeginIcon(canvas, placement, square);
        Layer(canvas, placement, BuiltInIcon(ScheduleIcon, placement.devicePixelRatio), square);
    }
    if (sources.accounts != nullptr) {
        const int configured = std::min(sources.accountListCount, AccountTable::Capacity);
        for (int slot = 0; slot < configured; ++slot) {
            const MailAccount& account = sources.accounts->entries[slot];
            if (account.MessageCount > 0) {
                DrawAccountIcon(canvas, placement, sources, frame, account, nextSquare());
            }
        }
    }
    return IconBarLayout{size, size * iconCount + 2, size + 2, iconCount};
}
