// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the mail check's exchanges against a private Dovecot on 127.0.0.1, next to curl
// reading the same mailbox, and prints the medians as "name value" lines for scripts/bench:
// POP3 (connect, USER, PASS, STAT, QUIT) with TPop3Client in plain text, and over TLS from the
// first byte (POP3S) against a Dovecot that requires TLS; and the IMAPS check (login, EXAMINE,
// UID SEARCH UNSEEN, LOGOUT) with ImapCheck beside curl asking STATUS INBOX (UNSEEN). The
// self-signed certificate is trusted by its fingerprint on our side and by --cacert by curl.
//
// Usage: mail_check_timing [RUNS]
//
// curl's figure is its own time_total (the transfer, without starting the curl process),
// so both sides are timed from the first connect to the closed connection.

#include "core/server_address.h"
#include "dovecot_server.h"
#include "net/imap_check.h"
#include "net/imap_server_opener.h"
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
    bool imap = false; // IMAPS; else POP3 with `security`
    Pop3Security security = Pop3Security::None;
    QString trustedCertificate{}; // for our client
    QString authorityFile{};      // for curl
};

std::optional<double> TimeOwnImapCheck(const Mailbox& mailbox) {
    const QString host = QStringLiteral("127.0.0.1");
    const std::chrono::milliseconds timeOut(10000);
    QElapsedTimer clock;
    clock.start();
    ImapCheck check(std::make_unique<ImapServerOpener>(
                        ConnectionTarget{.host = host,
                                         .port = mailbox.port,
                                         .pin = {mailbox.trustedCertificate,
                                                 ServerAddress::Of(host, mailbox.port)}},
                        ImapSecurity::Tls, timeOut),
                    {.user = kUser, .password = kPassword}, timeOut);
    check.RunToEnd();
    const double elapsed = clock.nsecsElapsed() / 1e6;
    const ImapResult& result = check.Result();
    if (result.outcome != ImapOutcome::Ok || result.mailbox.unseen != 3) {
        std::fprintf(stderr, "mail_check_timing: IMAP check failed (%s), %u unseen\n",
                     qPrintable(result.reason), result.mailbox.unseen);
        return std::nullopt;
    }
    return elapsed;
}

// One check; the time in milliseconds, or nothing when it failed.
std::optional<double> TimeOwnCheck(const Mailbox& mailbox) {
    if (mailbox.imap) {
        return TimeOwnImapCheck(mailbox);
    }
    TPop3Client client;
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = mailbox.port;
    client.UserID = kUser;
    client.Password = kPassword;
    client.TimeOut = 10000;
    client.Security = mailbox.security;
    client.TrustedCertificate = mailbox.trustedCertificate;
    client.TrustedServer = ServerAddress::Of(client.Host, client.Port);
    QElapsedTimer clock;
    clock.start();
    try {
        client.Connect();
        const int count = client.MailCount();
        client.Disconnect();
        if (count != 3) {
            std::fprintf(stderr, "mail_check_timing: STAT counted %d messages, not 3\n", count);
            return std::nullopt;
        }
    } catch (const ENetError& error) {
        std::fprintf(stderr, "mail_check_timing: %s\n", error.what());
        return std::nullopt;
    }
    return clock.nsecsElapsed() / 1e6;
}

struct CurlTiming {
    double transferMs = 0; // curl's own time_total
    double processMs = 0;  // from starting the curl process to its exit
};

std::optional<CurlTiming> TimeCurl(const Mailbox& mailbox) {
    const bool tls = mailbox.imap || mailbox.security == Pop3Security::Tls;
    QStringList arguments = {QStringLiteral("-s"), QStringLiteral("-o"),
                             QStringLiteral("/dev/null"), QStringLiteral("-w"),
                             QStringLiteral("%{time_total}")};
    if (tls) {
        arguments << QStringLiteral("--cacert") << mailbox.authorityFile;
    }
    if (mailbox.imap) {
        arguments << QStringLiteral("imaps://%1:%2@127.0.0.1:%3/INBOX")
                         .arg(kUser, kPassword)
                         .arg(mailbox.port)
                  << QStringLiteral("-X") << QStringLiteral("STATUS INBOX (UNSEEN)");
    } else {
        arguments << QStringLiteral("%1://%2:%3@127.0.0.1:%4/")
                         .arg(tls ? QStringLiteral("pop3s") : QStringLiteral("pop3"), kUser,
                              kPassword)
                         .arg(mailbox.port);
    }
    QProcess curl;
    QElapsedTimer clock;
    clock.start();
    curl.start(QStringLiteral("curl"), arguments);
    if (!curl.waitForFinished(15000) || curl.exitStatus() != QProcess::NormalExit ||
        curl.exitCode() != 0) {
        std::fprintf(stderr, "mail_check_timing: curl failed (exit %d)\n", curl.exitCode());
        return std::nullopt;
    }
    const double processMs = clock.nsecsElapsed() / 1e6;
    bool ok = false;
    const double seconds = QString::fromLatin1(curl.readAllStandardOutput()).toDouble(&ok);
    if (!ok) {
        std::fprintf(stderr, "mail_check_timing: curl printed no time\n");
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
        std::fprintf(stderr, "mail_check_timing: Dovecot is not installed (dovecot-pop3d)\n");
        return 2;
    }
    const TestCertificates* certificates = TestCertificates::Get();
    if (certificates == nullptr) {
        std::fprintf(stderr, "mail_check_timing: %s\n", qPrintable(TestCertificates::Problem()));
        return 2;
    }
    DovecotServer plain;
    DovecotServer secure({.certificate = certificates->selfSigned.certificate,
                          .key = certificates->selfSigned.key,
                          .imap = true});
    for (DovecotServer* server : {&plain, &secure}) {
        if (const QString failure = server->Start(); !failure.isEmpty()) {
            std::fprintf(stderr, "mail_check_timing: %s\n", qPrintable(failure));
            return 2;
        }
    }

    const Mailbox plainMailbox{.port = plain.Port()};
    const Mailbox secureMailbox{
        .port = secure.TlsPort(),
        .security = Pop3Security::Tls,
        .trustedCertificate = TestCertificates::Fingerprint(certificates->selfSigned.certificate),
        .authorityFile = certificates->selfSigned.certificate};
    Mailbox imapMailbox = secureMailbox;
    imapMailbox.port = secure.ImapTlsPort();
    imapMailbox.imap = true;
    const std::optional<Medians> plainMedians = Measure(plainMailbox, runs);
    const std::optional<Medians> secureMedians = Measure(secureMailbox, runs);
    const std::optional<Medians> imapMedians = Measure(imapMailbox, runs);
    if (!plainMedians || !secureMedians || !imapMedians) {
        return 1;
    }
    std::printf("runs %d\n", runs);
    std::printf("pop3_own_ms %.3f\n", plainMedians->own);
    std::printf("pop3_curl_ms %.3f\n", plainMedians->curlTransfer);
    std::printf("pop3_curl_process_ms %.3f\n", plainMedians->curlProcess);
    std::printf("pop3s_own_ms %.3f\n", secureMedians->own);
    std::printf("pop3s_curl_ms %.3f\n", secureMedians->curlTransfer);
    std::printf("pop3s_curl_process_ms %.3f\n", secureMedians->curlProcess);
    std::printf("imaps_own_ms %.3f\n", imapMedians->own);
    std::printf("imaps_curl_ms %.3f\n", imapMedians->curlTransfer);
    std::printf("imaps_curl_process_ms %.3f\n", imapMedians->curlProcess);
    return 0;
}
