#pragma once

// Tests that the floor and the wall test files both instantiate with their own golden
// walks (see golden_walk.h): variant titles, the products a variant prices, and a
// scenario called with a material its group does not list.

#include "golden_walk.h"
#include "scenarios/scenarios.h"

#include <gtest/gtest.h>

#include <vector>

namespace golden_walk {

// The computed variant headings first..last.
inline QStringList ComputedTitles(int first, int last) {
  QStringList titles;
  for (int k = first; k <= last; ++k)
    titles << VariantHeading(k);
  return titles;
}

// The titles some scenarios write as fixed texts.
inline const QStringList kFixedTitles = {QStringLiteral("Вариант Первый:"), QStringLiteral("Вариант Второй:"),
                                         QStringLiteral("Вариант Третий:"), QStringLiteral("Вариант Четвёртый:"),
                                         QStringLiteral("Вариант Пятый:")};

struct TitlesCase {
  const char *caseName;
  QStringList titles;
  QString heading = QString(); // a line the offer must hold; "" checks none
};

class OfferTitles : public testing::TestWithParam<TitlesCase> {};

TEST_P(OfferTitles, OfferHasItsHeadingAndExactlyTheseVariantTitles) {
  const TitlesCase &c = GetParam();
  const QStringList lines = ComposeCase(QString::fromUtf8(c.caseName)).lines();
  if (!c.heading.isEmpty()) {
    EXPECT_TRUE(lines.contains(c.heading)) << c.heading.toStdString();
  }
  EXPECT_EQ(VariantTitles(lines), c.titles);
}

struct ProductsCase {
  const char *caseName;
  QString title; // "" for the whole offer of a scenario without titles
  std::vector<int> products;
};

class VariantProducts : public testing::TestWithParam<ProductsCase> {};

TEST_P(VariantProducts, VariantPricesTheseProducts) {
  const ProductsCase &c = GetParam();
  const QStringList lines = ComposeCase(QString::fromUtf8(c.caseName)).lines();
  const qsizetype from = c.title.isEmpty() ? 0 : lines.indexOf(c.title);
  ASSERT_GE(from, 0) << c.title.toStdString();
  EXPECT_EQ(ProductsFrom(lines, from), c.products);
}

struct UnlistedCase {
  ScenarioWriter write;
  const char16_t *material; // its 5-character key
};

class UnlistedMaterial : public testing::TestWithParam<UnlistedCase> {};

TEST_P(UnlistedMaterial, WritesNothing) {
  ComposedOffer offer;
  offer.state.sColorName = QStringLiteral("Лист ландыша");
  offer.state.dArea = 100.0;
  OfferContext ctx = offer.context();
  const OfferAnswers answers;
  const QString none;
  ScenarioCall call{ctx,  answers, none, none, QString::fromUtf16(GetParam().material), none, none,
                    none, none,    true, true};
  GetParam().write(call);
  EXPECT_EQ(offer.doc.count(), 0);
  EXPECT_FALSE(offer.buttons.btnPUColor || offer.buttons.btnDop);
}

} // namespace golden_walk
