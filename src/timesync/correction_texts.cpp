#include "timesync/correction_texts.h"

namespace {

QString TimeLine(const QString& label, int year, int month, int day, int hour, int minute,
                 int second, int millisecond) {
    return QString::asprintf("%02d/%02d/%02d %02d:%02d.%02d %03d", year, month, day, hour, minute,
                             second, millisecond)
        .prepend(label);
}

} // namespace

QString PcTimeText(const QDateTime& local) {
    const QDate date = local.date();
    const QTime time = local.time();
    return TimeLine(QStringLiteral("パソコンの時刻:"), date.year(), date.month(), date.day(),
                    time.hour(), time.minute(), time.second(), time.msec());
}

QString ServerTimeText(const DaytimeValue& server) {
    return TimeLine(QStringLiteral("サーバーの時刻:"), server.year, server.month, server.day,
                    server.hour, server.minute, server.second, server.millisecond);
}

QString CorrectionResultText(const QString& serverTimeText) {
    return serverTimeText + QStringLiteral("に補正しました");
}
