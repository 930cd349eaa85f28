// Floor (F1-F6), outdoor platform (P1) and floor-coating offers.

#include "catalogue.h"
#include "golden_offer_tests.h"
#include "golden_walk_tests.h"

#include <gtest/gtest.h>

namespace {

using namespace golden_walk;

// ---- Whole offers against the reviewed golden files ----

INSTANTIATE_TEST_SUITE_P(Floors, GoldenOfferFile, testing::ValuesIn(WalkOffers(QStringLiteral("floors"))),
                         GoldenOfferTestName);

// ---- Floor coating writes what waterproofing writes ----

struct SameRowsCase {
  const char *coating;
  const char *waterproofing;
};

class FloorCoating : public testing::TestWithParam<SameRowsCase> {};

TEST_P(FloorCoating, WritesTheRowsOfWaterproofingWithTheSameAnswers) {
  const QStringList coating = ComposeCase(QString::fromUtf8(GetParam().coating)).lines();
  const QStringList waterproofing = ComposeCase(QString::fromUtf8(GetParam().waterproofing)).lines();
  ASSERT_FALSE(LinesAfterSummary(coating).isEmpty());
  EXPECT_EQ(LinesAfterSummary(coating), LinesAfterSummary(waterproofing));
  EXPECT_TRUE(coating.contains(
      QStringLiteral("Тип работ : Покрытие для пола, дорожек, площадок, отмосток. Снаружи и внутри помещений.")));
}

INSTANTIATE_TEST_SUITE_P(
    Floors, FloorCoating,
    testing::Values(SameRowsCase{"floors-coating-f6-floor-concrete-summer", "floors-f6-floor-concrete-summer"},
                    SameRowsCase{"floors-coating-f1-crumb-transparent", "floors-f1-crumb-transparent"}));

// ---- Headings and variant titles ----

INSTANTIATE_TEST_SUITE_P(
    Floors, OfferTitles,
    testing::Values(
        TitlesCase{"floors-p1-platform-concrete-summer", ComputedTitles(1, 5),
                   QStringLiteral("Гидроизоляция площадок под открытым воздухом. ")},
        TitlesCase{"floors-p1-platform-wood-winter", ComputedTitles(1, 4),
                   QStringLiteral("Гидроизоляция площадок под открытым воздухом. ")},
        TitlesCase{"floors-f1-crumb-transparent", {}, QStringLiteral("Гидроизоляция кровли (Прозрачный вариант)")},
        TitlesCase{"floors-f2-crumb-opaque", {}, QStringLiteral("Гидроизоляция кровли (Непрозрачный вариант)")},
        TitlesCase{"floors-f3-floor-tile-summer", kFixedTitles.mid(0, 3),
                   QStringLiteral("Гидроизоляция пола (Летний вариант)")},
        TitlesCase{"floors-f3-floor-tile-winter", kFixedTitles.mid(0, 2),
                   QStringLiteral("Гидроизоляция пола (Зимний вариант)")},
        TitlesCase{"floors-f4-floor-asphalt", {}, QStringLiteral("Гидроизоляция асфальтированного пола.")},
        TitlesCase{"floors-f5-floor-metal", kFixedTitles.mid(0, 3),
                   QStringLiteral("Гидроизоляция металлического пола.")},
        TitlesCase{"floors-f6-floor-wood-summer", kFixedTitles,
                   QStringLiteral("Гидроизоляция пола. Отапливаемое помещение.")},
        TitlesCase{"floors-f6-floor-wood-winter", kFixedTitles.mid(0, 4),
                   QStringLiteral("Гидроизоляция пола. Неотапливаемое помещение.")}));

// ---- Which products a variant prices, and the polyurethane picker button ----

INSTANTIATE_TEST_SUITE_P(
    Floors, VariantProducts,
    testing::Values(ProductsCase{"floors-p1-platform-wood-winter", VariantHeading(1), {10, 12}},
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

class FloorButtons : public testing::TestWithParam<ButtonCase> {};

TEST_P(FloorButtons, PolyurethaneVariantsShowThePickerButton) {
  EXPECT_EQ(ComposeCase(QString::fromUtf8(GetParam().caseName)).buttons.btnPUColor, GetParam().btnPUColor);
}

INSTANTIATE_TEST_SUITE_P(Floors, FloorButtons,
                         testing::Values(ButtonCase{"floors-p1-platform-concrete-summer", true},
                                         ButtonCase{"floors-p1-platform-wood-winter", false},
                                         ButtonCase{"floors-f3-floor-tile-winter", false},
                                         ButtonCase{"floors-f5-floor-metal", true},
                                         ButtonCase{"floors-f6-floor-wood-winter", false}));

// ---- Particular lines ----

TEST(FloorScenarios, PlatformRubberPaintsArePricedAtOneAndAtHalfAKilogram) {
  const QStringList lines = ComposeCase(QStringLiteral("floors-p1-platform-wood-winter")).lines();
  // 100 m²: the first kind at 1.0 kg/m², the second at 0.5 kg/m², both winter paints.
  EXPECT_TRUE(
      lines.contains(ProductNames(12) + QStringLiteral("( Цвет: Лист ландыша )  100 Кг * 480 Руб. = 48000 Руб.")));
  EXPECT_TRUE(
      lines.contains(ProductNames(14) + QStringLiteral("( Цвет: Лист ландыша )  50 Кг * 570 Руб. = 28500 Руб.")));
}

TEST(FloorScenarios, TransparentRubberCrumbHasNoColourRowAndOneTransparentVariant) {
  const QStringList lines = ComposeCase(QStringLiteral("floors-f1-crumb-transparent")).lines();
  EXPECT_TRUE(lines.filter(QRegularExpression(QStringLiteral("^Цвет : "))).isEmpty());
  EXPECT_TRUE(lines.contains(QStringLiteral("Прозрачность : Цвет покрытия прозрачный")));
  const qsizetype at = lines.indexOf(QStringLiteral("Гидроизоляция кровли (Прозрачный вариант)"));
  ASSERT_GE(at, 0);
  EXPECT_EQ(lines.value(at + 1), kSeparator);
  // The transparent roofing's own first note follows the separator directly.
  EXPECT_EQ(lines.value(at + 2), QStringLiteral("Жидкая кровля Тавилон Про Эластик- прозрачный каучуковый состав с "
                                                "повышенной эластичностью."));
}

TEST(FloorScenarios, TiledFloorInWinterWarnsBeforeEachRubberPaint) {
  const QString warning = QStringLiteral("Внимание! Перед началом работ плитку нужно заматировать (поцарапать) УШМ с "
                                         "насадкой крупной шкуркой и потом обезжирить ацетоном!");
  const QStringList lines = ComposeCase(QStringLiteral("floors-f3-floor-tile-winter")).lines();
  for (const QString &title : {QStringLiteral("Вариант Первый:"), QStringLiteral("Вариант Второй:")}) {
    const qsizetype at = lines.indexOf(title);
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines.value(at + 2), warning);
  }
  EXPECT_EQ(lines.count(warning), 2);
}

// ---- A material that the group does not list writes nothing ----

INSTANTIATE_TEST_SUITE_P(Floors, UnlistedMaterial,
                         testing::Values(UnlistedCase{WriteFloorScenario, u"НАТУР"},
                                         UnlistedCase{WriteFloorScenario, u"ШИФЕР"},
                                         UnlistedCase{WriteFloorScenario, u""},
                                         UnlistedCase{WritePlatformScenario, u"ПЛИТК"},
                                         UnlistedCase{WritePlatformScenario, u"ПОКРЫ"}));

} // namespace
