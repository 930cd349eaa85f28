#pragma once

// The order's way through the mail transport, shared by the order form and
// tintora-offer so that both send exactly the same message the same way.

#include "mail_message.h"
#include "mail_settings.h"
#include "smtp_client.h"
#include "smtp_error.h"

#include <QString>
#include <QStringList>

inline const QString kOrderContentType = QStringLiteral("text/plain; charset=windows-1251");
inline const QString kOrderCharset = QStringLiteral("windows-1251");

// The order e-mail for the transport: a fresh message, plain text in
// windows-1251, from the sender account to the order mailbox.
inline MailMessage OrderMailMessage(const QString &subject, const QStringList &body, const OrderMailConfig &config) {
  MailMessage message;
  message.setContentType(kOrderContentType);
  message.charset = kOrderCharset;
  message.from = config.sender;
  message.to = {MailAddress{QString(), config.orderMailbox}};
  message.subject = subject;
  message.body = body;
  return message;
}

enum class OrderOutcomeKind {
  Sent,          // delivered
  NotConnected,  // connect returned without an open connection
  ConnectFailed, // connecting raised an error; nothing was sent
  SendFailed,    // sending raised an error; the connection was closed
};

struct OrderOutcome {
  OrderOutcomeKind kind = OrderOutcomeKind::Sent;
  QString error; // the transport's own text for the two failures
};

// Disconnect (a connection left over from an earlier order), connect, send,
// disconnect. The transport's errors come back as the outcome, never thrown,
// so that the caller decides in which order the user learns of them.
inline OrderOutcome RunOrderExchange(SmtpClient &client, const MailSettings &settings, const MailMessage &message) {
  client.disconnect();
  client.setSettings(settings);
  try {
    client.connect();
  } catch (const SmtpError &error) {
    return {OrderOutcomeKind::ConnectFailed, error.text()};
  }
  OrderOutcome outcome{OrderOutcomeKind::NotConnected, QString()};
  if (client.connected()) {
    try {
      client.send(message);
      outcome = {OrderOutcomeKind::Sent, QString()};
    } catch (const SmtpError &error) {
      outcome = {OrderOutcomeKind::SendFailed, error.text()};
    }
  }
  client.disconnect();
  return outcome;
}
