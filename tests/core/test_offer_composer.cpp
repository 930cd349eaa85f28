// The composition frame: colour default, derived flags, summary rows, dispatch and
// the computed variant heading.
#include "scenario.h"
#include "scenarios/scenarios.h"
#include "support_scenario_goldens.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using namespace answers;

const QString kRule = QString(56, QLatin1Char('-'));
const QString kSummaryTitle = QStringLiteral("Вы выбрали следующие параметры:");
const QString kTemperatureCaption = QStringLiteral("Температура ОВ");
const QString kRoofQuality = QStringLiteral("Качество кровли");
const QString kFireLabel = QStringLiteral("Выберите предел огнестойкости:");
const QString kSoftTiles = QStringLiteral("Мягкая черепица типа Шинглас и тп");
const QString kSlate = QStringLiteral("Шифер");
const QString kBitumen = QStringLiteral("Битум и гудрон");
const QString kAsphalt = QStringLiteral("Асфальт");
const QString kTransparent = QStringLiteral("Цвет покрытия прозрачный");
const QString kHeavyRust = QStringLiteral("Кровля протекает. Количество ржавчины больше 10% площади.");
const QString kLeaking = QStringLiteral("Кровля протекает.");
const QString kNotLeaking = QStringLiteral("Кровля не протекает. Только обновить цвет.");
const QString kFloorObject = QStringLiteral("Пол (внутри помещения)");
const QString kCoating = QStringLiteral("Покрытие для пола, дорожек, площадок, отмосток. Снаружи и внутри помещений.");

OfferAnswers RoofAnswers(const QString &material, const QString &caption, const QString &mainAnswer) {
  OfferAnswers a = WaterproofingAnswers(kRoof, material, mainAnswer);
  a.page3Caption = caption;
  return a;
}

OfferAnswers SlateAnswers(const QString &second, int secondIndex) {
  OfferAnswers a = WaterproofingAnswers(kRoof, kSlate, kWinter);
  a.secondAnswer = second;
  a.secondIndex = secondIndex;
  a.secondLabel = kRoofQuality;
  return a;
}

// The summary: everything up to and including the empty line after the second rule.
QStringList SummaryOf(const ComposedOffer &offer) {
  const QStringList lines = offer.lines();
  const qsizetype secondRule = lines.indexOf(kRule, 2);
  return secondRule < 0 ? lines : lines.mid(0, secondRule + 2);
}

QStringList Summary(const QStringList &rows, const QString &area = QStringLiteral("100")) {
  QStringList out = {kSummaryTitle, kRule};
  out << rows << (QStringLiteral("Площадь (кв.м) : ") + area) << kRule << QString();
  return out;
}

struct SummaryCase {
  const char *name;
  OfferAnswers answers;
  QStringList rowsBeforeArea; // rows 3-8 as they should appear
};

std::vector<SummaryCase> SummaryCases() {
  const QString work = QStringLiteral("Тип работ : ");
  const QString object = QStringLiteral("Вид объекта : ");
  const QString material = QStringLiteral("Материал основания : ");
  const QString colour = QStringLiteral("Цвет : Лист ландыша");
  const QString temperature = kTemperatureCaption + QStringLiteral(" : ");
  return {
      {"thermal_insulation_fresh_start",
       FreshStartAnswers(kThermalInsulation, kInitialSummer),
       {work + kThermalInsulation, temperature + kInitialSummer}},
      {"fire_protection_has_colour_but_no_object",
       FreshStartAnswers(kFireProtection, kInitialWinter, 1),
       {work + kFireProtection, colour, temperature + kInitialWinter}},
      {"anticorrosion_shows_the_unasked_lists",
       FreshStartAnswers(kAnticorrosion, kInitialSummer),
       {work + kAnticorrosion, object + kRoof, material + kConcrete, colour, temperature + kInitialSummer}},
      {"transparent_roof_has_no_colour",
       RoofAnswers(kSoftTiles, QStringLiteral("Прозрачность"), kTransparent),
       {work + kWaterproofing, object + kRoof, material + kSoftTiles,
        QStringLiteral("Прозрачность : Цвет покрытия прозрачный")}},
      {"bitumen_has_no_page_3_row",
       WaterproofingAnswers(kRoof, kBitumen, kSummer),
       {work + kWaterproofing, object + kRoof, material + kBitumen, colour}},
      {"asphalt_has_no_page_3_row",
       WaterproofingAnswers(kRoof, kAsphalt, kSummer),
       {work + kWaterproofing, object + kRoof, material + kAsphalt, colour}},
      {"pvc_has_no_page_3_row",
       WaterproofingAnswers(kRoof, kPvc, kSummer),
       {work + kWaterproofing, object + kRoof, material + kPvc, colour}},
      {"metal_roof_quality_row",
       RoofAnswers(kBlackMetal, kRoofQuality, kHeavyRust),
       {work + kWaterproofing, object + kRoof, material + kBlackMetal, colour,
        QStringLiteral("Качество кровли : ") + kHeavyRust}},
      {"slate_leaking",
       SlateAnswers(kLeaking, 0),
       {work + kWaterproofing, object + kRoof, material + kSlate, colour, temperature + kWinter,
        QStringLiteral("Качество кровли : Кровля протекает.")}},
      {"slate_not_leaking",
       SlateAnswers(kNotLeaking, 1),
       {work + kWaterproofing, object + kRoof, material + kSlate, colour, temperature + kWinter,
        QStringLiteral("Качество кровли : Кровля не протекает. Только обновить цвет.")}},
  };
}

