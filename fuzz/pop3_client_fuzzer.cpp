// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The POP3 client talking to a server that answers with arbitrary bytes: a peer on
// 127.0.0.1 in the same process sends the input one line per line the client sends, then
// closes. The client may ask for STLS after the greeting or for TLS from the first byte, so
// the arbitrary bytes also answer STLS and stand in for the server's side of a handshake.
// Every outcome must be a normal return or a network exception.
#include "fuzz_application.h"
#include "net/net_error.h"
#include "net/pop3_client.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <vector>

namespace {

constexpr int kMaxReplies = 16;

std::vector<QByteArray> SplitAfterLineFeeds(const QByteArray& bytes) {
    std::vector<QByteArray> replies;
    qsizetype start = 0;
    while (start < bytes.size() && int(replies.size()) < kMaxReplies - 1) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            break;
        }
        replies.push_back(bytes.mid(start, end + 1 - start));
        start = end + 1;
    }
    if (start < bytes.size()) {
        replies.push_back(bytes.mid(start));
    }
    return replies;
}

QTcpServer& Server() {
    static QTcpServer* server = [] {
        auto* listening = new QTcpServer;
        listening->listen(QHostAddress::LocalHost, 0);
        return listening;
    }();
    return *server;
}

// Plays the replies on the first connection of one input.
class ReplyScript {
public:
    explicit ReplyScript(std::vector<QByteArray> replies) : replies_(std::move(replies)) {
        QObject::connect(&Server(), &QTcpServer::newConnection, &context_, [this] { Accept(); });
    }
    ~ReplyScript() {
        if (peer_ != nullptr) {
            peer_->abort();
            delete peer_;
        }
        while (QTcpSocket* late = Server().nextPendingConnection()) {
            delete late;
        }
    }

private:
    void Accept() {
        QTcpSocket* socket = Server().nextPendingConnection();
        if (socket == nullptr || peer_ != nullptr) {
            delete socket;
            return;
        }
        peer_ = socket;
        QObject::connect(peer_, &QTcpSocket::readyRead, &context_, [this] { Receive(); });
        SendNext();
    }
    void Receive() {
        const QByteArray input = peer_->readAll();
        for (qsizetype lines = input.count('\n'); lines > 0 && peer_ != nullptr; --lines) {
            SendNext();
        }
    }
    void SendNext() {
        if (next_ < replies_.size()) {
            peer_->write(replies_[next_++]);
            peer_->flush();
        }
        if (next_ == replies_.size()) {
            peer_->disconnectFromHost();
        }
    }

    QObject context_;
    std::vector<QByteArray> replies_;
    std::size_t next_ = 0;
    QPointer<QTcpSocket> peer_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApplication::Ensure();
    if (size == 0) {
        return 0;
    }
    // The first byte chooses how the client reacts to a refused login (bit 0) and the
    // security it asks for (bits 1 and 2: none, STLS, TLS from the first byte).
    const bool retryLogin = (data[0] & 1) != 0;
    const auto security = Pop3Security(((data[0] >> 1) & 3) % 3);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    {
        ReplyScript script(SplitAfterLineFeeds(bytes));
        TPop3Client client;
        client.Host = QStringLiteral("127.0.0.1");
        client.Port = Server().serverPort();
        client.UserID = QStringLiteral("alice");
        client.Password = QStringLiteral("secret");
        client.TimeOut = 200;
        client.Security = security;
        if (retryLogin) {
            client.OnAuthenticationFailed = [](bool& handled) { handled = true; };
        }
        try {
            client.Connect();
            client.Disconnect();
        } catch (const ENetError&) {
            // Every server fault ends as a network exception.
        }
    }
    QCoreApplication::processEvents();
    return 0;
}
