// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_certificates.h"

#include "core/certificate_fingerprint.h"

#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QStandardPaths>
#include <memory>

namespace {

const QStringList kNewKey = {
    QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
    QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};

std::unique_ptr<TestCertificates>& Instance() {
    static std::unique_ptr<TestCertificates> instance;
    return instance;
}

QString& ProblemText() {
    static QString problem;
    return problem;
}

} // namespace

const TestCertificates* TestCertificates::Get() {
    static bool tried = false;
    if (!tried) {
        tried = true;
        std::unique_ptr<TestCertificates> made(new TestCertificates);
        ProblemText() = made->Make();
        if (ProblemText().isEmpty()) {
            Instance() = std::move(made);
        }
    }
    return Instance().get();
}

QString TestCertificates::Problem() {
    return ProblemText();
}

QString TestCertificates::Make() {
    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (openssl.isEmpty()) {
        return QStringLiteral("the openssl program is not installed");
    }
    if (!folder_.isValid()) {
        return QStringLiteral("no temporary folder");
    }
    const auto path = [this](const char* name) { return folder_.filePath(QLatin1String(name)); };
    const auto run = [&](const QStringList& arguments) -> QString {
        QProcess process;
        process.setWorkingDirectory(folder_.path());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(openssl, arguments);
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            return QStringLiteral("openssl %1: %2")
                .arg(arguments.join(' '), QString::fromLocal8Bit(process.readAll()));
        }
        return {};
    };
    const auto write = [&](const char* name, const QByteArray& text) {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    if (!write("leaf.ext", "subjectAltName=DNS:localhost\n"
                           "basicConstraints=critical,CA:FALSE\n"
                           "extendedKeyUsage=serverAuth\n")) {
        return QStringLiteral("cannot write leaf.ext");
    }

    selfSigned = {path("self.pem"), path("self.key")};
    signedForLocalhost = {path("leaf.pem"), path("leaf.key")};
    expired = {path("expired.pem"), path("expired.key")};
    authority = path("authority.pem");
    const QStringList selfSignedRequest =
        QStringList{"req", "-x509"} + kNewKey +
        QStringList{"-keyout", selfSigned.key,
                    "-out",    selfSigned.certificate,
                    "-days",   "2",
                    "-subj",   "/CN=localhost/O=Zorbel Test",
                    "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1,IP:::1"};
    const QStringList authorityRequest =
        QStringList{"req", "-x509"} + kNewKey +
        QStringList{"-keyout", path("authority.key"),      "-out", authority, "-days", "2",
                    "-subj",   "/CN=Zorbel Test Authority"};
    for (const QStringList& arguments : {selfSignedRequest, authorityRequest}) {
        if (const QString problem = run(arguments); !problem.isEmpty()) {
            return problem;
        }
    }
    struct Signed {
        Files files;
        const char* days; // -1 gives one that ended before it began
    };
    for (const auto& [files, days] : {Signed{signedForLocalhost, "2"}, Signed{expired, "-1"}}) {
        const QString request = files.key + QStringLiteral(".csr");
        const QStringList signingRequest =
            QStringList{"req", "-new"} + kNewKey +
            QStringList{"-keyout", files.key, "-out", request, "-subj", "/CN=localhost"};
        const QStringList signing = {"x509",
                                     "-req",
                                     "-in",
                                     request,
                                     "-CA",
                                     authority,
                                     "-CAkey",
                                     path("authority.key"),
                                     "-CAcreateserial",
                                     "-days",
                                     days,
                                     "-extfile",
                                     path("leaf.ext"),
                                     "-out",
                                     files.certificate};
        for (const QStringList& arguments : {signingRequest, signing}) {
            if (const QString problem = run(arguments); !problem.isEmpty()) {
                return problem;
            }
        }
    }
    return {};
}

QString TestCertificates::Fingerprint(const QString& certificateFile) {
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(certificateFile);
    return certificates.isEmpty() ? QString()
                                  : CertificateFingerprint::OfDer(certificates.front().toDer());
}

QSslConfiguration TestCertificates::ServerConfiguration(const Files& files) {
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate::fromPath(files.certificate).value(0));
    QFile key(files.key);
    key.open(QIODevice::ReadOnly);
    configuration.setPrivateKey(QSslKey(key.readAll(), QSsl::Ec));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

void TestCertificates::TrustAuthority() const {
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(authority);
    QSslConfiguration::setDefaultConfiguration(configuration);
}
