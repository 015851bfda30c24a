#include "dovecot_server.h"
#include "net/imap_connection.h"
#include "net/imap_idle_watch.h"
#include "net_test_support.h"
#include "scripted_peer.h"
#include "test_certificates.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace std::chrono_literals;

namespace {

// Opens connections as the program's connector would, trusting the test's self-signed
// certificate for its own socket only.
class TestOpener : public ImapSocketOpener {
public:
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 0;
    bool tls = false;
    QString certificate; // the one file to trust; empty for plain connections

    QSslSocket* MakeSocket() const {
        auto* socket = new QSslSocket;
        if (!certificate.isEmpty()) {
            QSslConfiguration configuration = socket->sslConfiguration();
            configuration.setCaCertificates(QSslCertificate::fromPath(certificate));
            socket->setSslConfiguration(configuration);
            socket->setPeerVerifyName(QStringLiteral("localhost"));
        }
        return socket;
    }

    // A connected (and for TLS encrypted) socket, or nullptr.
    QSslSocket* OpenNow() const {
        std::unique_ptr<QSslSocket> socket(MakeSocket());
        if (tls) {
            socket->connectToHostEncrypted(host, port);
            return socket->waitForEncrypted(5000) ? socket.release() : nullptr;
        }
        socket->connectToHost(host, port);
        return socket->waitForConnected(5000) ? socket.release() : nullptr;
    }

    void Open(Opened opened) override {
        ++opens;
        QSslSocket* socket = OpenNow();
        opened(socket, ImapOutcome::ConnectionLost, socket ? QString() : QStringLiteral("no"));
    }
    void Cancel() override {}
    void StartTls(QSslSocket* socket, Encrypted encrypted) override {
        QObject::connect(socket, &QSslSocket::encrypted, socket,
                         [encrypted] { encrypted(ImapOutcome::Ok, {}); });
        socket->startClientEncryption();
    }

