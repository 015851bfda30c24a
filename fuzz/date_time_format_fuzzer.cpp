// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The time and date format pictures with any picture text, any format index and any
// (also impossible) time fields.
#include "face/date_time_format.h"
#include "fuzz_application.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApplication::Ensure();
    FuzzedDataProvider input(data, size);
    ClockTime time;
    time.year = input.ConsumeIntegral<int>();
    time.month = input.ConsumeIntegral<int>();
    time.day = input.ConsumeIntegral<int>();
    time.hour = input.ConsumeIntegral<int>();
    time.minute = input.ConsumeIntegral<int>();
    time.second = input.ConsumeIntegral<int>();
    time.millisecond = input.ConsumeIntegral<int>();
    time.dayOfWeek = input.ConsumeIntegral<int>();
    const int timeIndex = input.ConsumeIntegral<int>();
    const int dateIndex = input.ConsumeIntegral<int>();
    const std::string picture = input.ConsumeRemainingBytesAsString();

    FormatTimeText(timeIndex, time);
    FormatDateText(dateIndex, time);
    TimeFormatPicture(timeIndex);
    FormatPicture(QString::fromUtf8(picture.data(), qsizetype(picture.size())), time);
    return 0;
}
