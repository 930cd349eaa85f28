#include "message_composer.h"

#include "charset_codec.h"
#include "header_fields.h"
#include "mail_encoding.h"

#include <QList>

namespace {

constexpr char kFallbackCharset[] = "utf-8";

// One header field in both of its forms.
struct HeaderEntry {
  QByteArray wire;
  QString readable;
};

QStringList SplitAtLineBreaks(const QString &line) {
  QStringList lines;
  QString current;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar ch = line.at(i);
    if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n')) {
      current += ch;
      continue;
    }
    if (ch == QLatin1Char('\r') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('\n'))
      ++i;
    lines.append(current);
    current.clear();
  }
  lines.append(current);
  return lines;
}

qsizetype NextCodePoint(const QString &text, qsizetype index) {
  if (text.at(index).isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
    return index + 2;
  return index + 1;
}

qsizetype EncodedSize(const QString &text, CharsetEncoder &encoder) {
  return encoder.encode(text).value_or(QByteArray()).size();
}

// The longest line body a piece may have: a leading "." costs one more octet on the wire.
qsizetype PieceLimit(const QString &line, qsizetype start) {
  return line.at(start) == QLatin1Char('.') ? kMaxWireLine - 1 : kMaxWireLine;
}

// Pieces of the line that fit the wire's line limit once converted and
// dot-stuffed. Sizes are measured per code point, which for a stateful charset
// over-counts and so stays on the safe side.
QStringList WrapForWire(const QString &line, CharsetEncoder &encoder) {
  if (line.isEmpty() || EncodedSize(line, encoder) <= PieceLimit(line, 0))
    return {line};
  QStringList pieces;
  qsizetype start = 0;
  while (start < line.size()) {
    const qsizetype limit = PieceLimit(line, start);
    qsizetype size = 0;
    qsizetype end = start;
    qsizetype afterLastBlank = -1;
    while (end < line.size()) {
      const qsizetype next = NextCodePoint(line, end);
      const qsizetype codePointSize = EncodedSize(line.mid(end, next - end), encoder);
      if (end > start && size + codePointSize > limit)
        break;
      size += codePointSize;
      if (line.at(end) == QLatin1Char(' '))
        afterLastBlank = next;
      end = next;
    }
    if (end < line.size() && afterLastBlank > start)
      end = afterLastBlank;
    pieces.append(line.mid(start, end - start));
    start = end;
  }
  return pieces;
}

QList<MailAddress> AddressOnly(const QString &address) {
  return {MailAddress{QString(), address}};
}

QString ReadableList(const QList<MailAddress> &mailboxes) {
  QStringList parts;
  for (const MailAddress &mailbox : mailboxes)
    parts.append(ReadableMailbox(mailbox));
  return parts.join(QStringLiteral(", "));
}

HeaderEntry MailboxEntry(const char *name, const QList<MailAddress> &mailboxes, const QByteArray &wordCharset) {
  return {MailboxField(name, mailboxes, wordCharset),
          QLatin1String(name) + QStringLiteral(": ") + ReadableList(mailboxes)};
}

HeaderEntry PlainEntry(const char *name, const QString &value) {
  return {PlainField(name, value), QLatin1String(name) + QStringLiteral(": ") + SanitizeHeaderValue(value)};
}

QList<HeaderEntry> HeaderEntries(const MailMessage &message, const ComposeOptions &options) {
  const QByteArray wordCharset = EncodedWordCharset(options.locale);
  const QString contentType =
      message.contentType.trimmed().isEmpty() ? QStringLiteral("text/plain") : message.contentType.trimmed();
  QList<HeaderEntry> entries;
  entries.append(MailboxEntry("From", {message.from}, wordCharset));
  if (!message.sender.trimmed().isEmpty())
    entries.append(MailboxEntry("Sender", AddressOnly(message.sender), wordCharset));
  entries.append({TextField("Subject", message.subject, wordCharset),
                  QStringLiteral("Subject: ") + SanitizeHeaderValue(message.subject)});
  if (!message.to.isEmpty())
    entries.append(MailboxEntry("To", message.to, wordCharset));
  if (!message.cc.isEmpty())
    entries.append(MailboxEntry("Cc", message.cc, wordCharset));
  entries.append(PlainEntry("Content-Type",
                            contentType + QStringLiteral("; charset=") + QString::fromLatin1(BodyCharset(message))));
  entries.append(PlainEntry("Date", QString::fromLatin1(FormatMailDate(options.date))));
  return entries;
}

} // namespace

QByteArray BodyCharset(const MailMessage &message) {
  const QByteArray charset = message.charset.trimmed().toLatin1();
  if (charset.isEmpty())
    return kFallbackCharset;
  CharsetEncoder encoder(charset);
  for (const QString &line : message.body) {
    if (!encoder.encode(line))
      return kFallbackCharset;
  }
  return charset;
}

QStringList BodyWireLines(const MailMessage &message) {
  CharsetEncoder encoder(BodyCharset(message));
  QStringList lines;
  for (const QString &line : message.body) {
    for (const QString &physical : SplitAtLineBreaks(line))
      lines += WrapForWire(physical, encoder);
  }
  return lines;
}

QByteArray ComposeHeaderBlock(const MailMessage &message, const ComposeOptions &options) {
  QByteArray block;
  for (const HeaderEntry &entry : HeaderEntries(message, options))
    block += entry.wire;
  return block;
}

QByteArray ComposeBody(const MailMessage &message) {
  CharsetEncoder encoder(BodyCharset(message));
  QByteArray body;
  for (const QString &line : BodyWireLines(message))
    body += DotStuff(encoder.encode(line).value_or(QByteArray())) + "\r\n";
  return body + "\r\n";
}

QByteArray RenderMessageData(const MailMessage &message, const ComposeOptions &options) {
  return ComposeHeaderBlock(message, options) + "\r\n" + ComposeBody(message);
}

QString RenderMessageText(const MailMessage &message, const ComposeOptions &options) {
  QString text;
  for (const HeaderEntry &entry : HeaderEntries(message, options))
    text += entry.readable + QLatin1Char('\n');
  text += QLatin1Char('\n');
  for (const QString &line : BodyWireLines(message))
    text += line + QLatin1Char('\n');
  return text;
}
