#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

// Text to and from a named character set (the names mail uses: "windows-1251",
// "KOI8-R", "csEUCKR", "UTF-8", ...). Nothing is replaced or dropped: a text the
// charset cannot hold, or an unknown charset, gives no result.
std::optional<QByteArray> EncodeToCharset(const QString &text, const QByteArray &charset);
std::optional<QString> DecodeFromCharset(const QByteArray &bytes, const QByteArray &charset);

// True when the charset is UTF-8 under any of its spellings.
bool IsUtf8Charset(const QByteArray &charset);

class IconvDescriptor;

// Encodes many texts into one charset; each text is converted on its own, from
// and back to the charset's initial state.
class CharsetEncoder {
public:
  explicit CharsetEncoder(const QByteArray &charset);
  ~CharsetEncoder();
  CharsetEncoder(const CharsetEncoder &) = delete;
  CharsetEncoder &operator=(const CharsetEncoder &) = delete;

  std::optional<QByteArray> encode(const QString &text);

private:
  bool m_utf8;
  std::unique_ptr<IconvDescriptor> m_converter;
};
