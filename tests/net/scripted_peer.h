// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QSslConfiguration>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <vector>

// A TCP server on 127.0.0.1 (ephemeral port) that plays a script on the first connection it
// accepts: expect a line, send bytes, pause, close, reset, start TLS as the server. It runs
// on the test's own thread,
// served by the nested event loops of the client under test. Every line the client sends is
// recorded, also after the script has ended; a script that ends leaves the connection open
// and silent.
class ScriptedPeer {
public:
    ScriptedPeer();
    ~ScriptedPeer();

    quint16 Port() const { return server_.serverPort(); }

    ScriptedPeer& Expect(const QByteArray& line); // the line without its CR LF
    ScriptedPeer& Send(const QByteArray& bytes);
    ScriptedPeer& Pause(int milliseconds);
    ScriptedPeer& Close(); // an orderly close (FIN)
    ScriptedPeer& Reset(); // an abortive close (RST)
    // The server's side of a TLS handshake with this certificate and key; the script goes on
    // once the connection is encrypted, and ends if the handshake fails.
    ScriptedPeer& StartTls(const QSslConfiguration& server);

    // Lines received, without CR LF.
    QStringList Received() const { return received_; }
    // Expect steps that saw a different line: "expected X, got Y".
    QStringList Mismatches() const { return mismatches_; }
    int Connections() const { return connections_; }
    bool Finished() const { return next_ == steps_.size(); }
    // Whether a StartTls step completed its handshake.
    bool Encrypted() const { return encrypted_; }

    // A port on 127.0.0.1 where nothing listens.
    static quint16 ClosedPort();

private:
    enum class Kind { Expect, Send, Pause, Close, Reset, StartTls };
    struct Step {
        Kind kind;
        QByteArray bytes{};
        int milliseconds = 0;
        QSslConfiguration tls{};
    };

    // Hands out sockets that can turn to TLS when the script asks for it.
    class Server : public QTcpServer {
    public:
        explicit Server(const ScriptedPeer& owner) : owner_(owner) {}

    protected:
        void incomingConnection(qintptr descriptor) override;

    private:
        const ScriptedPeer& owner_;
    };

    ScriptedPeer& Add(Step step);
    void Accept();
    void Receive();
    void Advance();

    Server server_{*this};
    QTcpSocket* peer_ = nullptr;
    QTimer pause_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QByteArray input_;
    QStringList pending_;
    QStringList received_;
    QStringList mismatches_;
    int connections_ = 0;
    bool handshaking_ = false;
    bool encrypted_ = false;
};
