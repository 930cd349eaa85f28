#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

// The building blocks of a message on the wire (RFC 5322, RFC 2047, RFC 5321).

// Longest header line we write when the content allows it, and the longest
// encoded word.
constexpr int kMaxHeaderLine = 78;
constexpr int kMaxEncodedWord = 75;
// Longest line of any kind on the wire, CR LF not counted.
constexpr int kMaxWireLine = 998;

// The charset of encoded words, chosen by the user's language: KOI8-R for
// Russian, windows-1251 for Ukrainian, GB2312/Big5 for Chinese, ISO-2022-JP
// for Japanese, csEUCKR for Korean, UTF-8 for every other.
QByteArray EncodedWordCharset(const QLocale &locale);

// True when the text holds a character outside printable ASCII (32..126).
bool NeedsEncoding(const QString &text);

// A header value with CR, LF and NUL turned into blanks, so that no value can
// start a header line of its own.
QString SanitizeHeaderValue(const QString &value);

// The display name as an RFC 5322 quoted string: "\"" + name with a backslash
// before every backslash and double quote + "\"".
QString QuoteDisplayName(const QString &name);

// The text as RFC 2047 "B" encoded words in `charset`, split between code
// points so that the first word has at most `firstMaxLength` characters and
// every other at most `maxLength`; each word's bytes are converted on their own,
// so stateful charsets start and end each word in their initial state.
// No result when the charset cannot hold the text.
std::optional<QList<QByteArray>> EncodeWords(const QString &text, const QByteArray &charset, int firstMaxLength,
                                             int maxLength = kMaxEncodedWord);

// Characters an encoded word in `charset` needs besides its Base64 text.
int EncodedWordOverhead(const QByteArray &charset);

// The RFC 5322 date-time: "Wed, 9 Dec 2026 14:05:09 +0300" (English names,
// day without leading zero, numeric zone of the given time).
QByteArray FormatMailDate(const QDateTime &dateTime);

// A data line with a second "." in front when it begins with ".".
QByteArray DotStuff(const QByteArray &line);
