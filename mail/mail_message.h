#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A mailbox: an optional display name and an address.
struct MailAddress {
  QString name;
  QString address;
};

// A plain-text message: who sends it, to whom, its subject and its body lines.
//
// Only the fields this program uses exist; Bcc recipients receive the message
// but never appear in its header block.
struct MailMessage {
  MailAddress from;
  QString sender; // address of the Sender; the envelope sender when not empty
  QList<MailAddress> to;
  QList<MailAddress> cc;
  QList<MailAddress> bcc;
  QString subject;
  QString contentType = QStringLiteral("text/plain");
  QString charset = QStringLiteral("windows-1251"); // of the body; utf-8 replaces it when a line needs it
  QStringList body;

  // Empties every field, the body and the recipient lists; content type and
  // charset return to their defaults.
  void clear() { *this = MailMessage(); }

  // Takes "type/subtype; charset=name": the type goes to contentType and a
  // charset parameter, when present, to charset.
  void setContentType(const QString &value);
};
