// The transport against a scripted peer on 127.0.0.1: refusals, broken and
// silent servers, bad certificates and old TLS. Every failure must reach the
// caller with its text and leave no connection half-open.
#include "smtp_client.h"
#include "smtp_error.h"
#include "smtp_test_servers.h"
#include "support_mail.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kUser = QStringLiteral("tintora.order@mail.ru");
const QString kPassword = QStringLiteral("dqx4178");
const QString kLocalName = QStringLiteral("client.test");

struct PeerOptions {
  QString scenario = QStringLiteral("normal");
  bool wrongHost = false;
  bool tls10 = false;
};

class Faults : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(m_certificates.ok()); }

  void startPeer(const PeerOptions &options) {
    QStringList arguments = m_certificates.serverOptions(options.wrongHost);
    arguments << QStringLiteral("--scenario") << options.scenario;
    if (options.tls10)
      arguments.append(QStringLiteral("--tls10"));
    m_peer = std::make_unique<smtp_test::ServerProcess>(QStringLiteral("smtp_peer.py"), arguments);
    ASSERT_NE(m_peer->port(), 0) << m_peer->errorOutput().toStdString();
  }
  void startPeer(const QString &scenario) { startPeer(PeerOptions{scenario}); }

  MailSettings settings() const {
    MailSettings settings;
    settings.host = QStringLiteral("localhost");
    settings.port = m_peer ? m_peer->port() : 0;
    settings.user = kUser;
    settings.password = kPassword;
    settings.caFile = m_certificates.ca();
    settings.localName = kLocalName;
    settings.connectTimeout = settings.readTimeout = settings.writeTimeout = std::chrono::seconds(15);
    return settings;
  }

  static MailMessage message() {
    MailMessage message = SampleOrder();
    message.from = MailAddress{kUser, kUser};
    return message;
  }

  // What the peer received, once the connection is over (so that the list is complete).
  QStringList linesAfterClientLeft() {
    EXPECT_TRUE(m_peer->waitFor(QStringLiteral("done"))) << "the client left the connection open";
    return m_peer->receivedLines();
  }

  // Sends one message to the peer playing `scenario`; what the peer received.
  QStringList linesOfOneDelivery(const QString &scenario) {
    startPeer(scenario);
    if (HasFatalFailure())
      return {};
    SmtpClient client(settings());
    client.connect();
    client.send(message());
    client.disconnect();
    return linesAfterClientLeft();
  }

  smtp_test::Certificates m_certificates;
  std::unique_ptr<smtp_test::ServerProcess> m_peer;
};

// Runs the call and returns the error it must throw.
template <typename Call> SmtpError ErrorOf(Call call) {
  try {
    call();
  } catch (const SmtpError &error) {
    return error;
  }
  ADD_FAILURE() << "no error";
  return SmtpError(SmtpError::Kind::Input, QString());
}

QStringList Lines(std::initializer_list<QString> lines) {
  return QStringList(lines);
}
QString Base64(const QString &text) {
  return QString::fromLatin1(text.toUtf8().toBase64());
}

// The commands of one delivered message after the given opening.
QStringList Transaction() {
  return {QStringLiteral("MAIL FROM:<tintora.order@mail.ru>"), QStringLiteral("RCPT TO:<zakaz@tintora.ru>"),
          QStringLiteral("DATA")};
}

TEST_F(Faults, NormalExchangeLogsInAndQuits) {
  startPeer(QStringLiteral("normal"));
  SmtpClient client(settings());
  client.connect();
  EXPECT_EQ(client.capabilities(), (QStringList{QStringLiteral("SIZE 1000000"), QStringLiteral("AUTH PLAIN LOGIN"),
                                                QStringLiteral("8BITMIME")}));
  client.send(message());
  client.disconnect();
  const QStringList lines = linesAfterClientLeft();
  EXPECT_EQ(lines.mid(0, 7), Lines({QStringLiteral("EHLO client.test"), QStringLiteral("AUTH LOGIN"), Base64(kUser),
                                    Base64(kPassword)}) +
                                 Transaction());
  EXPECT_EQ(lines.mid(lines.size() - 2), Lines({QStringLiteral("."), QStringLiteral("QUIT")}));
  EXPECT_EQ(m_peer->waitFor(QStringLiteral("sni")).value_or(QJsonObject()).value(QStringLiteral("name")).toString(),
            QStringLiteral("localhost"));
  const QString version =
      m_peer->waitFor(QStringLiteral("tls")).value_or(QJsonObject()).value(QStringLiteral("version")).toString();
  EXPECT_TRUE(version == QLatin1String("TLSv1.3") || version == QLatin1String("TLSv1.2")) << version.toStdString();
}

TEST_F(Faults, RefusedEhloFallsBackToHeloWithoutAuthentication) {
  startPeer(QStringLiteral("ehlo_refused"));
  SmtpClient client(settings());
  client.connect();
  EXPECT_TRUE(client.capabilities().isEmpty());
  client.send(message());
  client.disconnect();
  EXPECT_EQ(linesAfterClientLeft().mid(0, 5),
            Lines({QStringLiteral("EHLO client.test"), QStringLiteral("HELO client.test")}) + Transaction());
}