    int opens = 0;
};

// Runs one conversation to its end over a socket the opener made.
ImapResult Converse(TestOpener& opener, ImapSession session,
                    std::chrono::milliseconds replyTimeOut) {
    QSslSocket* socket = opener.OpenNow();
    if (socket == nullptr) {
        return {.outcome = ImapOutcome::ConnectionLost, .reason = QStringLiteral("not connected")};
    }
    ImapConnection connection(socket, std::move(session), replyTimeOut);
    QObject::connect(&connection, &ImapConnection::startTlsRequested, &connection, [&] {
        opener.StartTls(socket, [&](ImapOutcome, QString) { connection.EncryptionStarted(); });
    });
    QEventLoop loop;
    QObject::connect(&connection, &ImapConnection::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    connection.Start();
    if (!connection.Finished()) {
        loop.exec();
    }
    EXPECT_TRUE(connection.Finished());
    return connection.Result();
}

// What a scripted server opens with, and the login that answers it.
const QByteArray Greeting = "* OK [CAPABILITY IMAP4rev1 SASL-IR AUTH=PLAIN IDLE] hi\r\n";
const QByteArray Authenticate = "a1 AUTHENTICATE PLAIN AGFsaWNlAHNlY3JldA==";

ImapSession Check(ImapSecurity security, const char* password = "secret",
                  const char* mailbox = "INBOX") {
    return ImapSession(ImapSession::Purpose::Check, security, QStringLiteral("alice"),
                       QString::fromUtf8(password), QString::fromUtf8(mailbox));
}

} // namespace

class NetImapDovecot : public ::testing::Test {
protected:
    void SetUp() override {
        if (DovecotServer::Executable().isEmpty()) {
            GTEST_SKIP()
                << "Dovecot is not installed (Debian packages dovecot-pop3d, dovecot-imapd)";
        }
        const TestCertificates* certificates = TestCertificates::Get();
        ASSERT_NE(certificates, nullptr) << TestCertificates::Problem().toStdString();
        DovecotOptions options;
        options.certificate = certificates->selfSigned.certificate;
        options.key = certificates->selfSigned.key;
        options.addresses = {QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.2")};
        options.imap = true;
        server_ = std::make_unique<DovecotServer>(options);
        const QString failure = server_->Start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        opener_.certificate = certificates->selfSigned.certificate;
    }
    // IMAPS on 127.0.0.1, or the plain listener on 127.0.0.2, where Dovecot refuses logins
    // in plain text.
    void Aim(ImapSecurity security) {
        opener_.tls = security == ImapSecurity::Tls;
        opener_.host = opener_.tls ? QStringLiteral("127.0.0.1") : QStringLiteral("127.0.0.2");
        opener_.port = opener_.tls ? server_->ImapTlsPort() : server_->ImapPort();
    }

    std::unique_ptr<DovecotServer> server_;
    TestOpener opener_;
};

TEST_F(NetImapDovecot, CountsTheUnseenMessagesOverImapsAndStartTls) {
    for (const ImapSecurity security : {ImapSecurity::Tls, ImapSecurity::StartTls}) {
        SCOPED_TRACE(int(security));
        Aim(security);
        const ImapResult result = Converse(opener_, Check(security), 10s);
        EXPECT_EQ(result.outcome, ImapOutcome::Ok) << result.reason.toStdString();
        EXPECT_NE(result.mailbox.uidValidity, 0u);
        EXPECT_EQ(result.mailbox.uidNext, 4u);
        EXPECT_EQ(result.mailbox.messages, 3u);
        EXPECT_EQ(result.mailbox.unseen, 3u);
        EXPECT_EQ(result.mailbox.highestUnseenUid, 3u);
    }
    // Reading a message lowers the count.
    ASSERT_EQ(server_->MarkSeen(3), QString());
    Aim(ImapSecurity::Tls);
    const ImapResult result = Converse(opener_, Check(ImapSecurity::Tls), 10s);
    EXPECT_EQ(result.mailbox.unseen, 2u);
    EXPECT_EQ(result.mailbox.highestUnseenUid, 2u);
}

TEST_F(NetImapDovecot, RefusalsEndWithTheirOutcome) {
    struct Case {
        const char* what;
        ImapSecurity security;
        const char* password;
        const char* mailbox;
        ImapOutcome outcome;
    };
    // The refused login comes last: Dovecot slows down the logins that follow one.
    const Case cases[] = {
        {"a mailbox that does not exist", ImapSecurity::Tls, "secret", "Nowhere",
         ImapOutcome::MailboxMissing},
        {"plain text where the server wants TLS", ImapSecurity::None, "secret", "INBOX",
         ImapOutcome::LoginRefused},
        {"a wrong password", ImapSecurity::Tls, "wrong", "INBOX", ImapOutcome::LoginRefused},
    };
    for (const Case& test : cases) {
        Aim(test.security);
        const ImapResult result =
            Converse(opener_, Check(test.security, test.password, test.mailbox), 10s);
        EXPECT_EQ(result.outcome, test.outcome) << test.what << ": " << result.reason.toStdString();
    }
}

TEST_F(NetImapDovecot, AWatchHearsOfADeliveredMessageAndReopensAfterAJump) {
    Aim(ImapSecurity::Tls);
    std::chrono::milliseconds wallAhead = 0ms;
    ImapIdleWatch watch(opener_,
                        {.user = QStringLiteral("alice"), .password = QStringLiteral("secret")},
                        {.replyTimeOut = 10s, .clockCheck = 100ms}, [&wallAhead] {
                            WatchInstant now = ImapIdleWatch::Now();
                            now.wall += wallAhead;
                            return now;
                        });
    QSignalSpy idling(&watch, &ImapIdleWatch::idling);
    QSignalSpy checkWanted(&watch, &ImapIdleWatch::checkWanted);
    QSignalSpy stopped(&watch, &ImapIdleWatch::stopped);
    watch.Start();
    ASSERT_TRUE(idling.wait(10000));
    EXPECT_EQ(checkWanted.count(), 0) << "the first IDLE follows no gap";

    ASSERT_EQ(server_->Deliver("From: bob@example.com\r\nSubject: hi\r\n\r\nhello\r\n"), QString());
    EXPECT_TRUE(checkWanted.wait(10000)) << "IDLE reported no EXISTS";

    // A resume from suspend: the wall clock leaps while the monotonic one stood still.
    checkWanted.clear();
    wallAhead = 2h;
    ASSERT_TRUE(idling.wait(10000));
    EXPECT_EQ(opener_.opens, 2);
    EXPECT_TRUE(checkWanted.count() > 0 || checkWanted.wait(1000))
        << "mail may have come while no connection idled";

    watch.Stop(500ms);
    EXPECT_TRUE(stopped.count() > 0 || stopped.wait(2000));
    EXPECT_EQ(stopped.value(0).value(0).value<ImapOutcome>(), ImapOutcome::Ok);
    EXPECT_FALSE(watch.Idling());
}

TEST(NetImapScripted, BadServersEndInTimeWithTheirOutcome) {
    struct Case {
        const char* what;
        std::function<void(ScriptedPeer&)> script;
        ImapOutcome outcome;
    };
    const Case cases[] = {
        {"never answers", [](ScriptedPeer&) {}, ImapOutcome::TimedOut},
        {"drops the connection silently",
         [](ScriptedPeer& peer) { peer.Send(Greeting).Expect(Authenticate).Close(); },
         ImapOutcome::ConnectionLost},
        {"sends an endless line",
         [](ScriptedPeer& peer) {
             peer.Send(Greeting).Send("* OK " +
                                      QByteArray(ImapResponseReader::MaxResponseSize, 'x'));
         },
         ImapOutcome::ProtocolError},
    };
    for (const Case& test : cases) {
        ScriptedPeer peer;
        test.script(peer);
        TestOpener opener;
        opener.port = peer.Port();
        const ImapResult result = Converse(opener, Check(ImapSecurity::None), 300ms);
        EXPECT_EQ(result.outcome, test.outcome) << test.what << ": " << result.reason.toStdString();
        EXPECT_EQ(peer.Mismatches(), QStringList()) << test.what;
    }
}

TEST(NetImapScripted, AWatchDroppedWhileIdlingTriesAgainAfterALongerPause) {
    ScriptedPeer peer;
    peer.Send(Greeting)
        .Expect(Authenticate)
        .Send("a1 OK [CAPABILITY IMAP4rev1 IDLE] in\r\n")
        .Expect("a2 EXAMINE \"INBOX\"")
        .Send("a2 OK\r\n")
        .Expect("a3 IDLE")
        .Send("+ idling\r\n")
        .Pause(50)
        .Send("* BYE going down\r\n");
    TestOpener opener;
    opener.port = peer.Port();
    ImapIdleWatch watch(opener,
                        {.security = ImapSecurity::None, .user = "alice", .password = "secret"});
    QSignalSpy idling(&watch, &ImapIdleWatch::idling);
    QSignalSpy stopped(&watch, &ImapIdleWatch::stopped);
    watch.Start();
    ASSERT_TRUE(idling.wait(5000));
    for (int wait = 0; wait < 50 && watch.Idling(); ++wait) {
        QTest::qWait(100);
    }
    EXPECT_FALSE(watch.Idling());
    EXPECT_EQ(watch.Schedule().Pause(), 60s) << "the next pause doubles";
    EXPECT_TRUE(watch.Schedule().NextDue().has_value());
    EXPECT_EQ(stopped.count(), 0) << "a dropped connection is tried again";
    EXPECT_EQ(peer.Mismatches(), QStringList());
}
