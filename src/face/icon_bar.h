// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/canvas.h"
#include "settings/clock_settings.h"
#include "settings/mail_account.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

// The run-time state of the mail check, the clock correction and the schedules that the icon
// bar shows. The clock window fills it before each draw; with nothing configured it is all
// zero and the bar is the status icon alone.
struct IconBarSources {
    bool mailCheckRunning = false;
    bool manualCorrectionRunning = false;
    bool correctionError = false;
    bool hasScheduleToday = false;
    // Quarter seconds counted by the mail check; the blink turns as it passes each fourth.
    std::uint32_t mailTickCount = 0;
    const AccountTable* accounts = nullptr;
    int accountListCount = 0;
    // The accounts' own bitmaps, indexed by MailAccount::ImageIndex.
    const std::vector<QImage>* accountImages = nullptr;
};

// What the bar shows of its sources, as a value: two equal snapshots paint the same bar in
// the same frame. Of the accounts only the fields the bar shows count, so the texts of a mail
// check (results, passwords, servers) do not; the accounts' own bitmaps count by identity.
struct IconBarSnapshot {
    struct ShownAccount {
        int attribute = 0;
        int messageCount = 0;
        int errorCode = 0;
        int imageIndex = 0;
        Colour textColour = 0;
        Colour textBackground = 0;

        bool operator==(const ShownAccount&) const = default;
    };

    bool mailCheckRunning = false;
    bool manualCorrectionRunning = false;
    bool correctionError = false;
    bool hasScheduleToday = false;
    int accountListCount = 0;
    bool hasAccounts = false;
    std::array<ShownAccount, AccountTable::Capacity> accounts{};
    std::vector<qint64> accountImageKeys; // QImage::cacheKey of each bitmap

    static IconBarSnapshot Of(const IconBarSources& sources);

    bool operator==(const IconBarSnapshot&) const = default;
};

// Where the bar is drawn and how: a copy of the settings' values so the dialog preview can
// pass its own.
struct IconBarPlacement {
    QPoint topLeft;
    std::uint32_t attrib = 0;
    Colour fillColour = 0;
    qreal devicePixelRatio = 1; // of the canvas, which picks the icons' detail
};

// What the bar measured; the clock keeps it in IconWidth, IconHeight and IconBarWidth.
struct IconBarLayout {
    int iconSize = 0;
    int barWidth = 0;
    int barHeight = 0;
    int iconCount = 0;

    bool operator==(const IconBarLayout&) const = default;
};

// Which step of its animations one draw of the bar shows.
struct IconBarFrame {
    int activityFrame = 0;
    int blinkPhase = 1;

    bool operator==(const IconBarFrame&) const = default;
};

// Draws the bar: status icon with its overlays, the schedule icon, and one icon per account
// holding messages with the count at its bottom-right corner. Keeps the blink phase and the
// activity animation frame between draws.
class IconBar {
public:
    IconBar();

    // The animations advance once per draw of the face; the frame they reached may be
    // painted more than once.
    IconBarFrame NextFrame(const IconBarSources& sources);
    IconBarLayout Paint(Canvas& canvas, const IconBarPlacement& placement,
                        const IconBarSources& sources, const IconBarFrame& frame);
    // The frame with the steps that show nothing at the moment set to their rest, so that
    // equal results mean equal pictures: the activity mark shows only while a job runs, the
    // blink only on an account count that blinks.
    static IconBarFrame VisibleFrame(const IconBarFrame& frame, const IconBarSources& sources);
    // Whether the blink turns between two readings of the mail check's count: it turns each
    // time the count passes a multiple of four, one second however often the bar is drawn.
    static bool BlinkTurns(std::uint32_t previousMailTickCount, std::uint32_t mailTickCount) {
        return previousMailTickCount / 4 != mailTickCount / 4;
    }

    int BlinkPhase() const { return blinkPhase_; }
    int ActivityFrame() const { return activityFrame_; }

private:
    // Starts a new icon: the scratch image in the fill colour and, with IconBkFill, the
    // square on the face too.
    void BeginIcon(Canvas& canvas, const IconBarPlacement& placement, const QRect& square);
    // Draws an image over the scratch image and stretches the scratch image onto the square.
    void Layer(Canvas& canvas, const IconBarPlacement& placement, const QImage& image,
               const QRect& square);
    void DrawStatusIcon(Canvas& canvas, const IconBarPlacement& placement,
                        const IconBarSources& sources, const IconBarFrame& frame,
                        const QRect& square);
    void DrawAccountIcon(Canvas& canvas, const IconBarPlacement& placement,
                         const IconBarSources& sources, const IconBarFrame& frame,
                         const MailAccount& account, const QRect& square);

    QImage workImage_;
    int blinkPhase_ = 1;
    std::uint32_t blinkMailTickCount_ = 0; // the count the blink last looked at
    int activityFrame_ = 0;
};
