#pragma once

#include <QString>
#include <QTemporaryDir>

// A Dovecot POP3 server with its own configuration in a temporary folder: user alice with
// password secret and a Maildir of three messages, listening on a free port of 127.0.0.1.
// Stopped when the object goes.
class DovecotServer {
public:
    DovecotServer();
    ~DovecotServer();
    DovecotServer(const DovecotServer&) = delete;
    DovecotServer& operator=(const DovecotServer&) = delete;

    // The dovecot program, or empty when Dovecot is not installed.
    static QString Executable();

    // Starts the server and waits until it greets; on failure returns why.
    QString Start();
    quint16 Port() const { return port_; }

private:
    QString Prepare();
    bool Greets() const;

    QTemporaryDir folder_;
    QString configuration_;
    quint16 port_ = 0;
    bool running_ = false;
};
