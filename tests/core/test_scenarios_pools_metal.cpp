// Pools by material and metal structures (black, aluminium, galvanized).
#include "golden_offer_tests.h"
#include "scenarios/scenarios.h"
#include "selection_key.h"

#include <gtest/gtest.h>

namespace {

using namespace answers;

std::vector<GoldenOffer> PoolAndMetalOffers() {
  return {
      {QStringLiteral("pools-concrete-summer"), WaterproofingAnswers(kPools, kConcrete, kSummer), 100.0, true, 2},
      {QStringLiteral("pools-concrete-winter-12-5m2"), WaterproofingAnswers(kPools, kConcrete, kWinter), 12.5, true,
       18},
      {QStringLiteral("pools-wood-summer"), WaterproofingAnswers(kPools, kWood, kSummer), 100.0, true, 1},
      {QStringLiteral("pools-wood-winter"), WaterproofingAnswers(kPools, kWood, kWinter), 30.0, true, 16},
      {QStringLiteral("pools-wood-summer-superwhite-3m2"), WaterproofingAnswers(kPools, kWood, kSummer), 3.0, true, 24},
      // "Прозрачный (Вуалин)" (13) picked in the polyurethane picker after the offer.
      {QStringLiteral("pools-concrete-summer-10m2-pu-clear"), WaterproofingAnswers(kPools, kConcrete, kSummer), 10.0,
       true, 10, 13},
      // Page 3 is skipped for these materials: it still holds the summer answer rule PR4 wrote.
      {QStringLiteral("pools-metal-superwhite"), WaterproofingAnswers(kPools, kBlackMetal, kSummer), 100.0, true, 24},
      {QStringLiteral("pools-tile"), WaterproofingAnswers(kPools, kTile, kSummer), 50.0, true, 9},
      {QStringLiteral("pools-tile-white-base"), WaterproofingAnswers(kPools, kTile, kSummer), 100.0, true, 23},
      {QStringLiteral("pools-tile-25m2"), WaterproofingAnswers(kPools, kTile, kSummer), 25.0, true, 26},
      {QStringLiteral("pools-natural-stone"), WaterproofingAnswers(kPools, kNaturalStone, kSummer), 75.0, false, 0},
      {QStringLiteral("pools-pvc-superwhite"), WaterproofingAnswers(kPools, kPvc, kSummer), 100.0, true, 24},
      {QStringLiteral("pools-pvc-4m2"), WaterproofingAnswers(kPools, kPvc, kSummer), 4.0, true, 0},
      {QStringLiteral("metal-black-summer"), WaterproofingAnswers(kMetalStructures, kBlackMetal, kSummer), 100.0, true,
       3},
      {QStringLiteral("metal-black-summer-30m2"), WaterproofingAnswers(kMetalStructures, kBlackMetal, kSummer), 30.0,
       true, 26},
      {QStringLiteral("metal-black-winter"), WaterproofingAnswers(kMetalStructures, kBlackMetal, kWinter), 20.0, true,
       1},
      {QStringLiteral("metal-aluminium-summer"), WaterproofingAnswers(kMetalStructures, kAluminium, kSummer), 100.0,
       true, 5},
      {QStringLiteral("metal-aluminium-winter"), WaterproofingAnswers(kMetalStructures, kAluminium, kWinter), 100.0,
       true, 5},
      {QStringLiteral("metal-galvanized-summer"), WaterproofingAnswers(kMetalStructures, kGalvanized, kSummer), 100.0,
       true, 0},
      {QStringLiteral("metal-galvanized-winter"), WaterproofingAnswers(kMetalStructures, kGalvanized, kWinter), 100.0,
       true, 26},
  };
}

INSTANTIATE_TEST_SUITE_P(PoolsMetal, GoldenOfferFile, testing::ValuesIn(PoolAndMetalOffers()), GoldenOfferTestName);

TEST(PoolsMetalGoldenCases, CasesFileListsEveryGoldenOffer) {
  EXPECT_EQ(GoldenCaseNames(QStringLiteral("pools_metal")), NamesOf(PoolAndMetalOffers()));
}

// Composes a waterproofing offer for `object` on `material` in the given season.
ComposedOffer Compose(const QString &object, const QString &material, bool summer, double area = 100.0) {
  ComposedOffer offer;
  offer.state.dArea = area;
  offer.compose(WaterproofingAnswers(object, material, summer ? kSummer : kWinter));
  return offer;
}

const QStringList kOrdinalHeadings = {QStringLiteral("Вариант  Первый :"), QStringLiteral("Вариант  Второй :"),
                                      QStringLiteral("Вариант  Третий :"), QStringLiteral("Вариант  Четвёртый :"),
                                      QStringLiteral("Вариант  Пятый :"),  QStringLiteral("Вариант  Шестой :")};

// Every object and material of this Part with its variant counts by season.
struct Surface {
  const char *label;
  QString object;
  QString material;
  int winterVariants;
  int summerVariants;
};

// A function, not a table at namespace scope: the answer texts live in another file.
std::vector<Surface> Surfaces() {
  return {
      {"concrete pool", kPools, kConcrete, 4, 5},
      {"wooden pool", kPools, kWood, 1, 3},
      {"metal pool", kPools, kBlackMetal, 1, 1},
      {"tiled pool", kPools, kTile, 1, 1},
      {"natural-stone pool", kPools, kNaturalStone, 1, 1},
      {"PVC pool", kPools, kPvc, 1, 1},
      {"black metal", kMetalStructures, kBlackMetal, 4, 6},
      {"aluminium", kMetalStructures, kAluminium, 2, 2},
      {"galvanized", kMetalStructures, kGalvanized, 2, 2},
  };
}

TEST(PoolsMetalScenarios, VariantsAreNumberedWithoutGapsAndCountedBySeason) {
  for (const Surface &c : Surfaces()) {
    EXPECT_EQ(Joined(VariantTitles(Compose(c.object, c.material, false).lines())),
              Joined(kOrdinalHeadings.mid(0, c.winterVariants)))
        << c.label << ", winter";
    EXPECT_EQ(Joined(VariantTitles(Compose(c.object, c.material, true).lines())),
              Joined(kOrdinalHeadings.mid(0, c.summerVariants)))
        << c.label << ", summer";
  }
}

// The product name that opens the first priced line after `from`.
QString FirstProductAfter(const ComposedOffer &offer, int from) {
  const QStringList lines = offer.lines();
  for (int i = from; i < lines.size(); ++i)
    if (lines[i].startsWith(QChar(0x0001)))
      return lines[i];
  return QString();
}

TEST(PoolsMetalScenarios, WoodenPoolInWinterOffersOnlyTheReinforcedTavilonPro) {
  const ComposedOffer winter = Compose(kPools, kWood, false);
  const int variant = IndexOfLine(winter, kFirstVariant);
  ASSERT_GE(variant, 0);
  EXPECT_EQ(winter.lines().at(variant - 1), QString());
  EXPECT_EQ(winter.lines().at(variant - 2), QStringLiteral("Гидроизоляция деревянных бассейнов "));
  EXPECT_TRUE(winter.lines().contains(QStringLiteral("Сплошное армирование!!!")));
  EXPECT_TRUE(FirstProductAfter(winter, variant).contains(QStringLiteral("Грунт Сарвет Адгезив")));

  const ComposedOffer summer = Compose(kPools, kWood, true);
  const int third = IndexOfLine(summer, QStringLiteral("Вариант  Третий :"));
  ASSERT_GE(third, 0);
  EXPECT_TRUE(FirstProductAfter(summer, IndexOfLine(summer, kFirstVariant)).contains(QStringLiteral("Тавилон ")));
  EXPECT_TRUE(FirstProductAfter(summer, third).contains(QStringLiteral("Грунт Сарвет Адгезив")));
  // Variant 3 in summer equals the single winter variant line by line.
  EXPECT_EQ(Joined(summer.lines().mid(third + 1)), Joined(winter.lines().mid(variant + 1)));
}

TEST(PoolsMetalScenarios, ConcretePoolOffersPolyurethaneLastAndOnlyInSummer) {
  const QString polyurethane = QStringLiteral("Полиуретановая гидроизоляция Ферон Гидро");
  const ComposedOffer summer = Compose(kPools, kConcrete, true);
  const int fifth = IndexOfLine(summer, QStringLiteral("Вариант  Пятый :"));
  ASSERT_GE(fifth, 0);
  EXPECT_EQ(summer.lines().filter(polyurethane).size(), 1);
  EXPECT_TRUE(FirstProductAfter(summer, fifth).contains(QStringLiteral("Грунт Полиуретановый Ферон Прайм")));
  EXPECT_TRUE(summer.buttons.btnPUColor);

  const ComposedOffer winter = Compose(kPools, kConcrete, false);
  EXPECT_TRUE(winter.lines().filter(polyurethane).isEmpty());
  EXPECT_FALSE(winter.buttons.btnPUColor);
  // The transparent variant closes the winter offer; in summer it stands just before the fifth.
  EXPECT_EQ(winter.lines().last(), summer.lines().at(fifth - 2));
}

TEST(PoolsMetalScenarios, AluminiumAndGalvanizedDifferOnlyInTheHeadingWord) {
  for (const bool summer : {true, false}) {
    const QStringList aluminium = Compose(kMetalStructures, kAluminium, summer).lines();
    const QStringList galvanized = Compose(kMetalStructures, kGalvanized, summer).lines();
    ASSERT_EQ(aluminium.size(), galvanized.size());
    QStringList differences;
    for (qsizetype i = 0; i < aluminium.size(); ++i)
      if (aluminium[i] != galvanized[i])
        differences << aluminium[i] + QStringLiteral(" | ") + galvanized[i];
    EXPECT_EQ(differences.join(QLatin1Char('\n')).toStdString(),
              "Материал основания : Алюминиевый (Дюралиевый) прокат | Материал основания : Оцинкованный "
              "металлопрокат\n"
              "Гидроизоляция алюминиевых металлоконструкций.  | Гидроизоляция оцинкованных металлоконструкций. ");
  }
}

// After each separator of this Part stands an empty line or a purple bold note, except
// in the metal pool, whose calculator starts right after the separator.
TEST(PoolsMetalScenarios, OnlyTheMetalPoolStartsItsCalculatorRightAfterTheSeparator) {
  for (const Surface &c : Surfaces()) {
    if (c.object == kPools && c.material == kBlackMetal)
      continue;
    const ComposedOffer offer = Compose(c.object, c.material, true);
    const std::vector<OfferLine> &lines = offer.doc.lines();
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
      if (lines[i].text != kSeparator)
        continue;
      const OfferLine &next = lines[i + 1];
      const bool purpleBoldNote = !next.plain && next.format.color == kPurple && next.format.bold;
      EXPECT_TRUE(next.text.isEmpty() || purpleBoldNote) << c.label << ", line " << i + 1;
    }
  }
  const ComposedOffer metalPool = Compose(kPools, kBlackMetal, true);
  const int separator = IndexOfLine(metalPool, kSeparator);
  ASSERT_GE(separator, 0);
  const OfferLine &first = metalPool.doc.lines().at(static_cast<size_t>(separator + 1));
  EXPECT_EQ(first.text, QStringLiteral("Максимальная гидроизоляция! Используем сплошное армирование полиэфирным "
                                       "геотекстилем!"));
  EXPECT_EQ(first.format.color, kRed); // the calculator's reinforcement note
}

