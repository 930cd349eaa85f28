#include "area_field.h"

#include <QLocale>

bool AreaKeyAccepted(QChar typed) {
  return typed == QLatin1Char(',') || (typed >= QLatin1Char('0') && typed <= QLatin1Char('9'));
}

QString FilterAreaText(const QString &text) {
  QString kept;
  for (const QChar c : text) {
    if (AreaKeyAccepted(c))
      kept.append(c);
  }
  return kept;
}

// The comma is the decimal separator whatever the user's locale, so "12,5" is read
// the same everywhere; a dot or any other character makes the text invalid.
std::optional<double> ParseArea(const QString &text) {
  QString number = text.trimmed();
  if (number.isEmpty() || number.count(QLatin1Char(',')) > 1 || FilterAreaText(number) != number)
    return std::nullopt;
  if (number == QLatin1String(","))
    return std::nullopt;
  if (number.startsWith(QLatin1Char(',')))
    number.prepend(QLatin1Char('0'));
  if (number.endsWith(QLatin1Char(',')))
    number.chop(1);
  number.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double value = QLocale::c().toDouble(number, &ok);
  if (!ok)
    return std::nullopt;
  return value;
}
