// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/secure_connector.h"

#include "core/server_address.h"
#include "net/connection_attempts.h"
#include "net/host_lookup.h"

#include <QHostInfo>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>

namespace {

bool Usable(const QHostAddress& address) {
    const QAbstractSocket::NetworkLayerProtocol family = address.protocol();
    return (family == QAbstractSocket::IPv4Protocol || family == QAbstractSocket::IPv6Protocol) &&
           address != QHostAddress(QHostAddress::AnyIPv4) &&
           address != QHostAddress(QHostAddress::AnyIPv6);
}

} // namespace

QString ConnectionTarget::HostName() const {
    return ServerAddress::Unbracketed(host);
}

SecureConnector::SecureConnector(QObject* parent) : QObject(parent) {
    stepTimer_.setSingleShot(true);
    connect(&stepTimer_, &QTimer::timeout, this, [this] {
        attempts_.reset(); // from a timer, not from inside one of its sockets' signals
        Fail(ConnectFailure::TimedOut);
    });
}

SecureConnector::~SecureConnector() {
    Cancel();
}

std::optional<QList<QHostAddress>> SecureConnector::LiteralAddresses(const QString& hostName) {
    QHostAddress literal;
    if (!literal.setAddress(hostName)) {
        return std::nullopt;
    }
    QList<QHostAddress> addresses;
    if (Usable(literal)) {
        addresses << literal;
    }
    return addresses;
}

QList<QHostAddress> SecureConnector::UsableAddresses(const QHostInfo& info) {
    QList<QHostAddress> addresses;
    if (info.error() == QHostInfo::NoError) {
        for (const QHostAddress& address : info.addresses()) {
            if (Usable(address)) {
                addresses << address;
            }
        }
    }
    return addresses;
}

QTcpSocket* SecureConnector::MakeSocket() const {
    // The TLS machinery is loaded only for connections that may use it.
    QTcpSocket* socket = target_.tls == ConnectionTls::Off ? new QTcpSocket : new QSslSocket;
    socket->setReadBufferSize(ReadBufferSize);
    return socket;
}

void SecureConnector::StartStep(Phase phase) {
    phase_ = phase;
    failure_ = ConnectFailure::None;
    if (stepTimeOut_.count() > 0) {
        stepTimer_.start(stepTimeOut_);
    }
}

void SecureConnector::Open(const ConnectionTarget& target, std::chrono::milliseconds stepTimeOut) {
    Cancel();
    target_ = target;
    opening_ = true;
    stepTimeOut_ = stepTimeOut;
    if (const std::optional<QList<QHostAddress>> literal = LiteralAddresses(target.HostName())) {
        if (literal->isEmpty()) {
            Fail(ConnectFailure::LookupFailed);
        } else {
            Connect(target, *literal);
        }
        return;
    }
    StartStep(Phase::LookingUp);
    lookup_ = std::make_unique<HostLookup>(target.HostName(), [this] { LookedUp(); });
}

void SecureConnector::LookedUp() {
    if (phase_ != Phase::LookingUp) {
        return;
    }
    // The lookup stays until the next Open: it must not go inside its own signal.
    const QList<QHostAddress> addresses = UsableAddresses(*lookup_->Answer());
    if (addresses.isEmpty()) {
        Fail(ConnectFailure::LookupFailed);
    } else {
        Connect(target_, addresses);
    }
}

void SecureConnector::Connect(const ConnectionTarget& target,
                              const QList<QHostAddress>& addresses) {
    target_ = target;
    socket_.reset();
    connectedAddress_.clear();
    StartStep(Phase::Connecting);
    attempts_ = std::make_unique<ConnectionAttempts>(
        addresses, target.port, [this] { return MakeSocket(); }, [this] { AttemptsChanged(); });
    attempts_->Start();
}

void SecureConnector::AttemptsChanged() {
    if (phase_ != Phase::Connecting) {
        return;
    }
    if (attempts_->Connected()) {
        connectedAddress_ = attempts_->ConnectedAddress();
        socket_.reset(attempts_->TakeConnected());
        EndStep();
        if (opening_ && target_.tls == ConnectionTls::FromFirstByte) {
            Encrypt(target_, qobject_cast<QSslSocket*>(socket_.get()));
        } else {
            FinishOpen();
        }
    } else if (attempts_->AllFailed()) {
        lastErrorNumber_ = attempts_->LastErrorNumber();
        Fail(ConnectFailure::ConnectFailed);
    }
}

bool SecureConnector::Connected() const {
    return socket_ != nullptr;
}

QTcpSocket* SecureConnector::TakeSocket() {
    return socket_.release();
}