TEST_F(Faults, AuthWithoutLoginGoesStraightToMailFrom) {
  const QStringList lines = linesOfOneDelivery(QStringLiteral("auth_plain_only"));
  EXPECT_EQ(lines.mid(0, 4), Lines({QStringLiteral("EHLO client.test")}) + Transaction());
}

TEST_F(Faults, AuthEqualsFormOffersLoginToo) {
  const QStringList lines = linesOfOneDelivery(QStringLiteral("auth_equals"));
  EXPECT_EQ(lines.mid(0, 2), Lines({QStringLiteral("EHLO client.test"), QStringLiteral("AUTH LOGIN")}));
}

TEST_F(Faults, AcceptedAfterTheUserNameSendsNoPassword) {
  const QStringList lines = linesOfOneDelivery(QStringLiteral("accepted_after_user"));
  EXPECT_EQ(lines.mid(0, 6),
            Lines({QStringLiteral("EHLO client.test"), QStringLiteral("AUTH LOGIN"), Base64(kUser)}) + Transaction());
}

TEST_F(Faults, Recipient251IsAccepted) {
  const QStringList lines = linesOfOneDelivery(QStringLiteral("recipient_251"));
  EXPECT_TRUE(lines.contains(QStringLiteral(".")));
}

// A refusal: the server's text, RSET only after MAIL FROM was accepted, QUIT on disconnect.
struct RefusalCase {
  const char *scenario;
  int code;
  const char *text;
  const char *refusedCommand;
  bool reset;
};

TEST_F(Faults, RefusalsCarryTheServersTextAndResetWhereTheyShould) {
  const RefusalCase cases[] = {
      {"recipient_refused", 550, "5.1.1 <nobody@peer.test>: Recipient address rejected: User unknown",
       "RCPT TO:<zakaz@tintora.ru>", true},
      {"data_refused", 554, "5.5.1 Error: no valid recipients", "DATA", true},
      {"message_refused", 554, "5.7.1 Message rejected as spam", ".", true},
      {"sender_refused", 553, "5.7.1 Sender address rejected: not owned by user", "MAIL FROM:<tintora.order@mail.ru>",
       false},
      {"auth_refused", 535, "5.7.8 Error: authentication failed", "ZGF4NDE3OA==", false},
  };
  for (const RefusalCase &c : cases) {
    SCOPED_TRACE(c.scenario);
    startPeer(QString::fromLatin1(c.scenario));
    SmtpClient client(settings());
    client.connect();
    const SmtpError error = ErrorOf([&] { client.send(message()); });
    EXPECT_EQ(error.kind(), SmtpError::Kind::Reply);
    EXPECT_EQ(error.replyCode(), c.code);
    EXPECT_EQ(error.text(), QString::fromLatin1(c.text));
    EXPECT_TRUE(client.connected());
    client.disconnect();
    EXPECT_FALSE(client.connected());

    QStringList lines = linesAfterClientLeft();
    const QString refused = QString::fromLatin1(c.refusedCommand) == QLatin1String("ZGF4NDE3OA==")
                                ? Base64(kPassword)
                                : QString::fromLatin1(c.refusedCommand);
    const qsizetype at = lines.lastIndexOf(refused);
    ASSERT_GE(at, 0) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines.mid(at + 1),
              c.reset ? Lines({QStringLiteral("RSET"), QStringLiteral("QUIT")}) : Lines({QStringLiteral("QUIT")}));
  }
}

// Failures while connecting: the error's text, nothing open, no QUIT.
struct ConnectFailureCase {
  const char *what;
  PeerOptions peer;
  bool trustTestCa;
  std::chrono::milliseconds timeout;
  SmtpError::Kind kind;
  const char *textPart;
};

