// Foundation (B1-B4), facade (A1-A3) and wall and ceiling (W1-W3) offers.

#include "catalogue.h"
#include "golden_offer_tests.h"
#include "golden_walk_tests.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace golden_walk;

// ---- Whole offers against the reviewed golden files ----

INSTANTIATE_TEST_SUITE_P(Walls, GoldenOfferFile, testing::ValuesIn(WalkOffers(QStringLiteral("walls"))),
                         GoldenOfferTestName);

// ---- Variant titles: computed for W1, fixed elsewhere, none for single offers ----

INSTANTIATE_TEST_SUITE_P(Walls, OfferTitles,
                         testing::Values(TitlesCase{"walls-w1-wall-concrete-summer", ComputedTitles(1, 6)},
                                         TitlesCase{"walls-w1-wall-wood-winter", ComputedTitles(1, 5)},
                                         TitlesCase{"walls-w2-wall-tile-summer", kFixedTitles.mid(0, 3)},
                                         TitlesCase{"walls-w2-wall-tile-winter", kFixedTitles.mid(0, 2)},
                                         TitlesCase{"walls-w3-wall-stone", {}}, TitlesCase{"walls-a1-facade-stone", {}},
                                         TitlesCase{"walls-a2-facade-tile-winter", kFixedTitles.mid(0, 2)},
                                         TitlesCase{"walls-a3-facade-concrete-summer", kFixedTitles},
                                         TitlesCase{"walls-a3-facade-wood-winter", kFixedTitles},
                                         TitlesCase{"walls-b1-foundation-tile", {}},
                                         TitlesCase{"walls-b2-foundation-bitumen", {}},
                                         TitlesCase{"walls-b3-foundation-concrete-summer", kFixedTitles.mid(0, 4)},
                                         TitlesCase{"walls-b4-foundation-concrete-winter", kFixedTitles.mid(0, 2)}));

// ---- Which products a variant prices ----

INSTANTIATE_TEST_SUITE_P(
    Walls, VariantProducts,
    testing::Values(
        // Winter walls start with the facade latex paint, summer walls with the interior one.
        ProductsCase{"walls-w1-wall-wood-winter", VariantHeading(1), {10, 19}},
        ProductsCase{"walls-w1-wall-concrete-summer", VariantHeading(1), {2, 24}},
        ProductsCase{"walls-w1-wall-concrete-summer", VariantHeading(2), {2, 18}},
        ProductsCase{"walls-w1-wall-concrete-summer", VariantHeading(5), {21, 5}},
        ProductsCase{"walls-w1-wall-concrete-summer", VariantHeading(6), {6}},
        ProductsCase{"walls-w3-wall-stone", QString(), {6}},
        ProductsCase{"walls-a2-facade-tile-winter", QStringLiteral("Вариант Первый:"), {10, 12}},
        ProductsCase{"walls-a2-facade-tile-winter", QStringLiteral("Вариант Второй:"), {10, 14}},
        ProductsCase{"walls-a2-facade-tile-summer", QStringLiteral("Вариант Третий:"), {15, 16}},
        ProductsCase{"walls-a3-facade-wood-winter", QStringLiteral("Вариант Третий:"), {10, 19}},
        ProductsCase{"walls-a3-facade-wood-winter", QStringLiteral("Вариант Пятый:"), {21}},
        ProductsCase{"walls-b1-foundation-tile", QString(), {15, 16}},
        ProductsCase{"walls-b2-foundation-bitumen", QString(), {5, 4, 3}},
        ProductsCase{"walls-b3-foundation-concrete-summer", QStringLiteral("Вариант Первый:"), {1, 2, 3}},
        ProductsCase{"walls-b3-foundation-concrete-summer", QStringLiteral("Вариант Второй:"), {5, 4}},
        ProductsCase{"walls-b4-foundation-concrete-winter", QStringLiteral("Вариант Второй:"), {5, 4, 3}}));

// ---- Particular lines ----

const QString kMattingWarning =
    QStringLiteral("Внимание! Перед началом работ плитку нужно заматировать (поцарапать) УШМ с насадкой крупной "
                   "шкуркой и потом обезжирить ацетоном!");

TEST(WallScenarios, TiledFacadeInWinterWarnsBeforeEachRubberPaintAndOffersNoPolyurethane) {
  const ComposedOffer offer = ComposeCase(QStringLiteral("walls-a2-facade-tile-winter"));
  const QStringList lines = offer.lines();
  for (const QString &title : {QStringLiteral("Вариант Первый:"), QStringLiteral("Вариант Второй:")}) {
    const qsizetype at = lines.indexOf(title);
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines.value(at + 1), kSeparator);
    EXPECT_EQ(lines.value(at + 2), kMattingWarning);
  }
  EXPECT_EQ(lines.count(kMattingWarning), 2);
  EXPECT_TRUE(lines.contains(QStringLiteral("Гидроизоляция фасада (Зимний вариант)")));
  EXPECT_FALSE(offer.buttons.btnPUColor);
}

