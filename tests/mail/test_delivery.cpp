// Delivery to a real SMTP server (aiosmtpd, implicit TLS, AUTH LOGIN) on 127.0.0.1:
// what the server received is checked byte for byte.
#include "charset_codec.h"
#include "mail_settings.h"
#include "message_composer.h"
#include "smtp_client.h"
#include "smtp_error.h"
#include "smtp_test_servers.h"
#include "support_mail.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <memory>

namespace {

class Delivery : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_certificates.ok());
    const OrderMailConfig builtIn = OrderMailSettings(QProcessEnvironment());
    m_server = std::make_unique<smtp_test::ServerProcess>(
        QStringLiteral("smtp_server.py"),
        m_certificates.serverOptions() + QStringList{QStringLiteral("--user"), builtIn.transport.user,
                                                     QStringLiteral("--password"), builtIn.transport.password});
    ASSERT_NE(m_server->port(), 0) << m_server->errorOutput().toStdString();
  }

  // The order account as deployed, pointed at the test server by the environment.
  OrderMailConfig orderConfig() const {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("TINTORA_SMTP_HOST"), QStringLiteral("localhost"));
    environment.insert(QStringLiteral("TINTORA_SMTP_PORT"), QString::number(m_server->port()));
    environment.insert(QStringLiteral("TINTORA_SMTP_CAFILE"), m_certificates.ca());
    OrderMailConfig config = OrderMailSettings(environment);
    config.transport.connectTimeout = config.transport.readTimeout = config.transport.writeTimeout =
        std::chrono::seconds(20);
    return config;
  }

  MailMessage orderMessage() const {
    const OrderMailConfig config = orderConfig();
    MailMessage message = SampleOrder();
    message.from = config.sender;
    message.to = {MailAddress{QString(), config.orderMailbox}};
    return message;
  }

  // Connects, sends each message, disconnects.
  void deliver(const QList<MailMessage> &messages, const MailSettings &settings) {
    SmtpClient client(settings);
    client.connect();
    ASSERT_TRUE(client.connected());
    for (const MailMessage &message : messages)
      client.send(message, FixedOptions(QLocale(QLocale::Russian, QLocale::Russia)));
    EXPECT_TRUE(client.connected());
    client.disconnect();
    EXPECT_FALSE(client.connected());
  }

  QJsonObject nextEvent(const char *name) {
    const std::optional<QJsonObject> event = m_server->waitFor(QString::fromLatin1(name));
    EXPECT_TRUE(event) << "no " << name << " event; server said: " << m_server->errorOutput().toStdString();
    return event.value_or(QJsonObject());
  }

  QByteArray nextMessageData() {
    return QByteArray::fromBase64(nextEvent("message").value(QStringLiteral("data")).toString().toLatin1());
  }

  smtp_test::Certificates m_certificates;
  std::unique_ptr<smtp_test::ServerProcess> m_server;
};

QStringList Strings(const QJsonValue &array) {
  QStringList strings;
  for (const QJsonValue &value : array.toArray())
    strings.append(value.toString());
  return strings;
}

QByteArray HeaderOf(const QByteArray &data) {
  return data.left(data.indexOf("\r\n\r\n") + 2);
}
QByteArray BodyOf(const QByteArray &data) {
  return data.mid(data.indexOf("\r\n\r\n") + 4);
}

TEST_F(Delivery, OrderArrivesExactlyAsComposed) {
  const OrderMailConfig config = orderConfig();
  deliver({orderMessage()}, config.transport);

  EXPECT_EQ(nextEvent("ehlo").value(QStringLiteral("name")).toString(), LocalMachineName());
  const QJsonObject auth = nextEvent("auth");
  EXPECT_EQ(auth.value(QStringLiteral("mechanism")).toString(), QStringLiteral("LOGIN"));
  EXPECT_EQ(auth.value(QStringLiteral("login")).toString(), QStringLiteral("tintora.order@mail.ru"));
  EXPECT_EQ(auth.value(QStringLiteral("password")).toString(), QStringLiteral("dqx4178"));
  const QJsonObject message = nextEvent("message");
  EXPECT_EQ(message.value(QStringLiteral("mail_from")).toString(), config.sender.address);
  EXPECT_EQ(Strings(message.value(QStringLiteral("rcpt_tos"))), QStringList{config.orderMailbox});
  EXPECT_EQ(QByteArray::fromBase64(message.value(QStringLiteral("data")).toString().toLatin1()), SampleOrderData());
}

TEST_F(Delivery, DotLinesAndBreaksInsideLinesArriveIntact) {
  MailMessage message = orderMessage();
  message.body = QStringList{QStringLiteral("."),           QStringLiteral(".x"),      QStringLiteral(".."),
                             QStringLiteral("a\r\n.\r\nb"), QStringLiteral("c\n.\nd"), QStringLiteral("end")};
  deliver({message}, orderConfig().transport);
  EXPECT_EQ(BodyOf(nextMessageData()), QByteArray(".\r\n.x\r\n..\r\na\r\n.\r\nb\r\nc\r\n.\r\nd\r\nend\r\n\r\n"));
}