TEST(PoolsMetalScenarios, HeadingsAndVariantTitlesAreBlackBoldAndNotesPurpleBold) {
  const ComposedOffer offer = Compose(kPools, kConcrete, true);
  const std::vector<OfferLine> &lines = offer.doc.lines();
  const QStringList scenarioTexts = {
      QStringLiteral("Гидроизоляция бетонных бассейнов "),
      QStringLiteral("Максимальная гидроизоляция! Хит продаж!"),
      QStringLiteral("Полиуретановая гидроизоляция обладает наибольшей износоустойчивостью. Минус: высокая цена."),
  };
  for (const OfferLine &line : lines) {
    if (line.text.startsWith(QStringLiteral("Вариант ")) || line.text == scenarioTexts[0]) {
      EXPECT_EQ(line.format.color, kBlack) << qPrintable(line.text);
      EXPECT_TRUE(line.format.bold) << qPrintable(line.text);
    } else if (scenarioTexts.contains(line.text)) {
      EXPECT_EQ(line.format.color, kPurple) << qPrintable(line.text);
      EXPECT_TRUE(line.format.bold) << qPrintable(line.text);
    }
    EXPECT_EQ(line.format.size, 8);
  }
}

TEST(PoolsMetalScenarios, BlackMetalZincVariantsShareTheirNoteAndDifferInTheProduct) {
  const ComposedOffer offer = Compose(kMetalStructures, kBlackMetal, false);
  const QString zincNote = QStringLiteral("По чистому черному металлу и с наличием следов ржавчины. «Холодное "
                                          "цинкование» и гидроизоляция. Красим до -25С.");
  const int third = IndexOfLine(offer, QStringLiteral("Вариант  Третий :"));
  const int fourth = IndexOfLine(offer, QStringLiteral("Вариант  Четвёртый :"));
  ASSERT_GE(third, 0);
  ASSERT_GE(fourth, 0);
  EXPECT_EQ(offer.lines().at(third + 2), zincNote);
  EXPECT_EQ(offer.lines().at(fourth + 2), zincNote);
  EXPECT_TRUE(
      FirstProductAfter(offer, third).startsWith(QStringLiteral("\x01 Краска-грунт Орвелит Эласт  ( Цвет: Серый )")));
  EXPECT_TRUE(FirstProductAfter(offer, fourth)
                  .startsWith(QStringLiteral("\x01 Краска-грунт Орвелит Эласт Премиум  ( Цвет: Серый )")));
}

