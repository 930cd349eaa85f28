// Every reachable combination of answers, walked through the wizard as a user would,
// checked against the invariants every offer keeps.
#include "offer_document.h"
#include "wizard.h"
#include "wizard_walk.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QChar kMarker(0x0001);

const QStringList kAreas = {QStringLiteral("1"), QStringLiteral("12,5"), QStringLiteral("100"), QStringLiteral("2500")};
const std::vector<std::optional<int>> kColours = {std::nullopt, 24, 23, 6};

double Number(const QString &text) {
  bool ok = false;
  const double value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
  return ok ? value : -1;
}

// Checks one offer; returns what is wrong ("" when nothing).
QString CheckOffer(const OfferDocument &doc) {
  static const QRegularExpression priced(
      QStringLiteral("^\\x{0001} .* ([0-9.,]+)( Кг| Л| Кв\\.м) \\* ([0-9.,]+) Руб\\. = "
                     "([0-9.,]+) Руб\\.$"));
  static const QRegularExpression total(QStringLiteral("^ИТОГО : ([0-9.,]+) Руб\\.$"));
  static const QStringList puCoats = {QStringLiteral("Ферон Гидро"), QStringLiteral("Ферон Пол "),
                                      QStringLiteral("Мальтон Про")};
  double sum = 0;
  int pricedLines = 0, totals = 0;
  for (int i = 0; i < doc.count(); ++i) {
    const QString line = doc.lineText(i);
    if (line.indexOf(kMarker, 1) >= 0)
      return QStringLiteral("line %1 holds the marker inside: %2").arg(i).arg(line);
    if (line.startsWith(kMarker)) {
      const auto m = priced.match(line);
      if (!m.hasMatch())
        return QStringLiteral("line %1 is not a priced line: %2").arg(i).arg(line);
      const double quantity = Number(m.captured(1));
      const bool puCoat =
          std::any_of(puCoats.begin(), puCoats.end(), [&](const QString &n) { return line.contains(n); });
      if (std::fmod(quantity, 10.0) != 0 || quantity < (puCoat ? 20 : 10))
        return QStringLiteral("line %1: quantity %2 breaks the rounding or the minimum").arg(i).arg(quantity);
      if (Number(m.captured(4)) != quantity * Number(m.captured(3)))
        return QStringLiteral("line %1: cost is not quantity x price").arg(i);
      sum += Number(m.captured(4));
      ++pricedLines;
    } else if (const auto t = total.match(line); t.hasMatch()) {
      if (Number(t.captured(1)) != sum)
        return QStringLiteral("line %1: total %2, costs add up to %3").arg(i).arg(t.captured(1)).arg(sum);
      sum = 0;
      ++totals;
    }
  }
  if (pricedLines == 0 || totals == 0)
    return QStringLiteral("the offer has no priced variant");
  if (sum != 0)
    return QStringLiteral("priced lines after the last total");
  return QString();
}

TEST(Sweep, EveryReachableOfferKeepsItsInvariants) {
  int offers = 0;
  ForEachAnswerCombination([&](const WalkChoices &base) {
    for (const QString &area : kAreas) {
      for (const auto &colour : kColours) {
        WalkChoices choices = base;
        choices.area = area;
        choices.colour = colour;
        Wizard wizard;
        const WalkResult walk = WalkToOffer(wizard, choices);
        ASSERT_EQ(walk.status, WalkStatus::Ok) << walk.error.toStdString();
        ASSERT_EQ(wizard.shownPage(), 6);
        const QString problem = CheckOffer(wizard.offer);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString() << "\n  work " << base.work.value_or(0) << " object "
                                       << base.object.value_or(0) << " material " << base.material.value_or(0)
                                       << " answer " << base.answer.value_or(0) << " second " << base.second.value_or(0)
                                       << " area " << area.toStdString() << " colour " << colour.value_or(0);
        ++offers;
      }
    }
  });
  EXPECT_GT(offers, 500); // the walk reached the scenarios, not just a handful of paths
}

} // namespace
