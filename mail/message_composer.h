#pragma once

#include "mail_message.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// What composing takes from the machine: the time of sending and the user's
// locale (its language picks the charset of encoded words).
struct ComposeOptions {
  QDateTime date = QDateTime::currentDateTime();
  QLocale locale = QLocale::system();
};

// The charset the body goes out in: the message's own, or utf-8 when the
// message's charset cannot hold every body line (nothing is ever dropped).
QByteArray BodyCharset(const MailMessage &message);

// The body as lines on the wire, before conversion and dot-stuffing: a CR, LF
// or CR LF inside a line starts a new line, and a line longer than the wire
// allows is wrapped, after a blank where there is one.
QStringList BodyWireLines(const MailMessage &message);

// The header block, every field ending in CR LF: From, Sender (when set),
// Subject, To, Cc (when set), Content-Type, Date. Never a Bcc field.
QByteArray ComposeHeaderBlock(const MailMessage &message, const ComposeOptions &options);

// The body in BodyCharset(): each line converted, dot-stuffed and ended by
// CR LF, then one more empty line.
QByteArray ComposeBody(const MailMessage &message);

// Exactly the bytes that follow DATA, up to the final ".": header block,
// empty line, body.
QByteArray RenderMessageData(const MailMessage &message, const ComposeOptions &options);

// The same message for a reader, in Unicode with LF line ends: the same fields
// unfolded and not encoded, an empty line, the body lines without dot-stuffing.
QString RenderMessageText(const MailMessage &message, const ComposeOptions &options);
