// Catalogue, quantity rule, number text and the priced/total line formats.

#include "catalogue.h"
#include "number_format.h"
#include "offer_context.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const QString kMarker = QString(QChar(0x0001));

struct ProductRow {
  int number;
  const char16_t *nameText;
  double price;
};

TEST(Catalogue, NamesAndPricesOfSampleProducts) {
  const ProductRow rows[] = {
      {1, u"Жидкая Кровля Тавилон ", 480},
      {3, u"Геотекстиль полиэфирный (Цена примерная) ", 60},
      {5, u"Грунт Сарвет Адгезив ", 580},
      {14, u"Резиновая краска Мирдал Зимний ", 530},
      {16, u"Полиуретановая гидроизоляция Ферон Гидро ", 800},
      {23, u"Полиуретановая эмаль Мальтон Про ", 990},
      {28, u"Краска-грунт Орвелит ", 799},
      {32, u"Краска огнезащитная Ворсинт Органик ", 580},
  };
  for (const ProductRow &row : rows) {
    EXPECT_EQ(ProductNames(row.number), kMarker + QStringLiteral(" ") + QString::fromUtf16(row.nameText)) << row.number;
    EXPECT_EQ(ProductPrices(row.number), row.price) << row.number;
  }
}

TEST(Catalogue, EveryNameIsMarkerBlankTextBlankAndEveryPriceWhole) {
  for (int n = 1; n <= 32; ++n) {
    const QString &name = ProductNames(n);
    EXPECT_TRUE(name.startsWith(kMarker + QStringLiteral(" "))) << n;
    EXPECT_TRUE(name.endsWith(QLatin1Char(' '))) << n;
    EXPECT_GT(name.size(), 4) << n;
    EXPECT_EQ(name.count(kMarker), 1) << n;
    EXPECT_GT(ProductPrices(n), 0.0) << n;
    EXPECT_EQ(ProductPrices(n), std::trunc(ProductPrices(n))) << n;
  }
}

struct QuantityCase {
  long double rate; // built-in rates are extended constants, passed ones are doubles
  double area;
  double minimum;
  double expected;
};

TEST(Catalogue, QuantityRule) {
  const QuantityCase cases[] = {
      {0.2L, 24.9, 10, 10},                    // 4.98 rounds to 0, raised to the minimum
      {0.2L, 25, 10, 10},                      // 5.0 rounds up to 10
      {0.2L, 75, 10, 20},                      // 15.0 rounds up to 20
      {1.85, 70, 10, 130},                     // 129.5 rounds up
      {2.82, 250, 10, 700},                    // the double 2.82 lies below 2.82: 704.99... rounds down
      {1.2, 12.5, 10, 10},                     // 14.99... rounds down to 10
      {0.5, 30, 20, 20},                       // polyurethane: 15 rounds to 20
      {0.5, 20, 20, 20},                       // 10 raised to the polyurethane minimum
      {0.5, 50, 20, 30},                       // 25 rounds to 30
      {1.0, 10, 10, 10},                       // exactly the minimum stays
      {1.0, 20, 20, 20},                       // exactly the polyurethane minimum stays
      {2.0, 100, 10, 200},  {0.2L, 0, 10, 10}, // zero area
  };
  for (const QuantityCase &c : cases) {
    EXPECT_EQ(OrderQuantity(c.rate * static_cast<long double>(c.area), c.minimum), c.expected)
        << static_cast<double>(c.rate) << " x " << c.area;
  }
  EXPECT_EQ(OrderQuantity(std::numeric_limits<long double>::quiet_NaN(), 20), 20);
}

TEST(Catalogue, RoundHalfAwayBothFormsRoundHalvesAwayFromZero) {
  const struct {
    double x;
    int digit;
    double expected;
  } cases[] = {
      {15, 1, 20}, {14.9, 1, 10}, {-15, 1, -20}, {-14.9, 1, -10}, {0, 1, 0}, {150, 2, 200}, {149, 2, 100},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(RoundHalfAway(c.x, c.digit), c.expected) << c.x;
    EXPECT_EQ(RoundHalfAway(static_cast<long double>(c.x), c.digit), static_cast<long double>(c.expected)) << c.x;
  }
}

TEST(Catalogue, GeotextileQuantityIsTheRoundedArea) {
  const struct {
    double area;
    double expected;
  } cases[] = {{24, 20}, {25, 30}, {4, 10}, {100, 100}, {3, 10}};
  for (const auto &c : cases)
    EXPECT_EQ(GeotextileQuantity(c.area), c.expected) << c.area;
}

TEST(Catalogue, PricedAndTotalLineTexts) {
  EXPECT_EQ(PricedLineText(4, MiddleColourSecondForm(QStringLiteral("Лист ландыша")), 40, kUnitKg, 630, 40.0L * 630.0L),
            kMarker +
                QStringLiteral(" Жидкая Кровля Тавилон Про ( Цвет: Лист ландыша )  40 Кг * 630 Руб. = 25200 Руб."));
  EXPECT_EQ(PricedLineText(31, MiddleColourFirstForm(QStringLiteral("Босфор")), 10, kUnitKg, 580, 5800.0L),
            kMarker + QStringLiteral(" Краска огнезащитная Ворсинт  (Цвет: Босфор )  10 Кг * 580 Руб. = 5800 Руб."));
  EXPECT_EQ(PricedLineText(26, kMiddleGrey, 50, kUnitKg, 699, 34950.0L),
            kMarker + QStringLiteral(" Краска-грунт Орвелит Эласт  ( Цвет: Серый )  50 Кг * 699 Руб. = 34950 Руб."));
  EXPECT_EQ(PricedLineText(29, QString(), 20, kUnitLitre, 480, 9600.0L),
            kMarker + QStringLiteral(" Жидкая керамическая теплоизоляция Калидор 20 Л * 480 Руб. = 9600 Руб."));
  EXPECT_EQ(TotalLineText(28200), QStringLiteral("ИТОГО : 28200 Руб."));
}

