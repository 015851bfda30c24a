// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/japanese_calendar.h"

#include <QDate>
#include <memory>
#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/timezone.h>

namespace {

QString FromUnicode(const icu::UnicodeString& text) {
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

struct IcuJapanese {
    std::unique_ptr<icu::Calendar> calendar;
    std::unique_ptr<icu::DateFormatSymbols> eraSymbols;
    std::unique_ptr<icu::DateFormatSymbols> weekdaySymbols;

    IcuJapanese() {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Locale japanese("ja_JP@calendar=japanese");
        // Dates are placed at noon UTC and read back in UTC, so no local offset can move a
        // date across midnight.
        calendar.reset(
            icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), japanese, status));
        if (U_FAILURE(status)) {
            calendar.reset();
        }
        status = U_ZERO_ERROR;
        // The symbols must be asked for the Japanese calendar by type; the locale keyword
        // alone yields the Gregorian eras.
        eraSymbols =
            std::make_unique<icu::DateFormatSymbols>(icu::Locale("ja_JP"), "japanese", status);
        if (U_FAILURE(status)) {
            eraSymbols.reset();
        }
        status = U_ZERO_ERROR;
        weekdaySymbols = std::make_unique<icu::DateFormatSymbols>(icu::Locale("ja_JP"), status);
        if (U_FAILURE(status)) {
            weekdaySymbols.reset();
        }
    }
};

IcuJapanese& Icu() {
    static IcuJapanese icu;
    return icu;
}

} // namespace

JapaneseEra JapaneseCalendar::EraOf(int year, int month, int day) {
    IcuJapanese& icu = Icu();
    const QDate date(year, month, day);
    if (!icu.calendar || !icu.eraSymbols || !date.isValid()) {
        return {};
    }
    constexpr qint64 julianDayOfUnixEpoch = 2440588;
    const double millisecondsPerDay = 86400000.0;
    const UDate noon = double(date.toJulianDay() - julianDayOfUnixEpoch) * millisecondsPerDay +
                       millisecondsPerDay / 2;
    UErrorCode status = U_ZERO_ERROR;
    icu.calendar->setTime(noon, status);
    const int era = icu.calendar->get(UCAL_ERA, status);
    const int eraYear = icu.calendar->get(UCAL_YEAR, status);
    if (U_FAILURE(status)) {
        return {};
    }
    int count = 0;
    const icu::UnicodeString* names = icu.eraSymbols->getEraNames(count);
    JapaneseEra result;
    result.year = eraYear;
    if (era >= 0 && era < count) {
        result.name = FromUnicode(names[era]);
    }
    return result;
}

QString JapaneseCalendar::ShortWeekday(int dayOfWeek) {
    IcuJapanese& icu = Icu();
    if (!icu.weekdaySymbols || dayOfWeek < 1 || dayOfWeek > 7) {
        return {};
    }
    int count = 0;
    // ICU's array is indexed by UCAL_SUNDAY (1) .. UCAL_SATURDAY (7).
    const icu::UnicodeString* names = icu.weekdaySymbols->getShortWeekdays(count);
    return dayOfWeek < count ? FromUnicode(names[dayOfWeek]) : QString();
}
