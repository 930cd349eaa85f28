#include "charset_codec.h"

#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>

namespace {

// Mail charset labels that iconv knows under another name.
struct CharsetAlias {
  const char *mailName;
  const char *iconvName;
};
constexpr CharsetAlias kAliases[] = {
    {"csEUCKR", "EUC-KR"},
    {"csKOI8R", "KOI8-R"},
};

QByteArray IconvName(const QByteArray &charset) {
  for (const CharsetAlias &alias : kAliases) {
    if (charset.compare(alias.mailName, Qt::CaseInsensitive) == 0)
      return alias.iconvName;
  }
  return charset;
}

} // namespace

// One iconv descriptor, closed on every path.
class IconvDescriptor {
public:
  IconvDescriptor(const QByteArray &to, const QByteArray &from) : m_cd(iconv_open(to.constData(), from.constData())) {}
  ~IconvDescriptor() {
    if (valid())
      iconv_close(m_cd);
  }
  IconvDescriptor(const IconvDescriptor &) = delete;
  IconvDescriptor &operator=(const IconvDescriptor &) = delete;

  bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

  // The whole input converted, with the shift back to the initial state that
  // stateful charsets (ISO-2022-JP) need at the end; nothing on any failure
  // or on any conversion iconv calls irreversible.
  std::optional<QByteArray> convert(const QByteArray &input) {
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    QByteArray output;
    char chunk[1024];
    char *in = const_cast<char *>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    bool flushing = false;
    for (;;) {
      char *out = chunk;
      size_t outLeft = sizeof chunk;
      const size_t rc =
          flushing ? iconv(m_cd, nullptr, nullptr, &out, &outLeft) : iconv(m_cd, &in, &inLeft, &out, &outLeft);
      output.append(chunk, static_cast<qsizetype>(sizeof chunk - outLeft));
      if (rc == static_cast<size_t>(-1)) {
        if (errno == E2BIG)
          continue;
        return std::nullopt; // EILSEQ: not representable; EINVAL: truncated input
      }
      if (rc != 0)
        return std::nullopt;
      if (flushing)
        return output;
      flushing = true;
    }
  }

private:
  iconv_t m_cd;
};

CharsetEncoder::CharsetEncoder(const QByteArray &charset) : m_utf8(IsUtf8Charset(charset)) {
  if (!m_utf8)
    m_converter = std::make_unique<IconvDescriptor>(IconvName(charset), "UTF-8");
}

CharsetEncoder::~CharsetEncoder() = default;

std::optional<QByteArray> CharsetEncoder::encode(const QString &text) {
  if (m_utf8)
    return text.toUtf8();
  if (!m_converter->valid())
    return std::nullopt;
  return m_converter->convert(text.toUtf8());
}

bool IsUtf8Charset(const QByteArray &charset) {
  return charset.compare("UTF-8", Qt::CaseInsensitive) == 0 || charset.compare("UTF8", Qt::CaseInsensitive) == 0;
}

std::optional<QByteArray> EncodeToCharset(const QString &text, const QByteArray &charset) {
  return CharsetEncoder(charset).encode(text);
}

std::optional<QString> DecodeFromCharset(const QByteArray &bytes, const QByteArray &charset) {
  QByteArray utf8 = bytes;
  if (!IsUtf8Charset(charset)) {
    IconvDescriptor converter("UTF-8", IconvName(charset));
    if (!converter.valid())
      return std::nullopt;
    std::optional<QByteArray> converted = converter.convert(bytes);
    if (!converted)
      return std::nullopt;
    utf8 = *converted;
  }
  QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
  QString text = decoder(utf8);
  if (decoder.hasError())
    return std::nullopt;
  return text;
}
