#pragma once

#include <QString>
#include <stdexcept>

// A failure of the mail transport. The text is what the user sees: the
// server's own reply text for a refusal, our wording for everything else.
class SmtpError : public std::runtime_error {
public:
  enum class Kind {
    Input,      // the message or the settings cannot be sent; nothing went out
    Connection, // resolving, connecting, TLS, a time-out or a broken connection
    Protocol,   // the server's bytes are not SMTP replies
    Reply,      // the server refused a command
  };

  SmtpError(Kind kind, const QString &text, int replyCode = 0)
      : std::runtime_error(text.toStdString()), m_kind(kind), m_text(text), m_replyCode(replyCode) {}

  Kind kind() const { return m_kind; }
  const QString &text() const { return m_text; }
  int replyCode() const { return m_replyCode; } // 0 unless kind() is Reply

private:
  Kind m_kind;
  QString m_text;
  int m_replyCode;
};
