// Thermal insulation, fire protection (class by bR90) and anticorrosion.
#include "catalogue.h"
#include "golden_offer_tests.h"

#include <gtest/gtest.h>

namespace {

using namespace answers;

// Thermal insulation never shows the colour page; the others do.
std::vector<GoldenOffer> ProtectionOffers() {
  return {
      {QStringLiteral("protection-thermal-summer"), FreshStartAnswers(kThermalInsulation, kInitialSummer), 100.0, false,
       0},
      {QStringLiteral("protection-thermal-winter"), FreshStartAnswers(kThermalInsulation, kInitialWinter), 10.0, false,
       0},
      {QStringLiteral("protection-thermal-summer-24-9m2"), FreshStartAnswers(kThermalInsulation, kInitialSummer), 24.9,
       false, 0},
      {QStringLiteral("protection-thermal-winter-75m2"), FreshStartAnswers(kThermalInsulation, kInitialWinter), 75.0,
       false, 0},
      {QStringLiteral("protection-fire-r90-summer"), FreshStartAnswers(kFireProtection, kInitialSummer, 0), 100.0, true,
       2},
      {QStringLiteral("protection-fire-r90-winter"), FreshStartAnswers(kFireProtection, kInitialWinter, 0), 70.0, true,
       0},
      {QStringLiteral("protection-fire-r120-summer-12-5m2"), FreshStartAnswers(kFireProtection, kInitialSummer, 1),
       12.5, true, 10},
      {QStringLiteral("protection-fire-r120-winter"), FreshStartAnswers(kFireProtection, kInitialWinter, 1), 250.0,
       true, 24},
      {QStringLiteral("protection-anticorrosion-summer"), FreshStartAnswers(kAnticorrosion, kInitialSummer), 100.0,
       true, 7},
      {QStringLiteral("protection-anticorrosion-winter"), FreshStartAnswers(kAnticorrosion, kInitialWinter), 100.0,
       true, 19},
      // "Красный" (6) picked in the polyurethane picker after the offer.
      {QStringLiteral("protection-anticorrosion-summer-20m2-pu-red"), FreshStartAnswers(kAnticorrosion, kInitialSummer),
       20.0, true, 21, 6},
  };
}

INSTANTIATE_TEST_SUITE_P(Protection, GoldenOfferFile, testing::ValuesIn(ProtectionOffers()), GoldenOfferTestName);

TEST(ProtectionGoldenCases, CasesFileListsEveryGoldenOffer) {
  EXPECT_EQ(GoldenCaseNames(QStringLiteral("protection")), NamesOf(ProtectionOffers()));
}

ComposedOffer Compose(const OfferAnswers &answers, double area = 100.0) {
  ComposedOffer offer;
  offer.state.dArea = area;
  offer.compose(answers);
  return offer;
}

// In winter the scenario's empty line and the skipped variant's leading empty line meet.
TEST(ProtectionScenarios, WinterFireAndThermalStartWithTwoEmptyLinesBeforeTheOnlyVariant) {
  struct Case {
    OfferAnswers answers;
    QString heading;
  };
  const Case cases[] = {
      {FreshStartAnswers(kFireProtection, kInitialWinter, 1), QStringLiteral("Огнезащита. Класс огнестойкости R120")},
      {FreshStartAnswers(kFireProtection, kInitialWinter, 0), QStringLiteral("Огнезащита. Класс огнестойкости R90")},
      {FreshStartAnswers(kThermalInsulation, kInitialWinter), QStringLiteral("Теплоизоляция")},
  };
  for (const Case &c : cases) {
    const ComposedOffer offer = Compose(c.answers);
    EXPECT_EQ(Joined(LinesAfterSummary(offer.lines()).mid(0, 5)),
              Joined({c.heading, QString(), QString(), kFirstVariant, kSeparator}));
    EXPECT_EQ(Joined(VariantTitles(offer.lines())), Joined({kFirstVariant}));
  }
}

TEST(ProtectionScenarios, FireClassSetsHeadingAndRateForBothSeasons) {
  struct Case {
    int classIndex;
    QString mainAnswer;
    double area;
    QStringList products; // the priced lines' product names and quantities, in order
  };
  const QString summerPaint = QStringLiteral("\x01 Краска огнезащитная Ворсинт  (Цвет: Лист ландыша )  ");
  const QString winterPaint = QStringLiteral("\x01 Краска огнезащитная Ворсинт Органик  (Цвет: Лист ландыша )  ");
  const Case cases[] = {
      // 1.85 × 100 = 185 rounds up to 190 for both products.
      {0, kInitialSummer, 100.0, {summerPaint + QStringLiteral("190"), winterPaint + QStringLiteral("190")}},
      // 2.82 × 250 falls just below 705 in binary: 700, not 710.
      {1, kInitialWinter, 250.0, {winterPaint + QStringLiteral("700")}},
      // 1.85 × 70 = 129.5 rounds to 130.
      {0, kInitialWinter, 70.0, {winterPaint + QStringLiteral("130")}},
  };
  for (const Case &c : cases) {
    const ComposedOffer offer = Compose(FreshStartAnswers(kFireProtection, c.mainAnswer, c.classIndex), c.area);
    QStringList products;
    for (const QString &line : offer.lines())
      if (line.startsWith(QChar(0x0001)))
        products << line.section(QStringLiteral(" Кг * "), 0, 0);
    EXPECT_EQ(Joined(products), Joined(c.products)) << c.area;
  }
}

TEST(ProtectionScenarios, SummerAddsItsVariantsBeforeOrAfterTheYearRoundOnes) {
  struct Case {
    const char *label;
    QString work;
    std::vector<int> winterFirstProducts; // the first priced product of each variant
    std::vector<int> summerFirstProducts;
  };
  const Case cases[] = {
      {"thermal insulation", kThermalInsulation, {5}, {2, 5}}, // primers of insulations 30 and 29
      {"fire protection", kFireProtection, {32}, {31, 32}},    // Ворсинт Органик, Ворсинт
      {"anticorrosion", kAnticorrosion, {25, 8, 26, 27}, {25, 8, 26, 27, 28, 23}},
  };
  const auto firstProducts = [](const ComposedOffer &offer) {
    std::vector<int> products;
    bool newVariant = false;
    for (const QString &line : offer.lines()) {
      if (line.startsWith(QStringLiteral("Вариант ")))
        newVariant = true;
      if (newVariant && line.startsWith(ProductLineMarker)) {
        products.push_back(ProductOfLine(line));
        newVariant = false;
      }
    }
    return products;
  };
  for (const Case &c : cases) {
    EXPECT_EQ(firstProducts(Compose(FreshStartAnswers(c.work, kInitialWinter))), c.winterFirstProducts) << c.label;
    EXPECT_EQ(firstProducts(Compose(FreshStartAnswers(c.work, kInitialSummer))), c.summerFirstProducts) << c.label;
  }
}

TEST(ProtectionScenarios, AnticorrosionZincPrimersAreGreyAndTheEnamelTakesThePolyurethaneColour) {
  ComposedOffer offer;
  offer.state.dArea = 100.0;
  offer.state.sColorName = QStringLiteral("Римские крыши");
  offer.state.dColorExtra = 150.0;
  offer.compose(FreshStartAnswers(kAnticorrosion, kInitialSummer));
  const QStringList lines = offer.lines();
  EXPECT_TRUE(lines.contains(QStringLiteral("\x01 Краска-грунт Орвелит Эласт  ( Цвет: Серый )  50 Кг * 699 Руб. = "
                                            "34950 Руб.")));
  EXPECT_TRUE(lines.contains(QStringLiteral("\x01 Краска-грунт Орвелит Эласт Премиум  ( Цвет: Серый )  50 Кг * 799 "
                                            "Руб. = 39950 Руб.")));
  EXPECT_TRUE(lines.contains(QStringLiteral("\x01 Краска-грунт Орвелит  ( Цвет: Серый )  50 Кг * 799 Руб. = 39950 "
                                            "Руб.")));
  EXPECT_TRUE(lines.contains(QStringLiteral("\x01 Полиуретановая эмаль Мальтон Про ( Цвет: Красный )  50 Кг * 1020 "
                                            "Руб. = 51000 Руб.")));
  EXPECT_TRUE(offer.buttons.btnPUColor);
}

// Only the summary shows the object and material answers; the scenario rows ignore them.
TEST(ProtectionScenarios, ObjectAndMaterialLeftFromAnEarlierWalkChangeOnlyTheSummary) {
  struct Case {
    QString work;
    bool summaryShowsThem;
  };
  const Case cases[] = {{kAnticorrosion, true}, {kFireProtection, false}, {kThermalInsulation, false}};
  for (const Case &c : cases) {
    const OfferAnswers fresh = FreshStartAnswers(c.work, kInitialSummer);
    OfferAnswers leftOver = fresh;
    leftOver.object = kPools;
    leftOver.material = kPvc;
    const ComposedOffer first = Compose(fresh);
    const ComposedOffer second = Compose(leftOver);
    ASSERT_FALSE(LinesAfterSummary(first.lines()).isEmpty());
    EXPECT_EQ(Joined(LinesAfterSummary(first.lines())), Joined(LinesAfterSummary(second.lines())));
    EXPECT_EQ(second.lines().contains(QStringLiteral("Вид объекта : ") + kPools), c.summaryShowsThem)
        << qPrintable(c.work);
    EXPECT_EQ(second.lines().contains(QStringLiteral("Материал основания : ") + kPvc), c.summaryShowsThem)
        << qPrintable(c.work);
  }
}

TEST(ProtectionScenarios, HeadingsAndVariantTitlesAreBlackBoldAndNotesPurpleBold) {
  struct Row {
    QString work;
    QString text;
    LineColor color;
  };
  const Row rows[] = {
      {kThermalInsulation, QStringLiteral("Теплоизоляция"), kBlack},
      {kThermalInsulation, QStringLiteral("Экологичный и экономный."), kPurple},
      {kThermalInsulation,
       QStringLiteral(
           "Теплоизоляция и гидроизоляция одновременно! На основе синтетического каучука! Нанесение до -25С!"),
       kPurple},
      {kFireProtection, QStringLiteral("Огнезащита. Класс огнестойкости R90"), kBlack},
      {kAnticorrosion, QStringLiteral("Гидроизоляция металлоконструкций. "), kBlack},
      {kAnticorrosion,
       QStringLiteral("По чистому черному металлу и\\или с наличием следов ржавчины. Максимальная гидроизоляция. "
                      "Красим до -25С."),
       kPurple},
  };
  for (const Row &row : rows) {
    const ComposedOffer offer = Compose(FreshStartAnswers(row.work, kInitialSummer));
    const int index = IndexOfLine(offer, row.text);
    ASSERT_GE(index, 0) << qPrintable(row.text);
    const OfferLine &line = offer.doc.lines().at(static_cast<size_t>(index));
    EXPECT_EQ(line.format.color, row.color) << qPrintable(row.text);
    EXPECT_TRUE(line.format.bold) << qPrintable(row.text);
    EXPECT_FALSE(line.plain) << qPrintable(row.text);
    for (const OfferLine &other : offer.doc.lines())
      if (other.text.startsWith(QStringLiteral("Вариант "))) {
        EXPECT_EQ(other.format.color, kBlack) << qPrintable(other.text);
        EXPECT_TRUE(other.format.bold) << qPrintable(other.text);
      }
  }
}

} // namespace
