#pragma once

#include "mail_message.h"
#include "mail_settings.h"
#include "message_composer.h"
#include "smtp_reply.h"
#include "tls_socket.h"

#include <QByteArray>
#include <QStringList>
#include <initializer_list>

// An SMTP client over implicit TLS: connect, send messages, disconnect.
//
// Every call blocks until its exchange ends or a time-out of the settings runs
// out. Failures throw SmtpError: a refusal carries the server's reply text.
// A failed connect() leaves nothing open; after a failed send() the connection
// stays open unless it broke, and the caller disconnects.
class SmtpClient {
public:
  SmtpClient() = default;
  explicit SmtpClient(const MailSettings &settings) : m_settings(settings) {}
  SmtpClient(const SmtpClient &) = delete;
  SmtpClient &operator=(const SmtpClient &) = delete;

  // Taken by the next connect().
  void setSettings(const MailSettings &settings) { m_settings = settings; }
  const MailSettings &settings() const { return m_settings; }

  // TCP connection, TLS handshake, greeting 220, EHLO (HELO when EHLO is
  // refused). An open connection is closed first.
  void connect();
  bool connected() const { return m_socket.isOpen(); }
  // AUTH LOGIN once per connection when the server offers it, then one mail
  // transaction: MAIL FROM, RCPT TO for To, Cc and Bcc, DATA, the message, ".".
  // A refusal after MAIL FROM is followed by RSET.
  void send(const MailMessage &message) { send(message, ComposeOptions()); }
  void send(const MailMessage &message, const ComposeOptions &options);
  // QUIT (its reply and any error ignored), then the connection is closed.
  // Nothing happens when not connected.
  void disconnect() noexcept;

  // The lines of the last EHLO reply after the first; empty after HELO.
  const QStringList &capabilities() const { return m_capabilities; }
  bool authenticated() const { return m_authenticated; }

  // Throws SmtpError (kind Input) when the message has no envelope sender or
  // recipient, or an address that cannot go into an SMTP command (blanks,
  // control characters, angle brackets, characters outside ASCII).
  static void checkMessage(const MailMessage &message);

private:
  struct Envelope {
    QByteArray sender;
    QList<QByteArray> recipients;
  };
  static Envelope CheckedEnvelope(const MailMessage &message);
  QByteArray checkedLocalName() const;
  TlsEndpoint checkedEndpoint() const;

  void greet(const QByteArray &localName);
  void authenticate();
  bool offersLogin() const;
  void resetTransaction() noexcept;

  SmtpReply command(const QByteArray &line, std::initializer_list<int> accepted);
  SmtpReply exchange(const QByteArray &line);
  SmtpReply readReply();
  static void expect(const SmtpReply &reply, std::initializer_list<int> accepted);

  MailSettings m_settings;
  TlsSocket m_socket;
  SmtpReplyParser m_parser;
  QStringList m_capabilities;
  bool m_authenticated = false;
};
