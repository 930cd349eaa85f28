#include "smtp_client.h"

#include "smtp_error.h"

#include <algorithm>

namespace {

// What may stand in an SMTP address or EHLO name: printable ASCII without
// blanks; never CR, LF or NUL, which would end or cut the command.
bool IsCommandSafe(const QString &text, bool angleBracketsAllowed) {
  return !text.isEmpty() && std::all_of(text.begin(), text.end(), [angleBracketsAllowed](QChar ch) {
    const char16_t code = ch.unicode();
    const bool bracket = code == u'<' || code == u'>';
    return code > 32 && code < 127 && (angleBracketsAllowed || !bracket);
  });
}

// The text with its control characters made visible, for error messages.
QString Visible(const QString &text) {
  QString visible;
  for (const QChar ch : text) {
    switch (ch.unicode()) {
    case u'\r':
      visible += QStringLiteral("\\r");
      break;
    case u'\n':
      visible += QStringLiteral("\\n");
      break;
    case u'\0':
      visible += QStringLiteral("\\0");
      break;
    default:
      visible += ch.unicode() < 32 ? QChar(u'?') : ch;
    }
  }
  return visible;
}

bool HasLineBreakOrNul(const QString &text) {
  return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) || text.contains(QChar(0));
}

QByteArray CheckedAddress(const QString &address) {
  const QString trimmed = address.trimmed();
  if (HasLineBreakOrNul(address) || !IsCommandSafe(trimmed, false))
    throw SmtpError(SmtpError::Kind::Input,
                    QStringLiteral("Недопустимый адрес электронной почты: \"%1\"").arg(Visible(address)));
  return trimmed.toLatin1();
}

} // namespace

void SmtpClient::checkMessage(const MailMessage &message) {
  CheckedEnvelope(message);
}

SmtpClient::Envelope SmtpClient::CheckedEnvelope(const MailMessage &message) {
  Envelope envelope;
  const QString sender = message.sender.trimmed().isEmpty() ? message.from.address : message.sender;
  if (sender.trimmed().isEmpty())
    throw SmtpError(SmtpError::Kind::Input, QStringLiteral("Не указан адрес отправителя"));
  envelope.sender = CheckedAddress(sender);
  for (const QList<MailAddress> *list : {&message.to, &message.cc, &message.bcc}) {
    for (const MailAddress &recipient : *list)
      envelope.recipients.append(CheckedAddress(recipient.address));
  }
  if (envelope.recipients.isEmpty())
    throw SmtpError(SmtpError::Kind::Input, QStringLiteral("Не указан ни один получатель"));
  return envelope;
}

QByteArray SmtpClient::checkedLocalName() const {
  const QString name = m_settings.localName.isEmpty() ? LocalMachineName() : m_settings.localName;
  if (!IsCommandSafe(name, true))
    throw SmtpError(SmtpError::Kind::Input,
                    QStringLiteral("Недопустимое имя компьютера для приветствия EHLO: \"%1\"").arg(Visible(name)));
  return name.toLatin1();
}

TlsEndpoint SmtpClient::checkedEndpoint() const {
  if (m_settings.host.trimmed().isEmpty())
    throw SmtpError(SmtpError::Kind::Input, QStringLiteral("Не указан сервер SMTP"));
  if (!IsCommandSafe(m_settings.host.trimmed(), false))
    throw SmtpError(SmtpError::Kind::Input,
                    QStringLiteral("Недопустимое имя сервера SMTP: \"%1\"").arg(Visible(m_settings.host)));
  if (m_settings.port == 0)
    throw SmtpError(SmtpError::Kind::Input, QStringLiteral("Не указан порт сервера SMTP"));
  if (!m_settings.implicitTls)
    throw SmtpError(SmtpError::Kind::Input, QStringLiteral("Отправка почты без TLS не поддерживается"));
  return TlsEndpoint{m_settings.host.trimmed(), m_settings.port,        m_settings.caFile,
                     m_settings.connectTimeout, m_settings.readTimeout, m_settings.writeTimeout};
}

