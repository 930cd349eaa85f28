#pragma once

#include "mail_message.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Header fields as they go on the wire: "Name: value" CR LF, folded at blanks
// so that lines stay within 78 characters wherever the words allow it. CR, LF
// and NUL in values become blanks.

// A value of printable ASCII written as it is (Content-Type, Date).
QByteArray PlainField(const QByteArray &name, const QString &value);

// Unstructured text (Subject): runs of words that hold a character outside
// printable ASCII become encoded words in `wordCharset`, or in UTF-8 for a word
// that charset cannot hold; the other words stay as they are.
QByteArray TextField(const QByteArray &name, const QString &value, const QByteArray &wordCharset);

// A list of mailboxes (From, To, Cc): "\"Display Name\" <address>" or encoded
// words for a display name outside printable ASCII; the bare address when
// there is no display name; separated by ", ".
QByteArray MailboxField(const QByteArray &name, const QList<MailAddress> &mailboxes, const QByteArray &wordCharset);

// The same mailbox for a reader: quoted display name and address, nothing encoded.
QString ReadableMailbox(const MailAddress &mailbox);
