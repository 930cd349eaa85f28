#pragma once

#include "offer_document.h"
#include "order_block.h"
#include "order_fields.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

// The order e-mail's contents: everything but the sender, recipient and transport.
struct OrderMail {
  QString subject;
  QStringList body;
};

// The outcomes the form shows; each empty line of the boxes is one "\n".
inline const QString kOrderSentMessage = QStringLiteral(
    "Ваш Заказ отправлен в ГК \"Велестра\"\n\nОжидайте звонка менеджера Отдела Сбыта в ближайшее время.\n\n"
    "Время работы: пн-пятн с 9:00 до 18:00 (Московское время)");
inline const QString kOrderNotSentMessage =
    QStringLiteral("Сообщение не было отправлено!\n\nПроверьте Ваше Интернет-соединение.");

// The eight characters of the caption from its first "20": the build date.
QString OrderVersionTag(const QString &caption);

// The lines of the block, each trimmed of blanks and control characters, so
// that the product marker and the blank after it go.
QStringList OrderProductLines(const OfferDocument &offer, const OrderBlock &block);

// Version line, hyphens, the eight contact lines, hyphens, the product lines.
QStringList OrderBody(const OrderFields &fields, const QString &versionTag, const QStringList &productLines);

// "Заказ \"<name> от <date>\"", the date in the locale's short format.
QString OrderSubject(const QString &name, const QDate &date, const QLocale &locale);

// The whole order for the block around the user's choice.
OrderMail ComposeOrderMail(const OrderFields &fields, const OfferDocument &offer, const OrderBlock &block,
                           const QString &caption, const QDate &date, const QLocale &locale);