TEST(WallScenarios, StoneWallsKeepTheirFloorAndCeilingHeading) {
  const QStringList lines = ComposeCase(QStringLiteral("walls-w3-wall-stone")).lines();
  const qsizetype at = lines.indexOf(QStringLiteral("Гидроизоляция пола и потолка из натурального камня."));
  ASSERT_GE(at, 0);
  EXPECT_EQ(lines.value(at + 1), kSeparator);
  EXPECT_EQ(lines.value(at + 2), QString());
  EXPECT_EQ(lines.value(at + 3), QStringLiteral("Прозрачное покрытие. Максимальная гидроизоляция! Создаем эффект "
                                                "«Мокрого камня»! Нанесение до -25С!"));
  EXPECT_EQ(lines.last(), QString()); // the scenario's own closing empty line after the calculator
}

TEST(WallScenarios, BitumenFoundationIsReinforcedAtTwoKilogramsPerSquareMetre) {
  const QStringList lines = ComposeCase(QStringLiteral("walls-b2-foundation-bitumen")).lines();
  // 2.0 kg/m² on 100 m², with "СуперБелый" shown and priced as white by the liquid roofing.
  EXPECT_TRUE(lines.contains(ProductNames(4) + QStringLiteral("( Цвет: Белый )  200 Кг * 580 Руб. = 116000 Руб.")));
  EXPECT_TRUE(lines.contains(ProductNames(3) + QStringLiteral(" 100 Кв.м * 60 Руб. = 6000 Руб.")));
  EXPECT_TRUE(lines.contains(QStringLiteral("Сплошное армирование!!!")));
}

// Headings black, notes purple, separators and blank lines plain.
struct StyleCase {
  const char *caseName;
  QString text;
  std::optional<LineColor> color; // nothing: a plain line
};

class WallStyles : public testing::TestWithParam<StyleCase> {};

TEST_P(WallStyles, LineHasItsColour) {
  const StyleCase &c = GetParam();
  const ComposedOffer offer = ComposeCase(QString::fromUtf8(c.caseName));
  const std::vector<OfferLine> &lines = offer.doc.lines();
  const auto line = std::find_if(lines.begin(), lines.end(), [&](const OfferLine &l) { return l.text == c.text; });
  ASSERT_NE(line, lines.end()) << c.text.toStdString();
  EXPECT_EQ(line->plain, !c.color.has_value());
  if (c.color) {
    EXPECT_EQ(line->format.color, *c.color);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Walls, WallStyles,
    testing::Values(
        StyleCase{"walls-w1-wall-concrete-summer",
                  QStringLiteral("Гидроизоляция стен и потолка. Отапливаемое помещение."), kBlack},
        StyleCase{"walls-w1-wall-concrete-summer", VariantHeading(4), kBlack},
        StyleCase{"walls-w1-wall-concrete-summer", QStringLiteral("Максимальная гидроизоляция!"), kPurple},
        StyleCase{"walls-w1-wall-concrete-summer", kSeparator, std::nullopt},
        StyleCase{"walls-w2-wall-tile-summer", QStringLiteral("Вариант Третий:"), kBlack},
        StyleCase{"walls-w2-wall-tile-summer",
                  QStringLiteral("Полиуретановая гидроизоляция обладает наибольшей адгезией к матовой керамической "
                                 "плитке и матовому керамограниту."),
                  kPurple},
        StyleCase{"walls-a3-facade-concrete-summer",
                  QStringLiteral("Повышенная трещинностойкость. Не требуется грунтование! Хит-продаж!"), kPurple},
        StyleCase{"walls-b1-foundation-tile",
                  QStringLiteral("Полиуретановая гидроизоляция обладает наибольшей износоустойчивостью. Минус: "
                                 "высокая цена. "),
                  kPurple},
        StyleCase{"walls-b1-foundation-tile", kMattingWarning + QStringLiteral(" "), kPurple},
        StyleCase{"walls-b4-foundation-concrete-winter", QStringLiteral("Гидроизоляция фундамента (Зимний вариант)"),
                  kBlack}));

// ---- A material that the group does not list writes nothing ----

INSTANTIATE_TEST_SUITE_P(
    Walls, UnlistedMaterial,
    testing::Values(UnlistedCase{WriteFoundationScenario, u"ДЕРЕВ"}, UnlistedCase{WriteFoundationScenario, u"НАТУР"},
                    UnlistedCase{WriteFacadeScenario, u"БИТУМ"}, UnlistedCase{WriteFacadeScenario, u"МЕТАЛ"},
                    UnlistedCase{WriteWallScenario, u"ПВХ ("}, UnlistedCase{WriteWallScenario, u""}));

} // namespace