class SummaryRows : public testing::TestWithParam<SummaryCase> {};

TEST_P(SummaryRows, ShowOnlyTheRowsThatApply) {
  ComposedOffer offer;
  offer.state.dArea = 100.0;
  offer.compose(GetParam().answers);
  EXPECT_EQ(Summary(GetParam().rowsBeforeArea), SummaryOf(offer));
}

INSTANTIATE_TEST_SUITE_P(Answers, SummaryRows, testing::ValuesIn(SummaryCases()),
                         [](const testing::TestParamInfo<SummaryCase> &info) { return std::string(info.param.name); });

TEST(Summary, RowsAreBlueAndOnlyTheTitleTurnsBoldOn) {
  ComposedOffer offer;
  offer.state.dArea = 100.0;
  offer.compose(WaterproofingAnswers(kRoof, kConcrete, kSummer));
  const std::vector<OfferLine> &lines = offer.doc.lines();
  ASSERT_GE(lines.size(), 10u);
  EXPECT_TRUE(lines[0].format.bold);
  for (size_t i : {0u, 2u, 3u, 4u, 5u, 6u, 7u}) {
    EXPECT_FALSE(lines[i].plain) << i;
    EXPECT_EQ(kBlue, lines[i].format.color) << i;
    EXPECT_EQ(8, lines[i].format.size) << i;
  }
  for (size_t i : {1u, 8u, 9u})
    EXPECT_TRUE(lines[i].plain) << i;
}

TEST(Summary, AreaUsesTheLocaleDecimalSeparator) {
  const QLocale previous;
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  ComposedOffer offer;
  offer.state.dArea = 12.5;
  offer.compose(WaterproofingAnswers(kRoof, kConcrete, kSummer));
  QLocale::setDefault(previous);
  EXPECT_TRUE(offer.lines().contains(QStringLiteral("Площадь (кв.м) : 12,5"))) << qPrintable(offer.lines().join('\n'));
}

TEST(ColourDefault, FirstCompositionUsesLilyOfTheValleyAtForty) {
  ComposedOffer offer;
  offer.state.dArea = 100.0;
  offer.compose(WaterproofingAnswers(kRoof, kConcrete, kSummer));
  EXPECT_EQ(QStringLiteral("Лист ландыша"), offer.state.sColorName);
  EXPECT_EQ(40.0, offer.state.dColorExtra);
  EXPECT_TRUE(offer.lines().contains(QStringLiteral("Цвет : Лист ландыша")));
}

TEST(ColourDefault, ChosenColourStays) {
  ComposedOffer offer;
  offer.state.sColorName = QStringLiteral("Оранж");
  offer.state.dColorExtra = 60.0;
  offer.compose(WaterproofingAnswers(kRoof, kConcrete, kSummer));
  EXPECT_EQ(QStringLiteral("Оранж"), offer.state.sColorName);
  EXPECT_EQ(60.0, offer.state.dColorExtra);
}

TEST(DerivedFlags, SummerIsRecomputedOnEveryCall) {
  ComposedOffer offer;
  offer.compose(WaterproofingAnswers(kRoof, kConcrete, kSummer));
  EXPECT_TRUE(offer.state.bSummer);
  offer.compose(RoofAnswers(kSoftTiles, QStringLiteral("Прозрачность"), kTransparent));
  EXPECT_FALSE(offer.state.bSummer);
  offer.compose(FreshStartAnswers(kThermalInsulation, kInitialSummer));
  EXPECT_TRUE(offer.state.bSummer);
}

