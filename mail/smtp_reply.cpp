#include "smtp_reply.h"

#include "smtp_error.h"

namespace {

bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}

} // namespace

QString SmtpReply::text() const {
  const QString joined = lines.join(QLatin1Char('\n')).trimmed();
  return joined.isEmpty() ? QString::number(code) : joined;
}

void SmtpReplyParser::feed(const QByteArray &bytes) {
  m_buffer += bytes;
}

void SmtpReplyParser::reset() {
  m_buffer.clear();
  m_partial = SmtpReply();
  m_inReply = false;
  m_failed = false;
  m_failure.clear();
}

void SmtpReplyParser::fail(const QString &reason) {
  m_failed = true;
  m_failure = QStringLiteral("Ответ сервера не соответствует протоколу SMTP: ") + reason;
  throw SmtpError(SmtpError::Kind::Protocol, m_failure);
}

std::optional<SmtpReply> SmtpReplyParser::next() {
  if (m_failed)
    throw SmtpError(SmtpError::Kind::Protocol, m_failure);
  for (;;) {
    const qsizetype end = m_buffer.indexOf('\n');
    if (end < 0) {
      if (m_buffer.size() > kMaxLineLength)
        fail(QStringLiteral("слишком длинная строка"));
      return std::nullopt;
    }
    QByteArray line = m_buffer.left(end);
    m_buffer.remove(0, end + 1);
    if (line.endsWith('\r'))
      line.chop(1);
    if (line.size() > kMaxLineLength)
      fail(QStringLiteral("слишком длинная строка"));
    takeLine(line);
    if (line.size() > 3 && line.at(3) == '-')
      continue;
    SmtpReply reply = m_partial;
    m_partial = SmtpReply();
    m_inReply = false;
    return reply;
  }
}

void SmtpReplyParser::takeLine(const QByteArray &line) {
  if (line.size() < 3 || !IsDigit(line.at(0)) || !IsDigit(line.at(1)) || !IsDigit(line.at(2)))
    fail(QStringLiteral("строка без кода ответа"));
  if (line.size() > 3 && line.at(3) != ' ' && line.at(3) != '-')
    fail(QStringLiteral("неверный разделитель после кода"));
  const int code = line.left(3).toInt();
  if (m_inReply && m_partial.code != code)
    fail(QStringLiteral("строки одного ответа с разными кодами"));
  if (m_partial.lines.size() >= kMaxReplyLines)
    fail(QStringLiteral("слишком длинный ответ"));
  m_partial.code = code;
  m_inReply = true;
  m_partial.lines.append(QString::fromUtf8(line.mid(4)));
}
