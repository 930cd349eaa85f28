// Floor (F1-F6), outdoor platform (P1) and floor-coating offers.

#include "golden_walk.h"
#include "scenarios/scenarios.h"

#include <gtest/gtest.h>

namespace {

using namespace golden_walk;

const QString kCases = QStringLiteral("floors");

// ---- Whole offers against the reviewed golden files ----

class FloorGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(FloorGolden, ComposedOfferMatchesGolden) {
  const GoldenCase &c = GetParam();
  ComposedOffer offer;
  ComposeWalk(c, offer);
  const QStringList actual = offer.lines();
  DumpForReview(c.name, offer.doc);
  const QStringList expected = ReadGolden(c.name);
  EXPECT_TRUE(expected == actual) << DescribeDifference(expected, actual).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Floors, FloorGolden, ::testing::ValuesIn(ReadGoldenCases(kCases)),
                         [](const ::testing::TestParamInfo<GoldenCase> &info) { return GoldenTestName(info.param); });

// ---- Floor coating writes what waterproofing writes ----

// The lines after the summary, which ends with its second rule and an empty line.
QStringList AfterSummary(const QStringList &lines) {
  const QString rule(56, QLatin1Char('-'));
  const qsizetype second = lines.indexOf(rule, lines.indexOf(rule) + 1);
  return second < 0 ? QStringList() : lines.mid(second + 2);
}

struct SameRowsCase {
  const char *coating;
  const char *waterproofing;
};

class FloorCoating : public ::testing::TestWithParam<SameRowsCase> {};

TEST_P(FloorCoating, WritesTheRowsOfWaterproofingWithTheSameAnswers) {
  const QStringList coating = ComposeCase(kCases, QString::fromUtf8(GetParam().coating));
  const QStringList waterproofing = ComposeCase(kCases, QString::fromUtf8(GetParam().waterproofing));
  ASSERT_FALSE(AfterSummary(coating).isEmpty());
  EXPECT_EQ(AfterSummary(coating), AfterSummary(waterproofing));
  EXPECT_TRUE(coating.contains(
      QStringLiteral("Тип работ : Покрытие для пола, дорожек, площадок, отмосток. Снаружи и внутри помещений.")));
}

INSTANTIATE_TEST_SUITE_P(
    Floors, FloorCoating,
    ::testing::Values(SameRowsCase{"floors-coating-f6-floor-concrete-summer", "floors-f6-floor-concrete-summer"},
                      SameRowsCase{"floors-coating-f1-crumb-transparent", "floors-f1-crumb-transparent"}));

// ---- Headings and variant titles ----

struct TitlesCase {
  const char *caseName;
  QString heading;
  QStringList titles;
};

QStringList Computed(int first, int last) {
  QStringList titles;
  for (int k = first; k <= last; ++k)
    titles << VariantHeading(k);
  return titles;
}

const QStringList kFixedTitles = {QStringLiteral("Вариант Первый:"), QStringLiteral("Вариант Второй:"),
                                  QStringLiteral("Вариант Третий:"), QStringLiteral("Вариант Четвёртый:"),
                                  QStringLiteral("Вариант Пятый:")};

class FloorTitles : public ::testing::TestWithParam<TitlesCase> {};

TEST_P(FloorTitles, OfferHasItsHeadingAndExactlyTheseVariantTitles) {
  const TitlesCase &c = GetParam();
  const QStringList lines = ComposeCase(kCases, QString::fromUtf8(c.caseName));
  EXPECT_TRUE(lines.contains(c.heading)) << c.heading.toStdString();
  EXPECT_EQ(VariantTitles(lines), c.titles);
}

INSTANTIATE_TEST_SUITE_P(
    Floors, FloorTitles,
    ::testing::Values(
        TitlesCase{"floors-p1-platform-concrete-summer",
                   QStringLiteral("Гидроизоляция площадок под открытым воздухом. "), Computed(1, 5)},
        TitlesCase{"floors-p1-platform-wood-winter", QStringLiteral("Гидроизоляция площадок под открытым воздухом. "),
                   Computed(1, 4)},
        TitlesCase{"floors-f1-crumb-transparent", QStringLiteral("Гидроизоляция кровли (Прозрачный вариант)"), {}},
        TitlesCase{"floors-f2-crumb-opaque", QStringLiteral("Гидроизоляция кровли (Непрозрачный вариант)"), {}},
        TitlesCase{"floors-f3-floor-tile-summer", QStringLiteral("Гидроизоляция пола (Летний вариант)"),
                   kFixedTitles.mid(0, 3)},
        TitlesCase{"floors-f3-floor-tile-winter", QStringLiteral("Гидроизоляция пола (Зимний вариант)"),
                   kFixedTitles.mid(0, 2)},
        TitlesCase{"floors-f4-floor-asphalt", QStringLiteral("Гидроизоляция асфальтированного пола."), {}},
        TitlesCase{"floors-f5-floor-metal", QStringLiteral("Гидроизоляция металлического пола."),
                   kFixedTitles.mid(0, 3)},
        TitlesCase{"floors-f6-floor-wood-summer", QStringLiteral("Гидроизоляция пола. Отапливаемое помещение."),
                   kFixedTitles},
        TitlesCase{"floors-f6-floor-wood-winter", QStringLiteral("Гидроизоляция пола. Неотапливаемое помещение."),
                   kFixedTitles.mid(0, 4)}));

// ---- Which products a variant prices, and the polyurethane picker button ----

struct ProductsCase {
  const char *caseName;
  QString title; // "" for the whole offer of a scenario without titles
  std::vector<int> products;
};

class FloorProducts : public ::testing::TestWithParam<ProductsCase> {};

TEST_P(FloorProducts, VariantPricesTheseProducts) {
  const ProductsCase &c = GetParam();
  const QStringList lines = ComposeCase(kCases, QString::fromUtf8(c.caseName));
  const qsizetype from = c.title.isEmpty() ? 0 : lines.indexOf(c.title);
  ASSERT_GE(from, 0) << c.title.toStdString();
  EXPECT_EQ(ProductsFrom(lines, from), c.products);
}

INSTANTIATE_TEST_SUITE_P(
    Floors, FloorProducts,
    ::testing::Values(ProductsCase{"floors-p1-platform-wood-winter", VariantHeading(1), {10, 12}},
                      ProductsCase{"floors-p1-platform-wood-winter", VariantHeading(4), {20}},
                      ProductsCase{"floors-p1-platform-concrete-summer", VariantHeading(3), {21, 5}},
                      ProductsCase{"floors-p1-platform-concrete-summer", VariantHeading(5), {15, 16}},
                      ProductsCase{"floors-f1-crumb-transparent", QString(), {6}},
                      ProductsCase{"floors-f2-crumb-opaque", QString(), {17}},
                      ProductsCase{"floors-f3-floor-tile-winter", QStringLiteral("Вариант Второй:"), {10, 14}},
                      ProductsCase{"floors-f4-floor-asphalt", QString(), {20}},
                      ProductsCase{"floors-f5-floor-metal", QStringLiteral("Вариант Первый:"), {8}},
                      ProductsCase{"floors-f5-floor-metal", QStringLiteral("Вариант Второй:"), {15, 22}},
                      ProductsCase{"floors-f5-floor-metal", QStringLiteral("Вариант Третий:"), {23}},
                      ProductsCase{"floors-f6-floor-wood-summer", QStringLiteral("Вариант Пятый:"), {15, 22}},
                      ProductsCase{"floors-f6-floor-wood-winter", QStringLiteral("Вариант Четвёртый:"), {20}}));

struct ButtonCase {
  const char *caseName;
  bool btnPUColor;
};

class FloorButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(FloorButtons, PolyurethaneVariantsShowThePickerButton) {
  OfferButtons buttons;
  ComposeCase(kCases, QString::fromUtf8(GetParam().caseName), &buttons);
  EXPECT_EQ(buttons.btnPUColor, GetParam().btnPUColor);
}

INSTANTIATE_TEST_SUITE_P(Floors, FloorButtons,
                         ::testing::Values(ButtonCase{"floors-p1-platform-concrete-summer", true},
                                           ButtonCase{"floors-p1-platform-wood-winter", false},
                                           ButtonCase{"floors-f3-floor-tile-winter", false},
                                           ButtonCase{"floors-f5-floor-metal", true},
                                           ButtonCase{"floors-f6-floor-wood-winter", false}));

// ---- Particular lines ----

TEST(FloorScenarios, PlatformRubberPaintsArePricedAtOneAndAtHalfAKilogram) {
  const QStringList lines = ComposeCase(kCases, QStringLiteral("floors-p1-platform-wood-winter"));
  // 100 m²: the first kind at 1.0 kg/m², the second at 0.5 kg/m², both winter paints.
  EXPECT_TRUE(
      lines.contains(ProductNames(12) + QStringLiteral("( Цвет: Лист ландыша )  100 Кг * 480 Руб. = 48000 Руб.")));
  EXPECT_TRUE(
      lines.contains(ProductNames(14) + QStringLiteral("( Цвет: Лист ландыша )  50 Кг * 570 Руб. = 28500 Руб.")));
}

TEST(FloorScenarios, TransparentRubberCrumbHasNoColourRowAndOneTransparentVariant) {
  const QStringList lines = ComposeCase(kCases, QStringLiteral("floors-f1-crumb-transparent"));
  EXPECT_TRUE(lines.filter(QRegularExpression(QStringLiteral("^Цвет : "))).isEmpty());
  EXPECT_TRUE(lines.contains(QStringLiteral("Прозрачность : Цвет покрытия прозрачный")));
  const qsizetype at = lines.indexOf(QStringLiteral("Гидроизоляция кровли (Прозрачный вариант)"));
  ASSERT_GE(at, 0);
  EXPECT_EQ(lines.value(at + 1), QStringLiteral("---------------"));
  // The transparent roofing's own first note follows the separator directly.
  EXPECT_EQ(lines.value(at + 2), QStringLiteral("Жидкая кровля Тавилон Про Эластик- прозрачный каучуковый состав с "
                                                "повышенной эластичностью."));
}

TEST(FloorScenarios, TiledFloorInWinterWarnsBeforeEachRubberPaint) {
  const QString warning = QStringLiteral("Внимание! Перед началом работ плитку нужно заматировать (поцарапать) УШМ с "
                                         "насадкой крупной шкуркой и потом обезжирить ацетоном!");
  const QStringList lines = ComposeCase(kCases, QStringLiteral("floors-f3-floor-tile-winter"));
  for (const QString &title : {QStringLiteral("Вариант Первый:"), QStringLiteral("Вариант Второй:")}) {
    const qsizetype at = lines.indexOf(title);
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines.value(at + 2), warning);
  }
  EXPECT_EQ(lines.count(warning), 2);
}

// ---- A material that the group does not list writes nothing ----

struct UnlistedCase {
  void (*write)(ScenarioCall &);
  const char16_t *material;
};

class FloorUnlisted : public ::testing::TestWithParam<UnlistedCase> {};

TEST_P(FloorUnlisted, WritesNothing) {
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

INSTANTIATE_TEST_SUITE_P(Floors, FloorUnlisted,
                         ::testing::Values(UnlistedCase{WriteFloorScenario, u"НАТУР"},
                                           UnlistedCase{WriteFloorScenario, u"ШИФЕР"},
                                           UnlistedCase{WriteFloorScenario, u""},
                                           UnlistedCase{WritePlatformScenario, u"ПЛИТК"},
                                           UnlistedCase{WritePlatformScenario, u"ПОКРЫ"}));

} // namespace
