#include "support_offer.h"

#include "catalogue.h"

QStringList LinesOf(const OfferDocument &doc) {
  QStringList out;
  for (const OfferLine &line : doc.lines())
    out << line.text;
  return out;
}

QStringList ComposedOffer::lines() const {
  return LinesOf(doc);
}

std::string Joined(const QStringList &lines) {
  return lines.join(QLatin1Char('\n')).toStdString();
}

int IndexOfLine(const ComposedOffer &offer, const QString &text, int from) {
  return static_cast<int>(offer.lines().indexOf(text, from));
}

QStringList LinesAfterSummary(const QStringList &lines) {
  const QString rule(56, QLatin1Char('-'));
  const qsizetype second = lines.indexOf(rule, lines.indexOf(rule) + 1);
  return second < 0 ? QStringList() : lines.mid(second + 2);
}

QStringList VariantTitles(const QStringList &lines) {
  QStringList titles;
  for (const QString &line : lines) {
    if (line.startsWith(QStringLiteral("Вариант")))
      titles << line;
  }
  return titles;
}

int ProductOfLine(const QString &line) {
  int best = 0;
  for (int n = 1; n <= 32; ++n) {
    if (line.startsWith(ProductNames(n)) && (best == 0 || ProductNames(n).size() > ProductNames(best).size()))
      best = n;
  }
  return best;
}

std::vector<int> ProductsFrom(const QStringList &lines, qsizetype from) {
  std::vector<int> products;
  for (qsizetype i = from; i < lines.size(); ++i) {
    if (i > from && lines[i].startsWith(QStringLiteral("Вариант")))
      break;
    if (lines[i].startsWith(ProductLineMarker))
      products.push_back(ProductOfLine(lines[i]));
  }
  return products;
}
