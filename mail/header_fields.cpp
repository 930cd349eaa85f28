#include "header_fields.h"

#include "charset_codec.h"
#include "mail_encoding.h"

#include <algorithm>

namespace {

// A word and the blanks or tabs before it; the last token of a text that ends
// in blanks has an empty word.
struct Token {
  QString gap;
  QString word;
};

bool IsBlank(QChar ch) {
  return ch == QLatin1Char(' ') || ch == QLatin1Char('\t');
}

QList<Token> Tokenize(const QString &text) {
  QList<Token> tokens;
  qsizetype i = 0;
  while (i < text.size()) {
    Token token;
    while (i < text.size() && IsBlank(text.at(i)))
      token.gap += text.at(i++);
    while (i < text.size() && !IsBlank(text.at(i)))
      token.word += text.at(i++);
    tokens.append(token);
  }
  return tokens;
}

// Plain words longer than this are encoded too, so that they can be split
// over lines instead of passing the wire's line limit.
constexpr qsizetype kLongestPlainWord = 900;
// Room for one code point in any charset (ISO-2022-JP with its escapes: 8 bytes).
constexpr int kOneCodePointBase64 = 12;

QByteArray CharsetForWord(const QString &word, const QByteArray &wordCharset) {
  if (!NeedsEncoding(word) && word.size() <= kLongestPlainWord)
    return {};
  return EncodeToCharset(word, wordCharset) ? wordCharset : QByteArray("UTF-8");
}

// Writes one field, folding before a gap when the next word would pass the line limit.
class FieldWriter {
public:
  explicit FieldWriter(const QByteArray &name) : m_text(name + ':'), m_column(static_cast<int>(m_text.size())) {}

  void appendPlain(const QString &gap, const QString &word) {
    const QByteArray gapBytes = gap.toUtf8();
    const QByteArray wordBytes = word.toUtf8();
    if (m_lineHasWord && !gapBytes.isEmpty() && m_column + gapBytes.size() + wordBytes.size() > kMaxHeaderLine)
      fold();
    put(gapBytes + wordBytes);
  }

  // The first encoded word stays on this line when a useful one fits; every
  // further word starts a continuation line.
  void appendEncoded(const QString &gap, const QString &text, const QByteArray &charset) {
    const QByteArray gapBytes = gap.toUtf8();
    int room = kMaxHeaderLine - m_column - static_cast<int>(gapBytes.size());
    if (m_lineHasWord && room < EncodedWordOverhead(charset) + kOneCodePointBase64) {
      fold();
      room = kMaxHeaderLine - static_cast<int>(gapBytes.size());
    }
    // The words' charset was checked to hold the text, so there is always a result.
    const QList<QByteArray> words =
        EncodeWords(text, charset, std::min(room, kMaxEncodedWord)).value_or(QList<QByteArray>());
    for (qsizetype i = 0; i < words.size(); ++i) {
      if (i == 0) {
        put(gapBytes + words[i]);
      } else {
        fold();
        put(' ' + words[i]);
      }
    }
  }

  QByteArray finish() const { return m_text + "\r\n"; }

private:
  void fold() {
    m_text += "\r\n";
    m_column = 0;
    m_lineHasWord = false;
  }
  void put(const QByteArray &bytes) {
    m_text += bytes;
    m_column += static_cast<int>(bytes.size());
    m_lineHasWord = m_lineHasWord || !bytes.trimmed().isEmpty();
  }

  QByteArray m_text;
  int m_column;
  bool m_lineHasWord = false;
};

// A run of text that goes out either as it is (no charset) or as encoded words.
struct Piece {
  QString gap;
  QString text;
  QByteArray charset;
};

// Consecutive words of one encoded-word charset form one run, blanks included;
// the blanks between runs of different charsets go inside the first run, since
// a reader drops blanks between encoded words.
QList<Piece> SplitIntoPieces(const QString &value, const QByteArray &wordCharset) {
  QList<Piece> pieces;
  for (const Token &token : Tokenize(value)) {
    const QByteArray charset = CharsetForWord(token.word, wordCharset);
    Piece *previous = pieces.isEmpty() ? nullptr : &pieces.last();
    const bool previousEncoded = previous && !previous->charset.isEmpty();
    if (!charset.isEmpty() && previousEncoded && previous->charset == charset) {
      previous->text += token.gap + token.word;
    } else if (!charset.isEmpty() && previousEncoded) {
      previous->text += token.gap;
      pieces.append(Piece{QStringLiteral(" "), token.word, charset});
    } else {
      pieces.append(Piece{token.gap, token.word, charset});
    }
  }
  return pieces;
}

void AppendPieces(FieldWriter &writer, const QList<Piece> &pieces) {
  for (const Piece &piece : pieces) {
    if (piece.charset.isEmpty())
      writer.appendPlain(piece.gap, piece.text);
    else
      writer.appendEncoded(piece.gap, piece.text, piece.charset);
  }
}

// The value's own leading blanks follow the one blank after the colon.
QList<Piece> ValuePieces(const QString &value, const QByteArray &wordCharset) {
  QList<Piece> pieces = SplitIntoPieces(SanitizeHeaderValue(value), wordCharset);
  if (pieces.isEmpty())
    pieces.append(Piece{});
  pieces.first().gap.prepend(QLatin1Char(' '));
  return pieces;
}

void AppendMailbox(FieldWriter &writer, const MailAddress &mailbox, const QString &separator,
                   const QByteArray &wordCharset) {
  const QString address = SanitizeHeaderValue(mailbox.address.trimmed());
  const QString name = SanitizeHeaderValue(mailbox.name);
  if (name.isEmpty()) {
    writer.appendPlain(QStringLiteral(" "), address + separator);
    return;
  }
  if (NeedsEncoding(name)) {
    const QByteArray charset = EncodeToCharset(name, wordCharset) ? wordCharset : QByteArray("UTF-8");
    writer.appendEncoded(QStringLiteral(" "), name, charset);
  } else {
    QList<Token> tokens = Tokenize(QuoteDisplayName(name));
    tokens.first().gap = QStringLiteral(" ");
    for (const Token &token : tokens)
      writer.appendPlain(token.gap, token.word);
  }
  writer.appendPlain(QStringLiteral(" "), QLatin1Char('<') + address + QLatin1Char('>') + separator);
}

} // namespace

QByteArray PlainField(const QByteArray &name, const QString &value) {
  FieldWriter writer(name);
  AppendPieces(writer, ValuePieces(value, QByteArray("UTF-8")));
  return writer.finish();
}

QByteArray TextField(const QByteArray &name, const QString &value, const QByteArray &wordCharset) {
  FieldWriter writer(name);
  AppendPieces(writer, ValuePieces(value, wordCharset));
  return writer.finish();
}

QByteArray MailboxField(const QByteArray &name, const QList<MailAddress> &mailboxes, const QByteArray &wordCharset) {
  FieldWriter writer(name);
  for (qsizetype i = 0; i < mailboxes.size(); ++i)
    AppendMailbox(writer, mailboxes[i], i + 1 < mailboxes.size() ? QStringLiteral(",") : QString(), wordCharset);
  return writer.finish();
}

QString ReadableMailbox(const MailAddress &mailbox) {
  const QString address = SanitizeHeaderValue(mailbox.address.trimmed());
  const QString name = SanitizeHeaderValue(mailbox.name);
  if (name.isEmpty())
    return address;
  return QuoteDisplayName(name) + QStringLiteral(" <") + address + QLatin1Char('>');
}
