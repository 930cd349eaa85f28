#include "order_message.h"

#include "order_form_checks.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kVersionTagLength = 8;
constexpr int kRuleLength = 76;

// A label and the field it introduces; every label is 14 characters: the word,
// blanks up to the tenth position, ":", four blanks.
struct ContactLine {
  const char16_t *label;
  QString OrderFields::*field;
};

const std::array<ContactLine, 8> kContactLines = {{
    {u"Имя      :    ", &OrderFields::name},
    {u"Фамилия  :    ", &OrderFields::surname},
    {u"E-Mail   :    ", &OrderFields::email},
    {u"Юр.лицо  :    ", &OrderFields::company},
    {u"Телефон  :    ", &OrderFields::phone},
    {u"Страна   :    ", &OrderFields::country},
    {u"Область  :    ", &OrderFields::region},
    {u"Адрес    :    ", &OrderFields::address},
}};

} // namespace

QString OrderVersionTag(const QString &caption) {
  const qsizetype start = caption.indexOf(QStringLiteral("20"));
  return caption.mid(std::max<qsizetype>(start, 0), kVersionTagLength);
}

QStringList OrderProductLines(const OfferDocument &offer, const OrderBlock &block) {
  QStringList lines;
  for (int i = block.first; i <= block.last; ++i)
    lines << TrimBlanksAndControls(offer.lineText(i));
  return lines;
}

QStringList OrderBody(const OrderFields &fields, const QString &versionTag, const QStringList &productLines) {
  const QString rule(kRuleLength, QLatin1Char('-'));
  QStringList body;
  body << QStringLiteral("Версия ПО : ") + versionTag << rule;
  for (const ContactLine &line : kContactLines)
    body << QString::fromUtf16(line.label) + fields.*(line.field);
  body << rule << productLines;
  return body;
}

QString OrderSubject(const QString &name, const QDate &date, const QLocale &locale) {
  return QStringLiteral("Заказ \"") + name + QStringLiteral(" от ") + locale.toString(date, QLocale::ShortFormat) +
         QLatin1Char('"');
}

OrderMail ComposeOrderMail(const OrderFields &fields, const OfferDocument &offer, const OrderBlock &block,
                           const QString &caption, const QDate &date, const QLocale &locale) {
  return OrderMail{OrderSubject(fields.name, date, locale),
                   OrderBody(fields, OrderVersionTag(caption), OrderProductLines(offer, block))};
}
