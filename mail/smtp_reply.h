#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One SMTP reply: its code and the text of each of its lines.
struct SmtpReply {
  int code = 0;
  QStringList lines; // each line's text after the code and its separator

  // The reply text as a message: the lines joined by line feeds, or the code
  // when the server sent no text.
  QString text() const;
};

// Splits the bytes a server sends into replies (RFC 5321, 4.2): lines of
// "ddd-text" continue a reply, "ddd text" or "ddd" end it. Lines end in CR LF
// (a bare LF is taken too). Input that is not a reply, a continuation with
// another code or a line or reply beyond a sane size is a protocol error
// (SmtpError, kind Protocol), after which the parser stays failed until reset.
class SmtpReplyParser {
public:
  static constexpr qsizetype kMaxLineLength = 4096;
  static constexpr int kMaxReplyLines = 512;

  void feed(const QByteArray &bytes);
  // The next complete reply, or nothing until more bytes arrive.
  std::optional<SmtpReply> next();
  // Forgets everything fed so far.
  void reset();

private:
  [[noreturn]] void fail(const QString &reason);
  void takeLine(const QByteArray &line);

  QByteArray m_buffer;
  SmtpReply m_partial; // the lines of a reply still being continued
  bool m_inReply = false;
  bool m_failed = false;
  QString m_failure;
};