TEST_F(Delivery, NoLineOnTheWireExceeds998Octets) {
  QString address;
  while (address.size() < 2500)
    address += QStringLiteral("обл. Московская, г. Химки, ул. Строителей, д. 12, кв. 4; ");
  MailMessage message = orderMessage();
  message.body = QStringList{QStringLiteral("Адрес    :    ") + address, QString(3000, QLatin1Char('.'))};
  deliver({message}, orderConfig().transport);
  const QByteArray data = nextMessageData();
  for (const QByteArray &line : CrLfLines(data))
    EXPECT_LE(line.size(), 998);
  // The server undid the dot-stuffing: it holds the wrapped lines themselves, which join back to the body.
  QByteArray wrapped;
  for (const QString &line : BodyWireLines(message))
    wrapped += EncodeToCharset(line, "windows-1251").value_or("?") + "\r\n";
  EXPECT_EQ(BodyOf(data), wrapped + "\r\n");
  EXPECT_EQ(BodyWireLines(message).join(QString()), message.body.join(QString()));
}

TEST_F(Delivery, SubjectCannotInjectAHeader) {
  MailMessage message = orderMessage();
  message.subject = QStringLiteral("Заказ \"Иван\r\nBcc: spy@evil.test от 09.12.2026\"");
  deliver({message}, orderConfig().transport);
  const QJsonObject event = nextEvent("message");
  const QByteArray header = HeaderOf(QByteArray::fromBase64(event.value(QStringLiteral("data")).toString().toLatin1()));
  int subjects = 0;
  for (const QByteArray &line : CrLfLines(header)) {
    EXPECT_FALSE(line.startsWith("Bcc")) << line.constData();
    subjects += line.startsWith("Subject:") ? 1 : 0;
  }
  EXPECT_EQ(subjects, 1);
  EXPECT_EQ(DecodeFieldValue(FieldOf(header, "Subject")),
            QStringLiteral("Заказ \"Иван  Bcc: spy@evil.test от 09.12.2026\""));
  EXPECT_EQ(Strings(event.value(QStringLiteral("rcpt_tos"))), QStringList{QStringLiteral("zakaz@tintora.ru")});
}

TEST_F(Delivery, BccRecipientsGetTheMessageButNoHeader) {
  MailMessage message = orderMessage();
  message.cc = {MailAddress{QString(), QStringLiteral("sbyt@tintora.ru")}};
  message.bcc = {MailAddress{QString(), QStringLiteral("archive@tintora.ru")}};
  deliver({message}, orderConfig().transport);
  const QJsonObject event = nextEvent("message");
  EXPECT_EQ(Strings(event.value(QStringLiteral("rcpt_tos"))),
            (QStringList{QStringLiteral("zakaz@tintora.ru"), QStringLiteral("sbyt@tintora.ru"),
                         QStringLiteral("archive@tintora.ru")}));
  const QByteArray header = HeaderOf(QByteArray::fromBase64(event.value(QStringLiteral("data")).toString().toLatin1()));
  EXPECT_TRUE(header.contains("\r\nCc: sbyt@tintora.ru\r\n"));
  EXPECT_FALSE(header.contains("archive"));
}

TEST_F(Delivery, BodyGoesInUtf8WhenWindows1251CannotHoldIt) {
  MailMessage message = orderMessage();
  message.body.append(QStringLiteral("Цвет: 中国红 ✓"));
  deliver({message}, orderConfig().transport);
  const QByteArray data = nextMessageData();
  EXPECT_TRUE(HeaderOf(data).contains("\r\nContent-Type: text/plain; charset=utf-8\r\n"));
  EXPECT_TRUE(BodyOf(data).contains(QStringLiteral("Имя      :    Иван\r\n").toUtf8()));
  EXPECT_TRUE(BodyOf(data).contains(QStringLiteral("Цвет: 中国红 ✓\r\n").toUtf8()));
}

TEST_F(Delivery, AuthenticatesOncePerConnection) {
  const MailSettings settings = orderConfig().transport;
  SmtpClient client(settings);
  for (int connection = 0; connection < 2; ++connection) {
    client.connect();
    EXPECT_FALSE(client.authenticated());
    EXPECT_TRUE(client.capabilities().contains(QStringLiteral("AUTH LOGIN")));
    client.send(orderMessage());
    client.send(orderMessage());
    EXPECT_TRUE(client.authenticated());
    client.disconnect();
    EXPECT_FALSE(client.authenticated());
  }
  for (int i = 0; i < 4; ++i)
    nextEvent("message");
  const QList<QJsonObject> events = m_server->events();
  EXPECT_EQ(
      std::count_if(events.begin(), events.end(),
                    [](const QJsonObject &e) { return e.value(QStringLiteral("event")) == QStringLiteral("auth"); }),
      2);
}

TEST_F(Delivery, WrongPasswordIsTheServersRefusal) {
  MailSettings settings = orderConfig().transport;
  settings.password = QStringLiteral("wrong");
  SmtpClient client(settings);
  client.connect();
  try {
    client.send(orderMessage());
    ADD_FAILURE() << "the server accepted a wrong password";
  } catch (const SmtpError &error) {
    EXPECT_EQ(error.kind(), SmtpError::Kind::Reply);
    EXPECT_EQ(error.replyCode(), 535);
    EXPECT_TRUE(error.text().contains(QStringLiteral("Authentication credentials invalid"))) << error.what();
  }
  EXPECT_TRUE(client.connected());
  client.disconnect();
  EXPECT_FALSE(m_server->hasEvent(QStringLiteral("message")));
}

TEST_F(Delivery, AnIpAddressIsCheckedAgainstTheCertificate) {
  MailSettings settings = orderConfig().transport;
  settings.host = QStringLiteral("127.0.0.1");
  deliver({orderMessage()}, settings);
  EXPECT_EQ(nextMessageData(), SampleOrderData());
}

} // namespace
