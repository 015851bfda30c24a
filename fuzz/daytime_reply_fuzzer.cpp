// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Daytime reply parser: any text gives either a failure or a UTC date and time that the
// clock can be set to.
#include "fuzz_application.h"
#include "net/daytime_reply.h"

#include <QDateTime>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApplication::Ensure();
    const QString reply = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const DaytimeParseResult result = ParseDaytimeReply(reply);
    if (result.reason != DaytimeParseReason::Ok) {
        return 0;
    }
    const QDateTime& utc = result.utc;
    if (!utc.isValid() || utc.timeSpec() != Qt::UTC || utc.date().year() < 2001 ||
        utc.date().year() > 2099) {
        std::fprintf(stderr, "accepted an impossible time %s\n",
                     qPrintable(utc.toString(Qt::ISODateWithMs)));
        std::abort();
    }
    return 0;
}
