#include "mail_encoding.h"

#include "charset_codec.h"

namespace {

// Encoded-word charsets by language; the first matching row wins, AnyScript
// matches every script.
struct LanguageCharset {
  QLocale::Language language;
  QLocale::Script script;
  const char *charset;
};
constexpr LanguageCharset kWordCharsets[] = {
    {QLocale::Russian, QLocale::AnyScript, "KOI8-R"},
    {QLocale::Ukrainian, QLocale::AnyScript, "windows-1251"},
    {QLocale::Chinese, QLocale::SimplifiedHanScript, "GB2312"},
    {QLocale::Chinese, QLocale::AnyScript, "Big5"},
    {QLocale::Japanese, QLocale::AnyScript, "ISO-2022-JP"},
    {QLocale::Korean, QLocale::AnyScript, "csEUCKR"},
};
constexpr char kDefaultWordCharset[] = "UTF-8";

constexpr const char *kDayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr const char *kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

int Base64Length(qsizetype bytes) {
  return static_cast<int>(4 * ((bytes + 2) / 3));
}

// Index after the code point that starts at `index` (a surrogate pair stays whole).
qsizetype NextCodePoint(const QString &text, qsizetype index) {
  if (text.at(index).isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
    return index + 2;
  return index + 1;
}

QByteArray EncodedWord(const QByteArray &charset, const QByteArray &bytes) {
  return "=?" + charset + "?B?" + bytes.toBase64() + "?=";
}

} // namespace

QByteArray EncodedWordCharset(const QLocale &locale) {
  for (const LanguageCharset &row : kWordCharsets) {
    if (row.language == locale.language() && (row.script == QLocale::AnyScript || row.script == locale.script()))
      return row.charset;
  }
  return kDefaultWordCharset;
}

bool NeedsEncoding(const QString &text) {
  for (const QChar ch : text) {
    if (ch.unicode() < 32 || ch.unicode() > 126)
      return true;
  }
  return false;
}

QString SanitizeHeaderValue(const QString &value) {
  QString result = value;
  for (QChar &ch : result) {
    if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QChar(0))
      ch = QLatin1Char(' ');
  }
  return result;
}

QString QuoteDisplayName(const QString &name) {
  QString quoted = QStringLiteral("\"");
  for (const QChar ch : name) {
    if (ch == QLatin1Char('\\') || ch == QLatin1Char('"'))
      quoted += QLatin1Char('\\');
    quoted += ch;
  }
  return quoted + QLatin1Char('"');
}

int EncodedWordOverhead(const QByteArray &charset) {
  return static_cast<int>(charset.size()) + 7;
}

std::optional<QList<QByteArray>> EncodeWords(const QString &text, const QByteArray &charset, int firstMaxLength,
                                             int maxLength) {
  const int overhead = EncodedWordOverhead(charset);
  CharsetEncoder encoder(charset);
  QList<QByteArray> words;
  int limit = firstMaxLength;
  qsizetype start = 0;
  while (start < text.size()) {
    // Grow the word one code point at a time while it stays within the limit;
    // a word always takes at least one code point.
    qsizetype end = NextCodePoint(text, start);
    std::optional<QByteArray> bytes = encoder.encode(text.mid(start, end - start));
    if (!bytes)
      return std::nullopt;
    while (end < text.size()) {
      const qsizetype next = NextCodePoint(text, end);
      std::optional<QByteArray> longer = encoder.encode(text.mid(start, next - start));
      if (!longer)
        return std::nullopt;
      if (overhead + Base64Length(longer->size()) > limit)
        break;
      bytes = std::move(longer);
      end = next;
    }
    words.append(EncodedWord(charset, *bytes));
    start = end;
    limit = maxLength;
  }
  return words;
}

QByteArray FormatMailDate(const QDateTime &dateTime) {
  const QDate date = dateTime.date();
  const QTime time = dateTime.time();
  const int offsetMinutes = dateTime.offsetFromUtc() / 60;
  const int absoluteOffset = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
  return QByteArray(kDayNames[date.dayOfWeek() - 1]) + ", " + QByteArray::number(date.day()) + ' ' +
         kMonthNames[date.month() - 1] + ' ' + QByteArray::number(date.year()).rightJustified(4, '0') + ' ' +
         time.toString(QStringLiteral("HH:mm:ss")).toLatin1() + ' ' + (offsetMinutes < 0 ? '-' : '+') +
         QByteArray::number(absoluteOffset / 60).rightJustified(2, '0') +
         QByteArray::number(absoluteOffset % 60).rightJustified(2, '0');
}

QByteArray DotStuff(const QByteArray &line) {
  return line.startsWith('.') ? '.' + line : line;
}
