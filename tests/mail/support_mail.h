#pragma once

#include "mail_message.h"
#include "message_composer.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <ostream>

// A header field's value read back: unfolded, encoded words decoded, blanks
// between adjacent encoded words dropped (RFC 2047, 6.2). `field` is the field
// as written ("Subject: ..." CR LF with its continuation lines).
QString DecodeFieldValue(const QByteArray &field);

// The encoded words ("=?...?=") in a text.
QList<QByteArray> EncodedWordsIn(const QByteArray &text);

// The text split at CR LF; a trailing CR LF gives no empty last element.
QList<QByteArray> CrLfLines(const QByteArray &text);

// The field of that name in a header block, continuation lines included; empty when absent.
QByteArray FieldOf(const QByteArray &headerBlock, const QByteArray &name);

// Wed, 9 Dec 2026 14:05:09 at +03:00, composed under the given locale.
ComposeOptions FixedOptions(const QLocale &locale);

// The order e-mail of one customer as the order form fills it.
MailMessage SampleOrder();

// SampleOrder() as it must arrive after DATA under a Russian locale with FixedOptions().
QByteArray SampleOrderData();

// Readable QString values in test failure messages.
void PrintTo(const QString &text, std::ostream *out);