TEST_F(Faults, ConnectFailuresLeaveNothingOpen) {
  using std::chrono::milliseconds;
  const ConnectFailureCase cases[] = {
      {"refused greeting",
       {QStringLiteral("greeting_refused")},
       true,
       milliseconds(15000),
       SmtpError::Kind::Reply,
       "5.3.2 peer.test No SMTP service here"},
      {"not SMTP", {QStringLiteral("garbage_greeting")}, true, milliseconds(15000), SmtpError::Kind::Protocol, "SMTP"},
      {"silent server",
       {QStringLiteral("silent")},
       true,
       milliseconds(1500),
       SmtpError::Kind::Connection,
       "не ответил за 1.5 с"},
      {"no TLS handshake",
       {QStringLiteral("no_tls")},
       true,
       milliseconds(1500),
       SmtpError::Kind::Connection,
       "не ответил за 1.5 с"},
      {"untrusted certificate", {}, false, milliseconds(15000), SmtpError::Kind::Connection, "не прошёл проверку"},
      {"wrong host name",
       {QStringLiteral("normal"), true},
       true,
       milliseconds(15000),
       SmtpError::Kind::Connection,
       "hostname mismatch"},
      {"TLS 1.0 only",
       {QStringLiteral("normal"), false, true},
       true,
       milliseconds(15000),
       SmtpError::Kind::Connection,
       "localhost"},
  };
  for (const ConnectFailureCase &c : cases) {
    SCOPED_TRACE(c.what);
    startPeer(c.peer);
    MailSettings clientSettings = settings();
    clientSettings.readTimeout = c.timeout;
    if (!c.trustTestCa)
      clientSettings.caFile.clear();
    SmtpClient client(clientSettings);
    const SmtpError error = ErrorOf([&] { client.connect(); });
    EXPECT_EQ(error.kind(), c.kind) << error.what();
    EXPECT_TRUE(error.text().contains(QString::fromUtf8(c.textPart))) << error.what();
    EXPECT_FALSE(client.connected());
    EXPECT_TRUE(linesAfterClientLeft().isEmpty()) << "the client sent something after a failure";
    client.disconnect(); // harmless now
  }
}

TEST_F(Faults, ConnectionDroppedDuringDataIsAnError) {
  startPeer(QStringLiteral("drop_in_data"));
  SmtpClient client(settings());
  client.connect();
  const SmtpError error = ErrorOf([&] { client.send(message()); });
  EXPECT_EQ(error.kind(), SmtpError::Kind::Connection);
  EXPECT_FALSE(error.text().isEmpty());
  EXPECT_FALSE(client.connected());
  client.disconnect();
}

TEST_F(Faults, ClosedPortIsAConnectionError) {
  const smtp_test::ClosedPort closedPort;
  ASSERT_NE(closedPort.port(), 0);
  MailSettings closed = settings();
  closed.port = closedPort.port();
  SmtpClient client(closed);
  const SmtpError error = ErrorOf([&] { client.connect(); });
  EXPECT_EQ(error.kind(), SmtpError::Kind::Connection);
  EXPECT_TRUE(error.text().contains(QStringLiteral("Не удалось подключиться"))) << error.what();
  EXPECT_FALSE(client.connected());
}

TEST_F(Faults, BadEhloNameIsRefusedBeforeConnecting) {
  startPeer(QStringLiteral("normal"));
  for (const QString &name : {QStringLiteral("host\r\nMAIL FROM:<x@y>"), QStringLiteral("host\nx"),
                              QStringLiteral("host\rx"), QStringLiteral("host") + QChar(0) + QStringLiteral("x")}) {
    MailSettings bad = settings();
    bad.localName = name;
    SmtpClient client(bad);
    EXPECT_EQ(ErrorOf([&] { client.connect(); }).kind(), SmtpError::Kind::Input);
    EXPECT_FALSE(client.connected());
  }
  // The first connection the peer ever sees is this one.
  SmtpClient client(settings());
  client.connect();
  client.disconnect();
  linesAfterClientLeft();
  const QList<QJsonObject> events = m_peer->events();
  EXPECT_EQ(std::count_if(
                events.begin(), events.end(),
                [](const QJsonObject &e) { return e.value(QStringLiteral("event")) == QStringLiteral("accepted"); }),
            1);
}

TEST_F(Faults, BadEnvelopeAddressIsRefusedBeforeAnyCommand) {
  startPeer(QStringLiteral("normal"));
  SmtpClient client(settings());
  client.connect();
  const QString injected[] = {QStringLiteral("a@b.ru\r\nRCPT TO:<spy@evil.test>"),
                              QStringLiteral("a@b.ru\n"),
                              QStringLiteral("a@b\r.ru"),
                              QStringLiteral("a@b") + QChar(0) + QStringLiteral(".ru"),
                              QStringLiteral("a@b.ru> SIZE=1"),
                              QString()};
  for (const QString &address : injected) {
    MailMessage toBad = message();
    toBad.to = {MailAddress{QString(), address}};
    EXPECT_EQ(ErrorOf([&] { client.send(toBad); }).kind(), SmtpError::Kind::Input);
    EXPECT_EQ(ErrorOf([&] { SmtpClient::checkMessage(toBad); }).kind(), SmtpError::Kind::Input);
    MailMessage fromBad = message();
    fromBad.from.address = address;
    EXPECT_EQ(ErrorOf([&] { client.send(fromBad); }).kind(), SmtpError::Kind::Input);
  }
  client.disconnect();
  EXPECT_EQ(linesAfterClientLeft(), Lines({QStringLiteral("EHLO client.test"), QStringLiteral("QUIT")}));
}

TEST_F(Faults, SendingWithoutAConnectionIsAnError) {
  SmtpClient client;
  EXPECT_EQ(ErrorOf([&] { client.send(message()); }).kind(), SmtpError::Kind::Connection);
  client.disconnect();
  EXPECT_FALSE(client.connected());
}

} // namespace
