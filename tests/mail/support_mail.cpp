#include "support_mail.h"

#include "charset_codec.h"

#include <QRegularExpression>

namespace {

const QRegularExpression &EncodedWordPattern() {
  static const QRegularExpression pattern(QStringLiteral("^=\\?([^?]+)\\?[Bb]\\?([A-Za-z0-9+/=]*)\\?=$"));
  return pattern;
}

std::optional<QString> DecodeWord(const QString &word) {
  const QRegularExpressionMatch match = EncodedWordPattern().match(word);
  if (!match.hasMatch())
    return std::nullopt;
  const QByteArray bytes = QByteArray::fromBase64(match.captured(2).toLatin1());
  return DecodeFromCharset(bytes, match.captured(1).toLatin1()).value_or(QStringLiteral("<undecodable>"));
}

} // namespace

QString DecodeFieldValue(const QByteArray &field) {
  QByteArray unfolded = field;
  if (unfolded.endsWith("\r\n"))
    unfolded.chop(2);
  unfolded.replace("\r\n ", " ");
  unfolded.replace("\r\n\t", "\t");
  const qsizetype colon = unfolded.indexOf(':');
  QString value = QString::fromUtf8(unfolded.mid(colon + 2));

  QString decoded;
  QString pendingGap;
  bool previousEncoded = false;
  static const QRegularExpression tokens(QStringLiteral("([ \\t]*)([^ \\t]*)"));
  for (QRegularExpressionMatchIterator it = tokens.globalMatch(value); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    if (match.capturedLength(0) == 0)
      continue;
    const QString gap = match.captured(1);
    const QString word = match.captured(2);
    const std::optional<QString> text = DecodeWord(word);
    if (!(text && previousEncoded))
      decoded += gap;
    decoded += text.value_or(word);
    previousEncoded = text.has_value();
  }
  return decoded;
}

QList<QByteArray> EncodedWordsIn(const QByteArray &text) {
  QList<QByteArray> words;
  static const QRegularExpression pattern(QStringLiteral("=\\?[^?\\s]+\\?[Bb]\\?[A-Za-z0-9+/=]*\\?="));
  for (QRegularExpressionMatchIterator it = pattern.globalMatch(QString::fromLatin1(text)); it.hasNext();)
    words.append(it.next().captured(0).toLatin1());
  return words;
}

QList<QByteArray> CrLfLines(const QByteArray &text) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = text.indexOf("\r\n", start);
    if (end < 0)
      end = text.size();
    lines.append(text.mid(start, end - start));
    start = end + 2;
  }
  return lines;
}

QByteArray FieldOf(const QByteArray &headerBlock, const QByteArray &name) {
  QByteArray field;
  bool inField = false;
  for (const QByteArray &line : CrLfLines(headerBlock)) {
    const bool continuation = line.startsWith(' ') || line.startsWith('\t');
    if (!continuation)
      inField = line.startsWith(name + ':');
    if (inField)
      field += line + "\r\n";
  }
  return field;
}

ComposeOptions FixedOptions(const QLocale &locale) {
  ComposeOptions options;
  options.date = QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9), Qt::OffsetFromUTC, 3 * 3600);
  options.locale = locale;
  return options;
}

MailMessage SampleOrder() {
  MailMessage message;
  message.setContentType(QStringLiteral("text/plain; charset=windows-1251"));
  message.charset = QStringLiteral("windows-1251");
  message.from = MailAddress{QStringLiteral("tintora.order@mail.ru"), QStringLiteral("tintora.order@mail.ru")};
  message.to = {MailAddress{QString(), QStringLiteral("zakaz@tintora.ru")}};
  message.subject = QStringLiteral("Заказ \"Иван от 09.12.2026\"");
  message.body = QStringList{
      QStringLiteral("Версия ПО : 20220618"),
      QString(76, QLatin1Char('-')),
      QStringLiteral("Имя      :    Иван"),
      QStringLiteral("Фамилия  :    Петров"),
      QStringLiteral("E-Mail   :    ivan@example.ru"),
      QString(76, QLatin1Char('-')),
      QStringLiteral("Грунтовка «Ладомир» 20 кг x 2 = 3 000,00 руб."),
  };
  return message;
}

QByteArray SampleOrderData() {
  const QByteArray hyphens(76, '-');
  return "From: \"tintora.order@mail.ru\" <tintora.order@mail.ru>\r\n"
         "Subject: =?KOI8-R?B?+sHLwdogIunXwc4gz9Q=?= 09.12.2026\"\r\n"
         "To: zakaz@tintora.ru\r\n"
         "Content-Type: text/plain; charset=windows-1251\r\n"
         "Date: Wed, 9 Dec 2026 14:05:09 +0300\r\n"
         "\r\n"
         "\xc2\xe5\xf0\xf1\xe8\xff \xcf\xce : 20220618\r\n" +
         hyphens + "\r\n" +
         "\xc8\xec\xff      :    \xc8\xe2\xe0\xed\r\n"
         "\xd4\xe0\xec\xe8\xeb\xe8\xff  :    \xcf\xe5\xf2\xf0\xee\xe2\r\n"
         "E-Mail   :    ivan@example.ru\r\n" +
         hyphens + "\r\n" +
         "\xc3\xf0\xf3\xed\xf2\xee\xe2\xea\xe0 \xab\xcb\xe0\xe4\xee\xec\xe8\xf0\xbb 20 \xea\xe3 x 2 = 3 000,00 "
         "\xf0\xf3\xe1.\r\n"
         "\r\n";
}

void PrintTo(const QString &text, std::ostream *out) {
  *out << '"' << text.toStdString() << '"';
}
