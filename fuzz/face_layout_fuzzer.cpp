// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole face composed from settings filled with arbitrary values: sizes, positions,
// lengths, format indices and colours at their extremes, on small client areas so that
// each input stays quick.
#include "face/face_renderer.h"
#include "fuzz_application.h"

#include <climits>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Stored numbers come from a file a person may edit: the extremes matter most.
int StoredNumber(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 7)) {
    case 0:
        return 0;
    case 1:
        return -1;
    case 2:
        return INT_MIN;
    case 3:
        return INT_MAX;
    case 4:
        return input.ConsumeIntegralInRange(-300, 300);
    case 5:
        return input.ConsumeIntegralInRange(0, 100);
    case 6:
        return input.ConsumeIntegralInRange(1 << 16, 1 << 24);
    default:
        return input.ConsumeIntegral<int>();
    }
}

Colour StoredColour(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return 0xFFFFFFFFu;
    case 1:
        return 0x80000000u | input.ConsumeIntegral<std::uint8_t>();
    default:
        return input.ConsumeIntegral<std::uint32_t>();
    }
}

constexpr int ClockSettings::*kNumbers[] = {
    &ClockSettings::Width,
    &ClockSettings::Height,
    &ClockSettings::SL_Size,
    &ClockSettings::SE_Size,
    &ClockSettings::SS_Size,
    &ClockSettings::Line_Width,
    &ClockSettings::Mem_Interval,
    &ClockSettings::MemPoint_Design,
    &ClockSettings::LongLength,
    &ClockSettings::ShortLength,
    &ClockSettings::SecondLength,
    &ClockSettings::HandCenterX,
    &ClockSettings::HandCenterY,
    &ClockSettings::FontSize,
    &ClockSettings::FontStyle,
    &ClockSettings::Digi_x,
    &ClockSettings::Digi_y,
    &ClockSettings::Digi_Size,
    &ClockSettings::Digi_Width,
    &ClockSettings::DigiTimeFontSize,
    &ClockSettings::DigiTimeFontStyle,
    &ClockSettings::DigiTimeDispType,
    &ClockSettings::Date_Size,
    &ClockSettings::Date_Width,
    &ClockSettings::Date_x,
    &ClockSettings::Date_y,
    &ClockSettings::DigiDateFontSize,
    &ClockSettings::DigiDateFontStyle,
    &ClockSettings::DigiDateDispType,
    &ClockSettings::Form_Window_Type,
    &ClockSettings::Rect_Raund_Size,
    &ClockSettings::WindowEdgeSize,
    &ClockSettings::WindowEdgeShadowSize,
    &ClockSettings::IconBarX,
    &ClockSettings::IconBarY,
    &ClockSettings::AccountListCount,
};

constexpr Colour ClockSettings::*kColours[] = {
    &ClockSettings::SL_Color,
    &ClockSettings::SL_In_Color,
    &ClockSettings::SE_Color,
    &ClockSettings::SE_In_Color,
    &ClockSettings::SS_Color,
    &ClockSettings::SM_Color,
    &ClockSettings::SM_Point_Color,
    &ClockSettings::BG_Color,
    &ClockSettings::FontColor,
    &ClockSettings::Digi_Color,
    &ClockSettings::Digi_Edge_Color,
    &ClockSettings::DigiTimeFontColor,
    &ClockSettings::Date_Color,
    &ClockSettings::Date_Edge_Color,
    &ClockSettings::DigiDateFontColor,
    &ClockSettings::WindowEdgeColor,
    &ClockSettings::WindowEdgeShadowColor,
    &ClockSettings::IconBkColor,
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApplication::Ensure();
    FuzzedDataProvider input(data, size);
    ClockSettings settings;
    settings.FontName = settings.DigiTimeFontName = settings.DigiDateFontName =
        QString::fromUtf16(u"ＭＳ Ｐ明朝");
    settings.Attrib = input.ConsumeIntegral<std::uint32_t>();
    for (int ClockSettings::*field : kNumbers) {
        settings.*field = StoredNumber(input);
    }
    for (Colour ClockSettings::*field : kColours) {
        settings.*field = StoredColour(input);
    }

    FaceInputs in;
    in.clientSize = QSize(input.ConsumeIntegralInRange(0, 48), input.ConsumeIntegralInRange(0, 48));
    in.placementMode = PlacementMode(input.ConsumeIntegralInRange(0, 4));
    AccountTable accounts;
    for (MailAccount& account : accounts.entries) {
        account.Attribute = input.ConsumeIntegral<int>();
        account.ImageIndex = StoredNumber(input);
        account.MessageCount = StoredNumber(input);
        account.NewMail = input.ConsumeIntegralInRange(0, 1);
        account.TextColor = StoredColour(input);
        account.TextBKColor = StoredColour(input);
    }
    const std::vector<QImage> images(2, QImage(16, 16, QImage::Format_RGB32));
    in.iconBar.accounts = &accounts;
    in.iconBar.accountListCount = settings.AccountListCount;
    in.iconBar.accountImages = &images;
    in.iconBar.mailCheckRunning = input.ConsumeBool();
    in.iconBar.correctionError = input.ConsumeBool();
    in.iconBar.hasScheduleToday = input.ConsumeBool();
    in.iconBar.mailTickCount = input.ConsumeIntegral<std::uint32_t>();

    ClockTime time;
    time.year = input.ConsumeIntegralInRange(1, 9999);
    time.month = input.ConsumeIntegralInRange(1, 12);
    time.day = input.ConsumeIntegralInRange(1, 28);
    time.hour = input.ConsumeIntegralInRange(0, 23);
    time.minute = input.ConsumeIntegralInRange(0, 59);
    time.second = input.ConsumeIntegralInRange(0, 59);
    time.millisecond = input.ConsumeIntegralInRange(0, 999);
    time.dayOfWeek = input.ConsumeIntegralInRange(1, 7);

    // The first draw shows only the background colour; the second draws every part.
    FaceRenderer renderer;
    renderer.Compose(settings, time, in);
    renderer.Compose(settings, time, in);
    return 0;
}
