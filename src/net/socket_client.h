// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/event_wait.h"
#include "net/secure_connector.h"
#include "net/server_certificate.h"
#include "net/timeout_timer.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpSocket>
#include <functional>

enum class TlsFailure;

// A TCP client with a blocking-looking interface (connect, send a line, read a line, ask and
// answer) that runs entirely on the GUI thread: every wait is a nested event loop, so the
// clock keeps ticking while a network operation is outstanding, and the process sleeps while
// it waits. Failures are exceptions: ESockError for socket and lookup failures, EAbortError
// for an operation ended by Cancel or the time-out, ETlsError for a connection that could
// not be encrypted, ENetError for the rest.
//
// A host name may stand for several addresses, IPv6 and IPv4: they are all tried, and the
// first that connects is used. With Tls other than Off the connection can be encrypted; the
// server's certificate must be vouched for by the system's trust store for the host name as
// given, or be the one pinned for this host and port (TrustedCertificate for TrustedServer).
// Connecting and encrypting are SecureConnector's, which the IMAP connections share.
//
// Events are std::function members, each optional. Handlers run inside the waits.
// Text goes over the wire as UTF-8.
class TSocketClient {
public:
    // The largest line ReadLn accepts and the most Read and ClearInput take at once.
    static constexpr int BufferSize = SecureConnector::ReadBufferSize;

    TSocketClient();
    virtual ~TSocketClient();
    TSocketClient(const TSocketClient&) = delete;
    TSocketClient& operator=(const TSocketClient&) = delete;

    // OnRequest: plain until StartEncryption; FromFirstByte: Connect returns with the
    // handshake done.
    using TlsMode = ConnectionTls;

    QString Host; // a name, an IPv4 or IPv6 address, or an IPv6 address in brackets
    quint16 Port = 0;
    int TimeOut = 0;     // milliseconds for each wait; 0 = no limit
    int ReportLevel = 0; // 1 server replies, 4 sending and closing, 8 everything else
    TlsMode Tls = TlsMode::Off;
    // The SHA-256 fingerprint of a certificate accepted without the trust store, in any form
    // CertificateFingerprint::Normalised reads; "" for none.
    QString TrustedCertificate;
    // The "host:port" TrustedCertificate was trusted for; it counts only while Host and Port
    // name that server.
    QString TrustedServer;

    std::function<void(TSocketClient&)> OnConnect;
    std::function<void(TSocketClient&)> OnDisconnect;
    std::function<void(bool& handled)> OnInvalidHost;
    std::function<void(TSocketClient&)> OnHostResolved;
    std::function<void(TSocketClient&, const QString&)> OnStatus;
    std::function<void(TSocketClient&)> OnConnectionFailed;
    std::function<void(bool& handled)> OnConnectionRequired;
    std::function<void(TSocketClient&, int number, const QString& text)> OnError;

    virtual void Connect();
    virtual void Disconnect();
    virtual QString Transaction(const QString& command);
    virtual void Abort();
    void Cancel();

    void Write(const QString& text);
    void Writeln(const QString& text);
    // Sends length bytes of data; length 0 sends up to the first NUL.
    void SendBuffer(const QByteArray& data, qsizetype length);
    // One line with its LF (and the CR before it); empty when the peer has closed.
    QString ReadLn();
    // count bytes, or with count 0 whatever has arrived.
    QString Read(int count);
    bool DataAvailable() const;
    void ClearInput();
    void ResolveRemoteHost();
    void CertifyConnect();
    // Encrypts the open connection and waits for the handshake, bounded by TimeOut. Raises
    // ETlsError (the connection closed) when it cannot, EAbortError when canceled.
    void StartEncryption();

    int GetLastErrorNo() const { return lastErrorNo_; }
    void SetLastErrorNo(int number) { lastErrorNo_ = number; }
    // "10061:Connection refused"; "Unknown Error No. n" outside the table; empty for 0.
    QString SocketErrorStr(int number);
    void StatusMessage(int level, const QString& text);

    bool Connected() const { return connected_; }
    bool Encrypted() const;
    bool Canceled() const { return canceled_; }
    bool TimedOut() const { return timedOut_; }
    bool LastEventOk() const { return lastEventOk_; }
    QString LastReply() const { return lastReply_; }
    qint16 ReplyNumber() const { return replyNumber_; }
    // The address connected to, or before that the first one Host stands for.
    QHostAddress RemoteAddress() const;
    // Every address Host stood for at the last lookup, in the order they are tried.
    QList<QHostAddress> RemoteAddresses() const { return remoteAddresses_; }
    QString Status() const { return status_; }
    QStringList WinsockInfo() const { return winsockInfo_; }
    const TTimeoutTimer& Timer() const { return timer_; }

    // Components alive in the process; the first fills the diagnostic WinsockInfo lines.
    static int LiveComponentCount();
    // Aborts the pending wait of every live component but `spared`: the program is ending
    // and no conversation may hold it up.
    static void AbortAll(const TSocketClient* spared = nullptr);

protected:
    // What has arrived and waits to be read, left in place.
    QByteArray Peek() const;
    // Whether the peer has closed its side; data it sent before may still be waiting.
    bool PeerClosed() const { return peerClosed_; }
    void ClearCanceled() { canceled_ = false; }
    // Name resolution with the one OnInvalidHost retry; leaves RemoteAddresses set or raises.
    void ResolveWithRetry();
    // Opens the connection to the first of RemoteAddresses that answers and waits for it;
    // raises on failure.
    void OpenConnection();
    void RequestCloseSocket();
    void TimerOn();
    void TimerOff();
    // Raises ESockError for a Winsock number above 10000 other than the tolerated one.
    void ErrorManager(int number, int tolerated = 10035);
    // Waits until done() holds, sleeping between socket, cancel and timer events. When the
    // application is exiting the wait ends as canceled, since nothing could wake it again.
    void WaitUntil(const std::function<bool()>& done);

private:
    void InitWinsock();
    void CreateSocket();
    void WireSocket();
    // Makes the socket of a won connection attempt this component's socket.
    void AdoptSocket(QTcpSocket* socket, const QHostAddress& address);
    // Where Host, Port, Tls and the pin point.
    ConnectionTarget Target() const;
    // Closes the connection and raises.
    [[noreturn]] void FailEncryption(TlsFailure failure, const QString& text);
    void TimerFired();
    void SocketConnected();
    void SocketClosed();
    void SocketFailed(QAbstractSocket::SocketError error);
    // A peek that finds nothing: true when the peer has closed or the socket is unusable;
    // raises for a real socket error.
    bool InputEnded();

    QObject context_; // receiver of every connection, so none outlives the component
    SecureConnector connector_;
    QTcpSocket* socket_ = nullptr;
    TTimeoutTimer timer_;
    EventWait wait_;
    QStringList winsockInfo_;
    QString lastReply_;
    QString status_;
    QList<QHostAddress> remoteAddresses_;
    QHostAddress connectedAddress_;
    ServerCertificate refusedCertificate_;
    int lastErrorNo_ = 0;
    int lookupId_ = -1;
    qint16 replyNumber_ = 0;
    bool connected_ = false;
    bool canceled_ = false;
    bool timedOut_ = false;
    bool lastEventOk_ = true;
    bool peerClosed_ = false;
    bool destroying_ = false;
};
