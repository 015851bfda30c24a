// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/date_time_format.h"

#include "face/japanese_calendar.h"

namespace {

const char16_t* const timePictures[TimeFormatCount] = {
    u"h':'nn", u"h':'nn' 'AM/PM", u"h':'nn'.'ss", u"h'時'nn'分'", u"h'時'nn'分'ss'秒'",
};

const char16_t* const datePictures[12] = {
    u"gee'.'m'.'d",        u"gee'.'m'.'d'('aaa')'",
    u"ggee'年'm'月'd'日'", u"ggee'年'm'月'd'日''('aaa')'",
    u"yyyy'年'm'月'd'日'", u"yyyy'年'm'月'd'日''('aaa')'",
    u"yy'年'm'月'd'日'",   u"yy'年'm'月'd'日''('aaa')'",
    u"yyyy'/'m'/'d",       u"yyyy'/'m'/'d'/''('aaa')'",
    u"yy'/'m'/'d",         u"yy'/'m'/'d'/''('aaa')'",
};

// April is "Apl" on purpose: that is what the clock has always shown.
const char* const englishMonths[12] = {"Jan", "Feb", "Mar", "Apl", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const englishWeekdays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Whether the picture contains AM/PM outside its quoted texts.
bool HasMeridiem(const QString& picture) {
    bool quoted = false;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        if (picture[i] == u'\'') {
            quoted = !quoted;
        } else if (!quoted && picture.mid(i, 5) == u"AM/PM") {
            return true;
        }
    }
    return false;
}

} // namespace

QString FormatPicture(const QString& picture, const ClockTime& time) {
    const bool twelveHour = HasMeridiem(picture);
    JapaneseEra era;
    bool eraKnown = false;
    const auto eraOf = [&]() -> const JapaneseEra& {
        if (!eraKnown) {
            era = JapaneseCalendar::EraOf(time.year, time.month, time.day);
            eraKnown = true;
        }
        return era;
    };
    const auto startsWith = [&](qsizetype at, const char16_t* token) {
        return QStringView(picture).mid(at).startsWith(QStringView(token));
    };

    QString out;
    qsizetype i = 0;
    while (i < picture.size()) {
        const QChar c = picture[i];
        if (c == u'\'') {
            const qsizetype end = picture.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? picture.size() : end;
            out += picture.mid(i + 1, stop - i - 1);
            i = stop + 1;
        } else if (startsWith(i, u"AM/PM")) {
            out += time.hour < 12 ? u"AM" : u"PM";
            i += 5;
        } else if (startsWith(i, u"yyyy")) {
            out += QStringLiteral("%1").arg(time.year, 4, 10, QLatin1Char('0'));
            i += 4;
        } else if (startsWith(i, u"yy")) {
            out += TwoDigits(time.year % 100);
            i += 2;
        } else if (startsWith(i, u"gg")) {
            out += eraOf().name;
            i += 2;
        } else if (c == u'g') {
            out += eraOf().name.left(1);
            i += 1;
        } else if (startsWith(i, u"ee")) {
            out += TwoDigits(eraOf().year);
            i += 2;
        } else if (startsWith(i, u"aaa")) {
            out += JapaneseCalendar::ShortWeekday(time.dayOfWeek);
            i += 3;
        } else if (c == u'd') {
            out += QString::number(time.day);
            i += 1;
        } else if (c == u'm') {
            out += QString::number(time.month);
            i += 1;
        } else if (c == u'h') {
            int hour = time.hour;
            if (twelveHour) {
                hour = hour % 12 == 0 ? 12 : hour % 12;
            }
            out += QString::number(hour);
            i += 1;
        } else if (startsWith(i, u"nn")) {
            out += TwoDigits(time.minute);
            i += 2;
        } else if (startsWith(i, u"ss")) {
            out += TwoDigits(time.second);
            i += 2;
        } else {
            out += c;
            i += 1;
        }
    }
    return out;
}

QString TimeFormatPicture(int index) {
    return QString::fromUtf16(timePictures[index >= 0 && index < TimeFormatCount ? index : 0]);
}

QString FormatTimeText(int index, const ClockTime& time) {
    return FormatPicture(TimeFormatPicture(index), time);
}

QString FormatDateText(int index, const ClockTime& time) {
    if (index == 12 || index == 13) {
        const int month = time.month >= 1 && time.month <= 12 ? time.month : 1;
        QString text = QString::asprintf("%d-%s-%d", time.day, englishMonths[month - 1], time.year);
        if (index == 13 && time.dayOfWeek >= 1 && time.dayOfWeek <= 7) {
            text += QString::asprintf("(%s)", englishWeekdays[time.dayOfWeek - 1]);
        }
        return text;
    }
    const int picture = index >= 0 && index < 12 ? index : 0;
    return FormatPicture(QString::fromUtf16(datePictures[picture]), time);
}
