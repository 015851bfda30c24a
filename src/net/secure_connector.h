// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "net/certificate_trust.h"
#include "net/server_certificate.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>

class ConnectionAttempts;
class HostLookup;
class QHostInfo;
class QSslSocket;
class QTcpSocket;

// How a connection is to be protected.
enum class ConnectionTls {
    Off,
    OnRequest,     // plain until encryption is asked for (STARTTLS, STLS)
    FromFirstByte, // encrypted before the first byte of the conversation
};

// Where a connection goes and what its server's certificate may be trusted by.
struct ConnectionTarget {
    QString host; // a name, an IPv4 or IPv6 address, or an IPv6 address in brackets
    quint16 port = 0;
    ConnectionTls tls = ConnectionTls::Off;
    CertificatePin pin{};

    // The host without the brackets of an IPv6 address.
    QString HostName() const;
};

// Why a connection could not be made or encrypted.
enum class ConnectFailure {
    None,
    LookupFailed,          // the name has no usable address
    ConnectFailed,         // every address refused or failed
    TimedOut,              // a step did not end within its time
    EncryptionUnavailable, // no TLS in this build, or the socket cannot carry it
    DataBeforeHandshake,   // the server spoke before the handshake that should protect it
    HandshakeFailed,       // the handshake broke off
    CertificateUntrusted,  // neither the trust store nor the pin vouched for the server
};

// Opens the program's connections, for every protocol alike: each of the host's addresses is
// tried (see ConnectionAttempts), TLS is started with the system's trust store for the host
// name as given, and a certificate the store refuses counts only when it is the one pinned for
// this very server (see CertificateTrust).
//
// Its steps advance on the sockets' signals and report through `progressed`; nothing here
// waits. The blocking socket component drives the steps one by one inside its own waits; the
// asynchronous IMAP connections call Open, which runs them all, each bounded by its own
// time-out, and ends with `finished`.
class SecureConnector : public QObject {
    Q_OBJECT

public:
    // What Qt buffers of what a server sends; a peer that sends without end cannot take more.
    static constexpr int ReadBufferSize = 65536;

    explicit SecureConnector(QObject* parent = nullptr);
    ~SecureConnector() override;
    SecureConnector(const SecureConnector&) = delete;
    SecureConnector& operator=(const SecureConnector&) = delete;

    // The address a literal host stands for: nullopt for a name, an empty list for an address
    // no connection can go to (the unspecified one, which the system would take for this
    // machine).
    static std::optional<QList<QHostAddress>> LiteralAddresses(const QString& hostName);
    // The usable addresses of a lookup's answer, in its order.
    static QList<QHostAddress> UsableAddresses(const QHostInfo& info);

    // Step 2: connects to the first of `addresses` that answers. Done once Connected() or
    // Failure() says so.
    void Connect(const ConnectionTarget& target, const QList<QHostAddress>& addresses);
    bool Connected() const;
    // The connected socket (a QSslSocket unless the target's tls is Off), handed over.
    QTcpSocket* TakeSocket();
    QHostAddress ConnectedAddress() const { return connectedAddress_; }
    // The socket error number of the last address that failed.
    int LastErrorNumber() const { return lastErrorNumber_; }

    // Step 3: encrypts a connected socket, judging the server's certificate for the target.
    // Done once Encrypted() or Failure() says so. The socket stays its owner's.
    void Encrypt(const ConnectionTarget& target, QSslSocket* socket);
    bool Encrypted() const;

    // Bounds each step from now on; zero, the default, leaves the bound to the caller.
    void SetStepTimeOut(std::chrono::milliseconds stepTimeOut) { stepTimeOut_ = stepTimeOut; }

    // All steps: looks the host up, connects, and encrypts when the target's tls is
    // FromFirstByte; each step has `stepTimeOut`. Emits finished once, unless canceled.
    void Open(const ConnectionTarget& target, std::chrono::milliseconds stepTimeOut);
    // Ends whatever step is under way without a signal; the sockets not handed over close.
    void Cancel();

    ConnectFailure Failure() const { return failure_; }
    // What the server showed when its certificate was refused.
    const ServerCertificate& RefusedCertificate() const { return refused_; }
    // A short English description of the failure, for logs and tests.
    QString FailureText() const;

signals:
    // A step advanced: it may be done now.
    void progressed();
    // Open has ended: TakeSocket gives the socket, or Failure says why not.
    void finished();

private:
    enum class Phase { Idle, LookingUp, Connecting, Encrypting, Done };

    QTcpSocket* MakeSocket() const;
    void StartStep(Phase phase);
    void Fail(ConnectFailure failure);
    // The step under way is over, well or not: its handshake signals are cut.
    void EndStep();
    // Reports the end of Open from the event loop, never from inside a socket's signal.
    void FinishOpen();
    void AttemptsChanged();
    void HandshakeChanged();
    void LookedUp();
    void JudgeCertificate(const QList<QSslError>& errors);

    ConnectionTarget target_;
    Phase phase_ = Phase::Idle;
    bool opening_ = false; // Open runs the steps and reports their end
    int openNumber_ = 0;   // tells a stale report of an earlier Open from the current one
    std::chrono::milliseconds stepTimeOut_{0};
    QTimer stepTimer_;
    std::unique_ptr<HostLookup> lookup_;
    std::unique_ptr<ConnectionAttempts> attempts_;
    std::unique_ptr<QTcpSocket> socket_; // connected, not yet handed over
    QPointer<QSslSocket> encrypting_;
    QObject encryptingContext_; // receiver of the handshake's signals
    QHostAddress connectedAddress_;
    ServerCertificate refused_;
    ConnectFailure failure_ = ConnectFailure::None;
    int lastErrorNumber_ = 0;
};
