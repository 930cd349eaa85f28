#include "support_offer.h"

#include <QFile>
#include <algorithm>

QStringList LinesOf(const OfferDocument &doc) {
  QStringList out;
  for (const OfferLine &line : doc.lines())
    out << line.text;
  return out;
}

QStringList ComposedOffer::lines() const { return LinesOf(doc); }

QStringList ReadGolden(const QString &name) {
  QFile file(QStringLiteral(TINTORA_GOLDEN_DIR "/") + name + QStringLiteral(".txt"));
  if (!file.open(QIODevice::ReadOnly))
    return {QStringLiteral("<missing golden file %1>").arg(file.fileName())};
  QString text = QString::fromUtf8(file.readAll());
  if (text.endsWith(QLatin1Char('\n')))
    text.chop(1);
  return text.split(QLatin1Char('\n'));
}

QString DescribeDifference(const QStringList &expected, const QStringList &actual) {
  QString out;
  const qsizetype n = std::max(expected.size(), actual.size());
  for (qsizetype i = 0; i < n; ++i) {
    const QString e = i < expected.size() ? expected[i] : QStringLiteral("<none>");
    const QString a = i < actual.size() ? actual[i] : QStringLiteral("<none>");
    if (e != a)
      out += QStringLiteral("line %1:\n  expected: [%2]\n  actual:   [%3]\n").arg(i).arg(e, a);
  }
  return out;
}
