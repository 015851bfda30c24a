// Times the mail check's POP3 exchange (connect, USER, PASS, STAT, QUIT) with TPop3Client
// against a private Dovecot on 127.0.0.1, next to curl reading the same mailbox, and prints
// the medians as "name value" lines for scripts/bench: once in plain text, and once over
// TLS from the first byte (POP3S) against a Dovecot that requires TLS, with a self-signed
// certificate that our client trusts by its fingerprint and curl by --cacert.
//
// Usage: pop3_check_timing [RUNS]
//
// curl's figure is its own time_total (the transfer, without starting the curl process),
// so both sides are timed from the first connect to the closed connection.

#include "dovecot_server.h"
#include "net/net_error.h"
#include "net/pop3_client.h"
#include "sample_median.h"
#include "test_certificates.h"

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

// How one side reaches the mailbox.
struct Mailbox {
    quint16 port = 0;
    Pop3Security security = Pop3Security::None;
    QString trustedCertificate{}; // for our client
    QString authorityFile{};      // for curl
};

// One check; the time in milliseconds, or nothing when it failed.
std::optional<double> TimeOwnCheck(const Mailbox& mailbox) {
    TPop3Client client;
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = mailbox.port;
    client.UserID = kUser;
    client.Password = kPassword;
    client.TimeOut = 10000;
    client.Security = mailbox.security;
    client.TrustedCertificate = mailbox.trustedCertificate;
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

std::optional<CurlTiming> TimeCurl(const Mailbox& mailbox) {
    const bool tls = mailbox.security == Pop3Security::Tls;
    QStringList arguments = {QStringLiteral("-s"), QStringLiteral("-o"),
                             QStringLiteral("/dev/null"), QStringLiteral("-w"),
                             QStringLiteral("%{time_total}")};
    if (tls) {
        arguments << QStringLiteral("--cacert") << mailbox.authorityFile;
    }
    arguments << QStringLiteral("%1://%2:%3@127.0.0.1:%4/")
                     .arg(tls ? QStringLiteral("pop3s") : QStringLiteral("pop3"), kUser, kPassword)
                     .arg(mailbox.port);
    QProcess curl;
    QElapsedTimer clock;
    clock.start();
    curl.start(QStringLiteral("curl"), arguments);
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

struct Medians {
    double own = 0;
    double curlTransfer = 0;
    double curlProcess = 0;
};

std::optional<Medians> Measure(const Mailbox& mailbox, int runs) {
    // One unmeasured round each, so that Dovecot's login and mail processes (and our TLS
    // library) are warm for both sides alike.
    if (!TimeOwnCheck(mailbox) || !TimeCurl(mailbox)) {
        return std::nullopt;
    }
    std::vector<double> own, curlTransfer, curlProcess;
    // Alternating the two spreads any drift of the machine over both.
    for (int run = 0; run < runs; ++run) {
        const std::optional<double> ownMs = TimeOwnCheck(mailbox);
        const std::optional<CurlTiming> curlMs = TimeCurl(mailbox);
        if (!ownMs || !curlMs) {
            return std::nullopt;
        }
        own.push_back(*ownMs);
        curlTransfer.push_back(curlMs->transferMs);
        curlProcess.push_back(curlMs->processMs);
    }
    return Medians{SampleMedian(own), SampleMedian(curlTransfer), SampleMedian(curlProcess)};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : kDefaultRuns;

    if (DovecotServer::Executable().isEmpty()) {
        std::fprintf(stderr, "pop3_check_timing: Dovecot is not installed (dovecot-pop3d)\n");
        return 2;
    }
    const TestCertificates* certificates = TestCertificates::Get();
    if (certificates == nullptr) {
        std::fprintf(stderr, "pop3_check_timing: %s\n", qPrintable(TestCertificates::Problem()));
        return 2;
    }
    DovecotServer plain;
    DovecotServer secure({certificates->selfSigned.certificate, certificates->selfSigned.key});
    for (DovecotServer* server : {&plain, &secure}) {
        if (const QString failure = server->Start(); !failure.isEmpty()) {
            std::fprintf(stderr, "pop3_check_timing: %s\n", qPrintable(failure));
            return 2;
        }
    }

    const Mailbox plainMailbox{.port = plain.Port()};
    const Mailbox secureMailbox{
        .port = secure.TlsPort(),
        .security = Pop3Security::Tls,
        .trustedCertificate = TestCertificates::Fingerprint(certificates->selfSigned.certificate),
        .authorityFile = certificates->selfSigned.certificate};
    const std::optional<Medians> plainMedians = Measure(plainMailbox, runs);
    const std::optional<Medians> secureMedians = Measure(secureMailbox, runs);
    if (!plainMedians || !secureMedians) {
        return 1;
    }
    std::printf("runs %d\n", runs);
    std::printf("pop3_own_ms %.3f\n", plainMedians->own);
    std::printf("pop3_curl_ms %.3f\n", plainMedians->curlTransfer);
    std::printf("pop3_curl_process_ms %.3f\n", plainMedians->curlProcess);
    std::printf("pop3s_own_ms %.3f\n", secureMedians->own);
    std::printf("pop3s_curl_ms %.3f\n", secureMedians->curlTransfer);
    std::printf("pop3s_curl_process_ms %.3f\n", secureMedians->curlProcess);
    return 0;
}