TEST(Catalogue, VariantPricerSumsCostsAndKeepsExtendedConsumption) {
  OfferDocument doc;
  SelectionState state;
  OfferButtons buttons;
  OfferContext ctx{doc, state, buttons};
  VariantPricer pricer(ctx);
  pricer.addLine(4, MiddleColourSecondForm(QStringLiteral("Лист ландыша")), 0.2L, 200, kUnitKg, 630);
  pricer.addLineWithQuantity(3, kMiddleOneBlank, 50, kUnitSquareMetre, 60);
  pricer.addLine(6, kMiddleTwoBlanks, 1.2, 12.5, kUnitLitre, 650); // 14.99... in extended: 10, not 20
  pricer.writeTotal();
  ASSERT_EQ(doc.count(), 4);
  EXPECT_EQ(doc.lineText(0),
            kMarker +
                QStringLiteral(" Жидкая Кровля Тавилон Про ( Цвет: Лист ландыша )  40 Кг * 630 Руб. = 25200 Руб."));
  EXPECT_EQ(doc.lineText(1),
            kMarker + QStringLiteral(" Геотекстиль полиэфирный (Цена примерная)  50 Кв.м * 60 Руб. = 3000 Руб."));
  EXPECT_EQ(doc.lineText(2),
            kMarker + QStringLiteral(" Жидкая кровля Тавилон Про Эластик   10 Л * 650 Руб. = 6500 Руб."));
  EXPECT_EQ(doc.lineText(3), QStringLiteral("ИТОГО : 34700 Руб."));
  EXPECT_EQ(pricer.total(), 34700.0);
  EXPECT_EQ(pricer.lastUnitPrice(), 650.0);
  for (const OfferLine &line : doc.lines())
    EXPECT_TRUE(line.plain);
}

class NumberFormat : public ::testing::Test {
protected:
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(NumberFormat, GeneralFormWithoutGroupingOrTrailingZeros) {
  QLocale::setDefault(QLocale::c());
  const struct {
    double value;
    const char *expected;
  } cases[] = {
      {40, "40"},
      {630, "630"},
      {124000, "124000"},
      {1234567, "1234567"},
      {12.5, "12.5"},
      {0.1 + 0.2, "0.3"},
      {100000000000000.0, "100000000000000"},
      {-20, "-20"},
      {0, "0"},
      {-0.0, "-0"},
      {2.0 / 3.0, "0.666666666666667"},
      {999999999999999.0, "999999999999999"}, // the largest whole number written digit by digit
      {1e15, "1e+15"},
      {123456789012345.5, "123456789012346"}, // a tie at the 15th digit goes to the even digit
      {-2.5, "-2.5"},
      {1e-5, "1e-05"},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(FormatNumber(c.value), QString::fromLatin1(c.expected)) << c.expected;
    EXPECT_EQ(FormatNumber(static_cast<long double>(c.value)), QString::fromLatin1(c.expected)) << c.expected;
  }
}

TEST_F(NumberFormat, ExtendedValuesThatNoDoubleHolds) {
  QLocale::setDefault(QLocale::c());
  const struct {
    long double value;
    const char *expected;
  } cases[] = {
      {0.1L, "0.1"},
      {1.0L / 3, "0.333333333333333"},
      {123456789012345.25L, "123456789012345"},
      {1e300L * 1e300L, "1e+600"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(FormatNumber(c.value), QString::fromLatin1(c.expected)) << c.expected;
}

TEST_F(NumberFormat, UsesTheDecimalSeparatorOfTheDefaultLocale) {
  QLocale::setDefault(QLocale(QLocale::Russian));
  EXPECT_EQ(FormatNumber(12.5), QStringLiteral("12,5"));
  EXPECT_EQ(FormatNumber(12.5L), QStringLiteral("12,5"));
  EXPECT_EQ(FormatNumber(124000.0), QStringLiteral("124000"));
  EXPECT_EQ(FormatNumber(1234567.0L), QStringLiteral("1234567"));
  EXPECT_EQ(TotalLineText(141600), QStringLiteral("ИТОГО : 141600 Руб."));
  EXPECT_EQ(PricedLineText(2, kMiddleTwoBlanks, 10, kUnitKg, 12.5, 125.0L),
            kMarker + QStringLiteral(" Грунт Универсальный   10 Кг * 12,5 Руб. = 125 Руб."));
}

TEST_F(NumberFormat, FollowsTheDefaultLocaleFromCallToCall) {
  for (int round = 0; round < 2; ++round) {
    QLocale::setDefault(QLocale(QLocale::Russian));
    EXPECT_EQ(FormatNumber(0.5), QStringLiteral("0,5"));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(FormatNumber(0.5), QStringLiteral("0.5"));
  }
}

} // namespace
