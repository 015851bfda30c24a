// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "socket_client.h"

#include "net/eabort_error.h"
#include "net/esock_error.h"
#include "net/etls_error.h"
#include "net/host_lookup.h"
#include "net/winsock_errors.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QSslSocket>
#include <algorithm>
#include <exception>
#include <vector>

namespace {

std::vector<TSocketClient*>& LiveComponents() {
    static std::vector<TSocketClient*> live;
    return live;
}

// Runs a handler called from a socket or lookup signal: an exception must not unwind
// through Qt's event loop, and a failing event handler must not break the wait around it.
template <typename Handler> void Guarded(Handler&& handler) {
    try {
        handler();
    } catch (...) {
    }
}

// Runs cleanup when the scope is left, also by an exception.
template <typename Cleanup> class ScopeExit {
public:
    explicit ScopeExit(Cleanup cleanup) : cleanup_(std::move(cleanup)) {}
    ~ScopeExit() { cleanup_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Cleanup cleanup_;
};

qint16 LeadingNumber(const QString& reply) {
    qint64 value = 0;
    const QString head = reply.left(10);
    for (const QChar character : head) {
        if (!character.isDigit() || character.unicode() > 0x7F) {
            break;
        }
        value = value * 10 + (character.unicode() - '0');
    }
    // A number that does not fit the 16-bit reply code is no reply code.
    return value > 32767 ? 0 : static_cast<qint16>(value);
}

} // namespace

TSocketClient::TSocketClient() {
    StatusMessage(8, QStringLiteral("Create"));
    timer_.Disable();
    timer_.SetOnTimer([this] { TimerFired(); });
    QObject::connect(&connector_, &SecureConnector::progressed, &context_,
                     [this] { wait_.Wake(); });
    InitWinsock();
}

TSocketClient::~TSocketClient() {
    StatusMessage(8, QStringLiteral("Destroy"));
    Guarded([this] {
        Abort();
        Cancel();
    });
    if (lookupId_ >= 0) {
        QHostInfo::abortHostLookup(lookupId_);
    }
    destroying_ = true;
    timer_.Disable();
    Guarded([this] { RequestCloseSocket(); });
    std::vector<TSocketClient*>& live = LiveComponents();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

int TSocketClient::LiveComponentCount() {
    return static_cast<int>(LiveComponents().size());
}

void TSocketClient::AbortAll(const TSocketClient* spared) {
    // An abort runs event handlers, which must not change the list being walked.
    const std::vector<TSocketClient*> live = LiveComponents();
    for (TSocketClient* component : live) {
        if (component != spared) {
            Guarded([component] { component->Abort(); });
        }
    }
}

void TSocketClient::InitWinsock() {
    StatusMessage(8, QStringLiteral("Initializing Winsock"));
    // Sockets and their waits need the application's event loop.
    if (QCoreApplication::instance() == nullptr) {
        throw ESockError(SockErrorKind::NoEventLoop);
    }
    std::vector<TSocketClient*>& live = LiveComponents();
    live.push_back(this);
    if (live.size() == 1) {
        winsockInfo_
            << QStringLiteral("Version= 1.1") << QStringLiteral("High Version= 1.1")
            << QStringLiteral("Description= Qt Network %1").arg(QString::fromLatin1(qVersion()))
            << QStringLiteral("System= Running") << QStringLiteral("Max Sockets= 0")
            << QStringLiteral("Max Udp pack size= 65507");
    }
    CreateSocket();
}

void TSocketClient::CreateSocket() {
    // The idle socket is never connected: each Connect makes its own for every attempt.
    socket_ = new QTcpSocket(&context_);
    socket_->setReadBufferSize(BufferSize);
    WireSocket();
}

void TSocketClient::WireSocket() {
    peerClosed_ = false;
    QObject::connect(socket_, &QTcpSocket::connected, &context_, [this] { SocketConnected(); });
    QObject::connect(socket_, &QTcpSocket::disconnected, &context_, [this] { SocketClosed(); });
    QObject::connect(socket_, &QTcpSocket::errorOccurred, &context_,
                     [this](QAbstractSocket::SocketError error) { SocketFailed(error); });
    QObject::connect(socket_, &QTcpSocket::readyRead, &context_, [this] { wait_.Wake(); });
}

void TSocketClient::AdoptSocket(QTcpSocket* socket, const QHostAddress& address) {
    QTcpSocket* idle = socket_;
    QObject::disconnect(idle, nullptr, &context_, nullptr);
    idle->abort();
    idle->deleteLater();
    socket->setParent(&context_);
    socket_ = socket;
    connectedAddress_ = address;
    WireSocket();
    // The attempt's own connected signal has passed; the component hears of it now.
    SocketConnected();
}

void TSocketClient::SocketConnected() {
    lastEventOk_ = true;
    connected_ = true;
    if (OnConnect) {
        Guarded([this] { OnConnect(*this); });
    }
    wait_.Wake();
}

void TSocketClient::SocketClosed() {
    lastEventOk_ = true;
    peerClosed_ = true;
    // With data still waiting the close is left until the data has been read.
    if (!DataAvailable()) {
        Guarded([this] { RequestCloseSocket(); });
    }
    wait_.Wake();
}

void TSocketClient::SocketFailed(QAbstractSocket::SocketError error) {
    // Qt reports a peer's close as an error; it is handled as the close it is.
    if (error == QAbstractSocket::RemoteHostClosedError) {
        return;
    }
    lastEventOk_ = false;
    lastErrorNo_ = WinsockErrors::FromSocketError(error, socket_->errorString());
    wait_.Wake();
}

void TSocketClient::StatusMessage(int level, const QString& text) {
    if (ReportLevel < level) {
        return;
    }
    status_ = text;
    if (OnStatus && !destroying_) {
        Guarded([this, &text] { OnStatus(*this, text); });
    }
}

void TSocketClient::WaitUntil(const std::function<bool()>& done) {
    if (wait_.Until(done) == EventWait::Outcome::ApplicationExiting) {
        canceled_ = true;
    }
}

void TSocketClient::TimerOn() {
    StatusMessage(8, QStringLiteral("Timer On"));
    timedOut_ = false;
    timer_.SetInterval(TimeOut);
    timer_.Enable();
}

void TSocketClient::TimerOff() {
    StatusMessage(8, QStringLiteral("Timer Off"));
    timer_.Disable();
}

void TSocketClient::TimerFired() {
    StatusMessage(8, QStringLiteral("Timer Triggered"));
    TimerOff();
    timedOut_ = true;
    wait_.Wake();
    Abort();
}

void TSocketClient::Cancel() {
    StatusMessage(8, QStringLiteral("Canceling"));
    canceled_ = true;
    wait_.Wake();
}

void TSocketClient::Abort() {
    StatusMessage(8, QStringLiteral("Abort"));
    Cancel();
}

ConnectionTarget TSocketClient::Target() const {
    return {Host, Port, Tls, {TrustedCertificate, TrustedServer}};
}

QHostAddress TSocketClient::RemoteAddress() const {
    if (!connectedAddress_.isNull() || remoteAddresses_.isEmpty()) {
        return connectedAddress_;
    }
    return remoteAddresses_.front();
}

void TSocketClient::ResolveRemoteHost() {
    StatusMessage(8, QStringLiteral("Resolve Host"));
    connectedAddress_.clear();
    const QString hostName = Target().HostName();
    if (const std::optional<QList<QHostAddress>> literal =
            SecureConnector::LiteralAddresses(hostName)) {
        remoteAddresses_ = *literal;
        return;
    }
    remoteAddresses_.clear();
    QList<QHostAddress> answer;
    TimerOn();
    {
        // A lookup given up on is aborted when this goes; its answer never arrives then.
        HostLookup lookup(hostName, [this] { wait_.Wake(); });
        lookupId_ = lookup.Id();
        WaitUntil(
            [this, &lookup] { return lookup.Answer().has_value() || timedOut_ || canceled_; });
        TimerOff();
        if (const auto& info = lookup.Answer()) {
            answer = SecureConnector::UsableAddresses(*info);
            lastEventOk_ = !answer.isEmpty();
        }
    }
    lookupId_ = -1;
    if (timedOut_) {
        throw ESockError(SockErrorKind::LookupTimedOut);
    }
    if (canceled_) {
        throw ESockError(SockErrorKind::LookupCanceled);
    }
    if (!lastEventOk_) {
        throw ESockError(SockErrorKind::LookupFailed);
    }
    remoteAddresses_ = answer;
    if (OnHostResolved) {
        OnHostResolved(*this);
    }
}

void TSocketClient::ResolveWithRetry() {
    for (int attempt = 1;; ++attempt) {
        try {
            ResolveRemoteHost();
        } catch (const ESockError& error) {
            // A lookup that ran out of time or was canceled is not tried again.
            if (error.Kind() == SockErrorKind::LookupTimedOut ||
                error.Kind() == SockErrorKind::LookupCanceled) {
                throw;
            }
            remoteAddresses_.clear();
        }
        if (!remoteAddresses_.isEmpty()) {
            return;
        }
        if (attempt == 1 && OnInvalidHost) {
            bool handled = false;
            OnInvalidHost(handled);
            if (handled) {
                continue;
            }
        }
        throw ESockError(SockErrorKind::NoRemoteAddress);
    }
}

void TSocketClient::OpenConnection() {
    lastEventOk_ = true;
    TimerOn();
    connector_.Connect(Target(), remoteAddresses_);
    WaitUntil([this] {
        return connector_.Connected() || connector_.Failure() != ConnectFailure::None ||
               timedOut_ || canceled_;
    });
    TimerOff();
    if (connector_.Connected() && !timedOut_ && !canceled_) {
        AdoptSocket(connector_.TakeSocket(), connector_.ConnectedAddress());
        return;
    }
    const bool allFailed = connector_.Failure() == ConnectFailure::ConnectFailed;
    // Attempts given up on must not complete later behind the component's back.
    connector_.Cancel();
    if (allFailed) {
        lastEventOk_ = false;
        lastErrorNo_ = connector_.LastErrorNumber();
    }
    if (OnConnectionFailed) {
        OnConnectionFailed(*this);
    }
    connected_ = false;
    if (timedOut_) {
        throw EAbortError(QStringLiteral("Connection Timed out"));
    }
    if (canceled_) {
        throw EAbortError(QStringLiteral("Connection Canceled"));
    }
    throw EAbortError(QStringLiteral("Connection Failed"));
}

void TSocketClient::Connect() {
    StatusMessage(8, QStringLiteral("Connecting"));
    canceled_ = false;
    if (connected_) {
        throw ESockError(SockErrorKind::AlreadyConnected);
    }
    ResolveWithRetry();
    OpenConnection();
    if (Tls == TlsMode::FromFirstByte) {
        StartEncryption();
    }
}

bool TSocketClient::Encrypted() const {
    const auto* secure = qobject_cast<const QSslSocket*>(socket_);
    return connected_ && secure != nullptr && secure->isEncrypted();
}

void TSocketClient::FailEncryption(TlsFailure failure, const QString& text) {
    canceled_ = false;
    if (connected_ || socket_->state() != QAbstractSocket::UnconnectedState) {
        RequestCloseSocket();
    }
    throw ETlsError(failure, text,
                    failure == TlsFailure::CertificateUntrusted ? refusedCertificate_
                                                                : ServerCertificate{});
}

void TSocketClient::StartEncryption() {
    StatusMessage(8, QStringLiteral("Start Encryption"));
    auto* secure = qobject_cast<QSslSocket*>(socket_);
    if (!connected_ || secure == nullptr || !QSslSocket::supportsSsl()) {
        FailEncryption(TlsFailure::EncryptionFailed, QStringLiteral("Encryption not available"));
    }
    if (secure->isEncrypted()) {
        return;
    }
    TimerOn();
    connector_.Encrypt(Target(), secure);
    WaitUntil([this] {
        return connector_.Encrypted() || connector_.Failure() != ConnectFailure::None ||
               timedOut_ || canceled_ || socket_->state() != QAbstractSocket::ConnectedState;
    });
    TimerOff();
    const ConnectFailure failure = connector_.Failure();
    refusedCertificate_ = connector_.RefusedCertificate();
    connector_.Cancel();
    if (Encrypted() && !timedOut_ && !canceled_) {
        return;
    }
    if (failure == ConnectFailure::CertificateUntrusted) {
        FailEncryption(TlsFailure::CertificateUntrusted,
                       QStringLiteral("Server certificate not trusted"));
    }
    if (failure == ConnectFailure::DataBeforeHandshake) {
        FailEncryption(TlsFailure::EncryptionFailed,
                       QStringLiteral("Data before the TLS handshake"));
    }
    if (timedOut_) {
        FailEncryption(TlsFailure::EncryptionFailed, QStringLiteral("TLS handshake timed out"));
    }
    if (canceled_) {
        canceled_ = false;
        if (connected_) {
            RequestCloseSocket();
        }
        throw EAbortError(QStringLiteral("Connection Canceled"));
    }
    FailEncryption(TlsFailure::EncryptionFailed, QStringLiteral("TLS handshake failed"));
}

void TSocketClient::Disconnect() {
    StatusMessage(8, QStringLiteral("Disconnecting"));
    RequestCloseSocket();
}

void TSocketClient::RequestCloseSocket() {
    StatusMessage(4, QStringLiteral("Request Close Socket"));
    connected_ = false;
    QTcpSocket* closing = socket_;
    socket_ = nullptr;
    if (closing != nullptr) {
        QObject::disconnect(closing, nullptr, &context_, nullptr);
        // Hand what is still unsent to the system before the socket goes.
        closing->flush();
        closing->abort();
        if (destroying_) {
            delete closing;
        } else {
            // The close may be requested from one of this socket's own signals.
            closing->deleteLater();
        }
    }
    wait_.Wake();
    if (destroying_) {
        return;
    }
    CreateSocket();
    if (OnDisconnect) {
        OnDisconnect(*this);
    }
}

void TSocketClient::ErrorManager(int number, int tolerated) {
    lastErrorNo_ = number;
    if (number == tolerated || number <= 10000) {
        return;
    }
    const QString text = SocketErrorStr(number);
    if (OnError) {
        OnError(*this, number, text);
    }
    throw ESockError(SockErrorKind::Socket, text);
}

QString TSocketClient::SocketErrorStr(int number) {
    StatusMessage(8, QStringLiteral("Looking Up Error Message"));
    if (number == 0) {
        return {};
    }
    const QString text = WinsockErrors::Text(number);
    if (text.isEmpty()) {
        return QStringLiteral("Unknown Error No. %1").arg(number);
    }
    return QStringLiteral("%1:%2").arg(number).arg(text);
}

void TSocketClient::Write(const QString& text) {
    QByteArray bytes = text.toUtf8();
    bytes.truncate(BufferSize);
    SendBuffer(bytes, 0);
}

void TSocketClient::Writeln(const QString& text) {
    Write(text + QStringLiteral("\r\n"));
}

void TSocketClient::SendBuffer(const QByteArray& data, qsizetype length) {
    StatusMessage(4, QStringLiteral("Sending Buffer"));
    TimerOn();
    const ScopeExit timerOff([this] { TimerOff(); });
    if (!canceled_) {
        if (length == 0) {
            const qsizetype nul = data.indexOf('\0');
            length = nul < 0 ? data.size() : nul;
        }
        length = std::min(length, data.size());
        if (socket_->state() != QAbstractSocket::ConnectedState) {
            ErrorManager(10057);
        }
        if (socket_->write(data.constData(), length) < 0) {
            ErrorManager(WinsockErrors::FromSocketError(socket_->error(), socket_->errorString()));
        }
        // Hand the bytes to the system now rather than at the next event loop pass.
        socket_->flush();
    }
    if (canceled_) {
        canceled_ = false;
        throw EAbortError(QStringLiteral("Socket send aborted"));
    }
}

bool TSocketClient::InputEnded() {
    if (socket_->state() == QAbstractSocket::ConnectedState) {
        return false;
    }
    if (peerClosed_) {
        return true;
    }
    const QAbstractSocket::SocketError error = socket_->error();
    if (connected_ && error != QAbstractSocket::UnknownSocketError &&
        error != QAbstractSocket::RemoteHostClosedError) {
        ErrorManager(WinsockErrors::FromSocketError(error, socket_->errorString()));
    }
    lastErrorNo_ = 10057;
    return true;
}

QString TSocketClient::ReadLn() {
    StatusMessage(8, QStringLiteral("ReadLn"));
    TimerOn();
    const ScopeExit timerOff([this] { TimerOff(); });
    QByteArray line;
    qsizetype lineFeed = -1;
    for (;;) {
        const QByteArray peeked = socket_->peek(BufferSize - line.size());
        if (peeked.isEmpty()) {
            if (InputEnded()) {
                return {};
            }
        } else {
            lineFeed = peeked.indexOf('\n');
            if (lineFeed >= 0) {
                break;
            }
            line += socket_->read(peeked.size());
            if (line.size() >= BufferSize) {
                throw ESockError(SockErrorKind::LineTooLong);
            }
        }
        WaitUntil([this] {
            return canceled_ || DataAvailable() ||
                   socket_->state() != QAbstractSocket::ConnectedState;
        });
        if (canceled_) {
            break;
        }
    }
    if (canceled_) {
        canceled_ = false;
        throw EAbortError(QStringLiteral("Socket readln aborted"));
    }
    line += socket_->read(lineFeed + 1);
    return QString::fromUtf8(line);
}

QString TSocketClient::Read(int count) {
    StatusMessage(8, QStringLiteral("Read( %1 )").arg(count));
    // More than the buffer holds could never be waiting at once, so the wait would not end.
    if (count > BufferSize) {
        throw ESockError(SockErrorKind::ReadCountTooLarge);
    }
    if (count > 0) {
        for (;;) {
            const qint64 waiting = socket_->bytesAvailable();
            if (waiting >= count) {
                break;
            }
            if (InputEnded()) {
                if (waiting == 0) {
                    return {};
                }
                // The peer has closed: nothing more will come, take what has arrived.
                count = static_cast<int>(waiting);
                break;
            }
            WaitUntil([this, waiting] {
                return canceled_ || socket_->bytesAvailable() > waiting ||
                       socket_->state() != QAbstractSocket::ConnectedState;
            });
            if (canceled_) {
                break;
            }
        }
    } else {
        const qint64 waiting = socket_->bytesAvailable();
        if (waiting == 0) {
            InputEnded();
        }
        count = static_cast<int>(std::min<qint64>(waiting, BufferSize));
    }
    if (canceled_) {
        canceled_ = false;
        throw EAbortError(QStringLiteral("Socket send aborted"));
    }
    return QString::fromUtf8(socket_->read(count));
}

QString TSocketClient::Transaction(const QString& command) {
    StatusMessage(8, QStringLiteral("Transaction"));
    replyNumber_ = 0;
    Writeln(command);
    lastReply_ = ReadLn();
    if (!lastReply_.isEmpty()) {
        StatusMessage(1, lastReply_);
        replyNumber_ = LeadingNumber(lastReply_);
    }
    return lastReply_;
}

QByteArray TSocketClient::Peek() const {
    // A socket replaced after a close was never opened and has nothing to show.
    return socket_ != nullptr && socket_->isOpen() ? socket_->peek(BufferSize) : QByteArray();
}

bool TSocketClient::DataAvailable() const {
    return socket_ != nullptr && socket_->bytesAvailable() > 0;
}

void TSocketClient::ClearInput() {
    // After a close the component holds a fresh socket that was never opened: nothing to clear.
    if (socket_->isOpen()) {
        socket_->read(BufferSize);
    }
}

void TSocketClient::CertifyConnect() {
    StatusMessage(8, QStringLiteral("Checking Connection"));
    for (int pass = 1; !connected_; ++pass) {
        if (pass > 1 || !OnConnectionRequired) {
            throw ENetError(QStringLiteral("Not Connected"));
        }
        bool handled = false;
        OnConnectionRequired(handled);
        if (!handled) {
            throw ENetError(QStringLiteral("Not Connected"));
        }
    }
}