void SmtpClient::connect() {
  disconnect();
  const QByteArray localName = checkedLocalName();
  const TlsEndpoint endpoint = checkedEndpoint();
  m_socket.open(endpoint);
  try {
    expect(readReply(), {220});
    greet(localName);
  } catch (...) {
    m_socket.close();
    throw;
  }
}

void SmtpClient::greet(const QByteArray &localName) {
  const SmtpReply ehlo = exchange("EHLO " + localName);
  if (ehlo.code == 250) {
    m_capabilities = ehlo.lines.mid(1);
    return;
  }
  command("HELO " + localName, {250});
}

void SmtpClient::send(const MailMessage &message, const ComposeOptions &options) {
  const Envelope envelope = CheckedEnvelope(message);
  if (!connected())
    throw SmtpError(SmtpError::Kind::Connection, QStringLiteral("Нет соединения с сервером SMTP"));
  const QByteArray data = RenderMessageData(message, options);

  authenticate();
  command("MAIL FROM:<" + envelope.sender + '>', {250});
  try {
    for (const QByteArray &recipient : envelope.recipients)
      command("RCPT TO:<" + recipient + '>', {250, 251});
    command("DATA", {354});
    m_socket.write(data + ".\r\n");
    expect(readReply(), {250});
  } catch (const SmtpError &error) {
    if (error.kind() == SmtpError::Kind::Reply)
      resetTransaction();
    throw;
  }
}

void SmtpClient::authenticate() {
  if (m_authenticated)
    return;
  if (!m_settings.user.isEmpty() && offersLogin()) {
    command("AUTH LOGIN", {334});
    const SmtpReply afterUser = command(m_settings.user.toUtf8().toBase64(), {235, 334});
    if (afterUser.code == 334)
      command(m_settings.password.toUtf8().toBase64(), {235});
  }
  m_authenticated = true;
}

// An "AUTH" or "AUTH=" capability line naming LOGIN among its mechanisms.
bool SmtpClient::offersLogin() const {
  for (const QString &capability : m_capabilities) {
    const QString line = capability.toUpper();
    if (line.size() <= 4 || !line.startsWith(QLatin1String("AUTH")) ||
        (line.at(4) != QLatin1Char(' ') && line.at(4) != QLatin1Char('=')))
      continue;
    QString mechanisms = line.mid(5);
    mechanisms.replace(QLatin1Char('='), QLatin1Char(' '));
    if (mechanisms.split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(QLatin1String("LOGIN")))
      return true;
  }
  return false;
}

void SmtpClient::resetTransaction() noexcept {
  try {
    exchange("RSET");
  } catch (...) {
    // The refusal that led here is what the caller needs to hear about.
  }
}

void SmtpClient::disconnect() noexcept {
  if (connected()) {
    try {
      exchange("QUIT");
    } catch (...) {
      // Leaving anyway: a failed goodbye changes nothing.
    }
    m_socket.close();
  }
  m_parser.reset();
  m_capabilities.clear();
  m_authenticated = false;
}

SmtpReply SmtpClient::command(const QByteArray &line, std::initializer_list<int> accepted) {
  const SmtpReply reply = exchange(line);
  expect(reply, accepted);
  return reply;
}

SmtpReply SmtpClient::exchange(const QByteArray &line) {
  m_socket.write(line + "\r\n");
  return readReply();
}

SmtpReply SmtpClient::readReply() {
  try {
    for (;;) {
      if (std::optional<SmtpReply> reply = m_parser.next())
        return *reply;
      m_parser.feed(m_socket.read());
    }
  } catch (const SmtpError &error) {
    if (error.kind() == SmtpError::Kind::Protocol)
      m_socket.close(); // the stream can no longer be followed
    throw;
  }
}

void SmtpClient::expect(const SmtpReply &reply, std::initializer_list<int> accepted) {
  if (std::find(accepted.begin(), accepted.end(), reply.code) == accepted.end())
    throw SmtpError(SmtpError::Kind::Reply, reply.text(), reply.code);
}