TEST(Composition, StartsFromAnEmptyDocument) {
  ComposedOffer offer;
  offer.doc.addPlainLine(QStringLiteral("left over"));
  offer.compose(WaterproofingAnswers(kRoof, kConcrete, kSummer));
  const QStringList first = offer.lines();
  offer.compose(WaterproofingAnswers(kRoof, kConcrete, kSummer));
  EXPECT_EQ(kSummaryTitle, first.value(0));
  EXPECT_EQ(first, offer.lines());
}

TEST(Composition, FireProtectionIgnoresTheMaterialLeftOnPage2) {
  ComposedOffer concrete, slate;
  OfferAnswers answers = FreshStartAnswers(kFireProtection, kInitialSummer);
  concrete.compose(answers);
  answers.material = kSlate;
  slate.compose(answers);
  EXPECT_EQ(concrete.lines(), slate.lines());
  EXPECT_GT(concrete.lines().size(), SummaryOf(concrete).size());
}

TEST(Composition, FireClassComesFromTheSecondAnswerIndex) {
  ComposedOffer r90, r120;
  r90.compose(FreshStartAnswers(kFireProtection, kInitialSummer, 0));
  r120.compose(FreshStartAnswers(kFireProtection, kInitialSummer, 1));
  EXPECT_NE(r90.lines(), r120.lines());
}

TEST(Composition, NoMatchingRuleLeavesTheSummaryAlone) {
  ComposedOffer offer;
  OfferAnswers answers = WaterproofingAnswers(QStringLiteral("Фундамент/Цоколь/Плиты перекрытия"), kWood, kSummer);
  offer.compose(answers);
  EXPECT_EQ(SummaryOf(offer), offer.lines());
}

struct DispatchCase {
  const char *work, *object, *material;
  ScenarioWriter expected;
};

class Dispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(Dispatch, FirstMatchingRuleNamesTheScenario) {
  const DispatchCase &c = GetParam();
  EXPECT_EQ(c.expected,
            SelectScenario(QString::fromUtf8(c.work), QString::fromUtf8(c.object), QString::fromUtf8(c.material)))
      << c.work << " / " << c.object << " / " << c.material;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Dispatch,
    testing::Values(
        // Rules 1-3 take any object and material.
        DispatchCase{"АНТИКОРР", "КРОВЛЯ", "ШИФЕР", WriteAnticorrosionScenario},
        DispatchCase{"ОГНЕЗАЩИ", "", "", WriteFireProtectionScenario},
        DispatchCase{"ТЕПЛОИЗО", "МЕТАЛЛ", "МЕТАЛ", WriteThermalInsulationScenario},
        DispatchCase{"ГИДРОИЗО", "МЕТАЛЛ", "АЛЮМИ", WriteMetalStructureScenario},
        DispatchCase{"ГИДРОИЗО", "МЕТАЛЛ", "ОЦИНК", WriteMetalStructureScenario},
        DispatchCase{"ГИДРОИЗО", "МЕТАЛЛ", "МЕТАЛ", WriteMetalStructureScenario},
        DispatchCase{"ГИДРОИЗО", "МЕТАЛЛ", "БЕТОН", nullptr},
        DispatchCase{"ГИДРОИЗО", "БАССЕЙ", "ПВХ (", WritePoolScenario},
        DispatchCase{"ГИДРОИЗО", "БАССЕЙ", "БЕТОН", WritePoolScenario},
        DispatchCase{"ГИДРОИЗО", "БАССЕЙ", "ШИФЕР", nullptr},
        DispatchCase{"ГИДРОИЗО", "ПЛОЩАД", "ДЕРЕВ", WritePlatformScenario},
        DispatchCase{"ПОКРЫТИЕ", "ПЛОЩАД", "БЕТОН", WritePlatformScenario},
        DispatchCase{"ГИДРОИЗО", "СТЕНЫ ", "БЕТОН", WriteWallScenario},
        DispatchCase{"ГИДРОИЗО", "СТЕНЫ ", "ПЛИТК", WriteWallScenario},
        DispatchCase{"ГИДРОИЗО", "СТЕНЫ ", "НАТУР", WriteWallScenario},
        DispatchCase{"ГИДРОИЗО", "СТЕНЫ", "БЕТОН", nullptr}, // the key keeps the blank after "Стены"
        DispatchCase{"ПОКРЫТИЕ", "ПОЛ (В", "ПОКРЫ", WriteFloorScenario},
        DispatchCase{"ГИДРОИЗО", "ПОЛ (В", "ПЛИТК", WriteFloorScenario},
        DispatchCase{"ПОКРЫТИЕ", "ПОЛ (В", "АСФАЛ", WriteFloorScenario},
        DispatchCase{"ГИДРОИЗО", "ПОЛ (В", "МЕТАЛ", WriteFloorScenario},
        DispatchCase{"ПОКРЫТИЕ", "ПОЛ (В", "ДЕРЕВ", WriteFloorScenario},
        DispatchCase{"ГИДРОИЗО", "ФАСАД", "НАТУР", WriteFacadeScenario},
        DispatchCase{"ГИДРОИЗО", "ФАСАД", "ПЛИТК", WriteFacadeScenario},
        DispatchCase{"ГИДРОИЗО", "ФАСАД", "ДЕРЕВ", WriteFacadeScenario},
        DispatchCase{"ПОКРЫТИЕ", "ФАСАД", "БЕТОН", nullptr},
        DispatchCase{"ГИДРОИЗО", "ФУНДАМ", "ПЛИТК", WriteFoundationScenario},
        DispatchCase{"ГИДРОИЗО", "ФУНДАМ", "БИТУМ", WriteFoundationScenario},
        DispatchCase{"ГИДРОИЗО", "ФУНДАМ", "БЕТОН", WriteFoundationScenario},
        DispatchCase{"ГИДРОИЗО", "ФУНДАМ", "ДЕРЕВ", nullptr},
        DispatchCase{"ГИДРОИЗО", "КРОВЛЯ", "НАПЛА", WriteRoofScenario},
        DispatchCase{"ГИДРОИЗО", "КРОВЛЯ", "ПВХ (", WriteRoofScenario},
        DispatchCase{"ГИДРОИЗО", "КРОВЛЯ", "ПОКРЫ", WriteRoofScenario}, DispatchCase{"ГИДРОИЗО", "КРОВЛЯ", "", nullptr},
        DispatchCase{"ПОКРЫТИЕ", "КРОВЛЯ", "БЕТОН", nullptr}, DispatchCase{"", "КРОВЛЯ", "БЕТОН", nullptr}));

