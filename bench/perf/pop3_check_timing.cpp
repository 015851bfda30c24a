// Times the mail check's POP3 exchange (connect, USER, PASS, STAT, QUIT) with TPop3Client
// against a private Dovecot on 127.0.0.1, next to curl reading the same mailbox, and prints
// the medians as "name value" lines for scripts/bench.
//
// Usage: pop3_check_timing [RUNS]
//
// curl's figure is its own time_total (the transfer, without starting the curl process),
// so both sides are timed from the first connect to the closed connection.

#include "dovecot_server.h"
#include "net/net_error.h"
#include "net/pop3_client.h"
#include "sample_median.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kDefaultRuns = 15;
const QString kUser = QStringLiteral("alice");
const QString kPassword = QStringLiteral("secret");

// One check; the time in milliseconds, or nothing when it failed.
std::optional<double> TimeOwnCheck(quint16 port) {
    TPop3Client client;
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = port;
    client.UserID = kUser;
    client.Password = kPassword;
    client.TimeOut = 10000;
    QElapsedTimer clock;
    clock.start();
    try {
        client.Connect();
        const int count = client.MailCount();
        client.Disconnect();
        if (count != 3) {
            std::fprintf(stderr, "pop3_check_timing: STAT counted %d messages, not 3\n", count);
            return std::nullopt;
        }
    } catch (const ENetError& error) {
        std::fprintf(stderr, "pop3_check_timing: %s\n", error.what());
        return std::nullopt;
    }
    return clock.nsecsElapsed() / 1e6;
}

struct CurlTiming {
    double transferMs = 0; // curl's own time_total
    double processMs = 0;  // from starting the curl process to its exit
};

std::optional<CurlTiming> TimeCurl(quint16 port) {
    QProcess curl;
    QElapsedTimer clock;
    clock.start();
    curl.start(QStringLiteral("curl"),
               {QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                QStringLiteral("-w"), QStringLiteral("%{time_total}"),
                QStringLiteral("pop3://%1:%2@127.0.0.1:%3/").arg(kUser, kPassword).arg(port)});
    if (!curl.waitForFinished(15000) || curl.exitStatus() != QProcess::NormalExit ||
        curl.exitCode() != 0) {
        std::fprintf(stderr, "pop3_check_timing: curl failed (exit %d)\n", curl.exitCode());
        return std::nullopt;
    }
    const double processMs = clock.nsecsElapsed() / 1e6;
    bool ok = false;
    const double seconds = QString::fromLatin1(curl.readAllStandardOutput()).toDouble(&ok);
    if (!ok) {
        std::fprintf(stderr, "pop3_check_timing: curl printed no time\n");
        return std::nullopt;
    }
    return CurlTiming{seconds * 1000.0, processMs};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : kDefaultRuns;

    if (DovecotServer::Executable().isEmpty()) {
        std::fprintf(stderr, "pop3_check_timing: Dovecot is not installed (dovecot-pop3d)\n");
        return 2;
    }
    DovecotServer server;
    if (const QString failure = server.Start(); !failure.isEmpty()) {
        std::fprintf(stderr, "pop3_check_timing: %s\n", qPrintable(failure));
        return 2;
    }

    // One unmeasured round each, so that Dovecot's login and mail processes are warm for
    // both sides alike.
    if (!TimeOwnCheck(server.Port()) || !TimeCurl(server.Port())) {
        return 1;
    }
    std::vector<double> own, curlTransfer, curlProcess;
    // Alternating the two spreads any drift of the machine over both.
    for (int run = 0; run < runs; ++run) {
        const std::optional<double> ownMs = TimeOwnCheck(server.Port());
        const std::optional<CurlTiming> curlMs = TimeCurl(server.Port());
        if (!ownMs || !curlMs) {
            return 1;
        }
        own.push_back(*ownMs);
        curlTransfer.push_back(curlMs->transferMs);
        curlProcess.push_back(curlMs->processMs);
    }
    std::printf("runs %d\n", runs);
    std::printf("pop3_own_ms %.3f\n", SampleMedian(own));
    std::printf("pop3_curl_ms %.3f\n", SampleMedian(curlTransfer));
    std::printf("pop3_curl_process_ms %.3f\n", SampleMedian(curlProcess));
    return 0;
}
