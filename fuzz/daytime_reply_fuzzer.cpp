// The Daytime reply parser: any text gives either a failure or a date and time that the
// clock can be set to.
#include "fuzz_application.h"
#include "net/daytime_reply.h"

#include <QDate>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApplication::Ensure();
    const QString reply = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const DaytimeParseResult result = ParseDaytimeReply(reply);
    if (result.reason != DaytimeParseReason::Ok) {
        return 0;
    }
    const DaytimeValue& v = result.value;
    if (!QDate(v.year, v.month, v.day).isValid() || v.year < 2001 || v.year > 2100 || v.hour > 23 ||
        v.minute > 59 || v.second > 59 || v.millisecond > 999) {
        std::fprintf(stderr, "accepted an impossible time %d-%d-%d %d:%d:%d.%d\n", v.year, v.month,
                     v.day, v.hour, v.minute, v.second, v.millisecond);
        std::abort();
    }
    return 0;
}