TEST(DispatchKeys, AreTakenFromTheUpperCasedAnswers) {
  ComposedOffer offer;
  offer.state.dArea = 100.0;
  offer.compose(WaterproofingAnswers(kFloorObject, kConcrete, kSummer));
  ComposedOffer coating;
  coating.state.dArea = 100.0;
  OfferAnswers answers = WaterproofingAnswers(kFloorObject, kConcrete, kSummer);
  answers.work = kCoating;
  coating.compose(answers);
  // The floor scenario follows the summary for both work types; only the summary's first row differs.
  EXPECT_GT(offer.lines().size(), SummaryOf(offer).size());
  EXPECT_EQ(offer.lines().mid(SummaryOf(offer).size()), coating.lines().mid(SummaryOf(coating).size()));
}

struct OrdinalCase {
  int k;
  const char *ordinal;
};

class Ordinal : public testing::TestWithParam<OrdinalCase> {};

TEST_P(Ordinal, HasOneBlankEachSide) {
  const QString expected = QString::fromUtf8(GetParam().ordinal);
  EXPECT_EQ(expected, VariantOrdinal(GetParam().k));
  EXPECT_EQ(QStringLiteral("Вариант ") + expected + QStringLiteral(":"), VariantHeading(GetParam().k));
}

INSTANTIATE_TEST_SUITE_P(Numbers, Ordinal,
                         testing::Values(OrdinalCase{1, " Первый "}, OrdinalCase{2, " Второй "},
                                         OrdinalCase{3, " Третий "}, OrdinalCase{4, " Четвёртый "},
                                         OrdinalCase{5, " Пятый "}, OrdinalCase{6, " Шестой "},
                                         OrdinalCase{7, " Седьмой "}, OrdinalCase{8, " Восьмой "},
                                         OrdinalCase{9, " Девятый "}, OrdinalCase{10, " Десятый "}, OrdinalCase{0, ""},
                                         OrdinalCase{11, ""}, OrdinalCase{-1, ""}));

TEST(Ordinal, HeadingsOutsideTheRange) {
  EXPECT_EQ(QStringLiteral("Вариант  Первый :"), VariantHeading(1));
  EXPECT_EQ(QStringLiteral("Вариант :"), VariantHeading(0));
  EXPECT_EQ(QStringLiteral("Вариант :"), VariantHeading(11));
}

} // namespace
