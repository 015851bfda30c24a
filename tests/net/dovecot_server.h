// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// What the server offers beyond plain POP3 on 127.0.0.1.
struct DovecotOptions {
    // With a certificate and key the server requires TLS: a pop3s listener with TLS from the
    // first byte beside the plain one, which then offers STLS and refuses plaintext logins
    // except on connections whose two ends have the same address.
    QString certificate;
    QString key;
    // The addresses both listeners listen on; the first must be an IPv4 or IPv6 loopback
    // address the fixture can reach to see the server greet.
    QStringList addresses = {QStringLiteral("127.0.0.1")};
    // IMAP beside POP3: an imap listener, and with TLS an imaps one (Debian package
    // dovecot-imapd).
    bool imap = false;

    // POP3 and IMAP requiring TLS with this certificate, on 127.0.0.1 and 127.0.0.2: a
    // client on one aiming at the other is not taken as a local one, and logs in only over
    // TLS.
    static DovecotOptions TlsOnTwoLoopbacks(const QString& certificate, const QString& key) {
        return DovecotOptions{
            .certificate = certificate,
            .key = key,
            .addresses = {QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.2")},
            .imap = true};
    }
};

// A Dovecot POP3 (and IMAP) server with its own configuration in a temporary folder: user
// alice with password secret and a Maildir of three unread messages, listening on free ports
// of 127.0.0.1. Stopped when the object goes.
class DovecotServer {
public:
    explicit DovecotServer(DovecotOptions options = {});
    ~DovecotServer();
    DovecotServer(const DovecotServer&) = delete;
    DovecotServer& operator=(const DovecotServer&) = delete;

    // The dovecot program, or empty when Dovecot is not installed.
    static QString Executable();

    // Starts the server and waits until it greets; on failure returns why.
    QString Start();
    quint16 Port() const { return port_; }
    // The pop3s listener's port; 0 without TLS.
    quint16 TlsPort() const { return tlsPort_; }
    // The imap and imaps listeners' ports; 0 without IMAP or without TLS.
    quint16 ImapPort() const { return imapPort_; }
    quint16 ImapTlsPort() const { return imapTlsPort_; }

    // Delivers a message to alice's inbox as a mail server does: written into the Maildir's
    // tmp/ and moved into new/, which an idling IMAP session hears of at once. On failure
    // returns why.
    QString Deliver(const QByteArray& message);
    // Marks alice's inbox message with this UID as read; on failure returns why.
    QString MarkSeen(int uid);
    // What the server has logged so far: logins among them.
    QString Log() const;

private:
    QString Prepare();
    bool Greets() const;

    DovecotOptions options_;
    QTemporaryDir folder_;
    QString configuration_;
    quint16 port_ = 0;
    quint16 tlsPort_ = 0;
    quint16 imapPort_ = 0;
    quint16 imapTlsPort_ = 0;
    int deliveries_ = 0;
    bool running_ = false;
};