// Called directly with a material the object does not offer, a scenario writes nothing.
TEST(PoolsMetalScenarios, MaterialWithoutScenarioWritesNothing) {
  struct Direct {
    void (*scenario)(ScenarioCall &);
    QString material;
  };
  const Direct cases[] = {
      {WritePoolScenario, QStringLiteral("Шифер")},
      {WritePoolScenario, QStringLiteral("Алюминиевый (Дюралиевый) прокат")},
      {WriteMetalStructureScenario, kConcrete},
      {WriteMetalStructureScenario, kTile},
  };
  for (const Direct &d : cases) {
    ComposedOffer offer;
    offer.state.sColorName = QStringLiteral("Лист ландыша");
    OfferContext ctx = offer.context();
    const OfferAnswers a = WaterproofingAnswers(kPools, d.material, kSummer);
    ScenarioCall call{ctx,
                      a,
                      SelectionKey(a.work, 1, 8),
                      SelectionKey(a.object, 1, 6),
                      SelectionKey(a.material, 1, 5),
                      QStringLiteral("ЛЕТНЕЕ"),
                      QString(),
                      QString(),
                      QString()};
    d.scenario(call);
    EXPECT_EQ(offer.doc.count(), 0) << qPrintable(d.material);
  }
}

} // namespace