void SecureConnector::Encrypt(const ConnectionTarget& target, QSslSocket* socket) {
    target_ = target;
    refused_ = {};
    StartStep(Phase::Encrypting);
    encrypting_ = socket;
    if (socket == nullptr || !QSslSocket::supportsSsl()) {
        Fail(ConnectFailure::EncryptionUnavailable);
        return;
    }
    if (socket->bytesAvailable() > 0) {
        // Nothing protects bytes that came ahead of the handshake; reading them later as if
        // they had come encrypted would let anyone on the way speak for the server.
        Fail(ConnectFailure::DataBeforeHandshake);
        return;
    }
    QSslConfiguration configuration = socket->sslConfiguration();
    configuration.setProtocol(QSsl::TlsV1_2OrLater);
    configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
    socket->setSslConfiguration(configuration);
    socket->setPeerVerifyName(target.HostName());
    connect(socket, &QSslSocket::encrypted, &encryptingContext_, [this] { HandshakeChanged(); });
    connect(socket, &QSslSocket::sslErrors, &encryptingContext_,
            [this](const QList<QSslError>& errors) { JudgeCertificate(errors); });
    // A close or any socket error before the handshake is done ends it.
    connect(socket, &QSslSocket::errorOccurred, &encryptingContext_,
            [this] { Fail(ConnectFailure::HandshakeFailed); });
    connect(socket, &QSslSocket::disconnected, &encryptingContext_,
            [this] { Fail(ConnectFailure::HandshakeFailed); });
    socket->startClientEncryption();
}

bool SecureConnector::Encrypted() const {
    return failure_ == ConnectFailure::None && encrypting_ != nullptr && encrypting_->isEncrypted();
}

void SecureConnector::HandshakeChanged() {
    if (phase_ != Phase::Encrypting || !Encrypted()) {
        return;
    }
    EndStep();
    FinishOpen();
}

void SecureConnector::JudgeCertificate(const QList<QSslError>& errors) {
    if (phase_ != Phase::Encrypting || encrypting_ == nullptr) {
        return;
    }
    const QSslCertificate certificate = encrypting_->peerCertificate();
    const std::optional<QList<QSslError>> pinned = CertificateTrust::ErrorsToIgnore(
        target_.pin,
        {target_.host, target_.port, certificate, encrypting_->peerCertificateChain(), errors});
    if (pinned) {
        // The user has seen this very certificate and chose to trust it for this server.
        encrypting_->ignoreSslErrors(*pinned);
        return;
    }
    refused_ = ServerCertificate::From(certificate, errors);
    Fail(ConnectFailure::CertificateUntrusted);
}

void SecureConnector::Fail(ConnectFailure failure) {
    if (phase_ == Phase::Idle || phase_ == Phase::Done) {
        return;
    }
    failure_ = failure;
    EndStep();
    FinishOpen();
}

void SecureConnector::EndStep() {
    phase_ = Phase::Done;
    stepTimer_.stop();
    if (encrypting_ != nullptr) {
        QObject::disconnect(encrypting_, nullptr, &encryptingContext_, nullptr);
    }
    emit progressed();
}

void SecureConnector::FinishOpen() {
    if (!opening_) {
        return;
    }
    QTimer::singleShot(0, this, [this, number = openNumber_] {
        if (number != openNumber_ || !opening_) {
            return;
        }
        opening_ = false;
        emit finished();
    });
}

void SecureConnector::Cancel() {
    ++openNumber_;
    opening_ = false;
    stepTimer_.stop();
    phase_ = Phase::Idle;
    if (encrypting_ != nullptr) {
        QObject::disconnect(encrypting_, nullptr, &encryptingContext_, nullptr);
        encrypting_ = nullptr;
    }
    attempts_.reset();
    lookup_.reset();
    socket_.reset();
}

QString SecureConnector::FailureText() const {
    switch (failure_) {
    case ConnectFailure::None:
        return {};
    case ConnectFailure::LookupFailed:
        return QStringLiteral("the host name has no address");
    case ConnectFailure::ConnectFailed:
        return QStringLiteral("no address of the host accepted the connection");
    case ConnectFailure::TimedOut:
        return QStringLiteral("the server did not answer in time");
    case ConnectFailure::EncryptionUnavailable:
        return QStringLiteral("encryption is not available");
    case ConnectFailure::DataBeforeHandshake:
        return QStringLiteral("data came before the TLS handshake");
    case ConnectFailure::HandshakeFailed:
        return QStringLiteral("the TLS handshake failed");
    case ConnectFailure::CertificateUntrusted:
        return QStringLiteral("the server's certificate is not trusted");
    }
    return {};
}
