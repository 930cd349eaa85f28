// Roof waterproofing R1-R18: golden offers, row styles, buttons and the state they leave.
#include "catalogue.h"
#include "golden_offer_tests.h"
#include "palette.h"
#include "scenarios/scenarios.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace answers;

const QString kTransparencyCaption = QStringLiteral("Прозрачность");
const QString kRoofQuality = QStringLiteral("Качество кровли");

constexpr int kSuperWhite = 24;
constexpr int kBaseWhite = 23; // " Белый-База А", with its leading blank

// Page 3 asks the season (or is skipped and keeps the summer answer rule PR4 wrote).
OfferAnswers Seasonal(const QString &material, const QString &mainAnswer = kSummer) {
  return WaterproofingAnswers(kRoof, material, mainAnswer);
}

// Page 3 asks transparency (soft tiles, rubber crumb) or the roof quality (black metal);
// the second question keeps the fire-resistance content that leaving page 0 gave it.
OfferAnswers Asked(const QString &material, const QString &caption, const QString &mainAnswer) {
  OfferAnswers a = WaterproofingAnswers(kRoof, material, mainAnswer);
  a.page3Caption = caption;
  return a;
}

// Aluminium, galvanized and slate: the season with the roof condition below it.
OfferAnswers WithCondition(const QString &material, const QString &mainAnswer, int conditionIndex) {
  OfferAnswers a = WaterproofingAnswers(kRoof, material, mainAnswer);
  a.secondAnswer = conditionIndex == 0 ? kLeaking : kNotLeaking;
  a.secondIndex = conditionIndex;
  a.secondLabel = kRoofQuality;
  return a;
}

// The same offers as tests/golden/roof.cases, with the answers the walk leaves.
std::vector<GoldenOffer> RoofOffers() {
  return {
      {QStringLiteral("overview-road"), Seasonal(kConcrete), 100.0, true, 1},
      {QStringLiteral("roof-r1-concrete-summer-1m2"), Seasonal(kConcrete), 1.0, true, 0},
      {QStringLiteral("roof-r1-wood-summer-superwhite"), Seasonal(kWood), 25.0, true, kSuperWhite},
      {QStringLiteral("roof-r1-fused-summer-75m2"), Seasonal(kFusedRoll), 75.0, true, 3},
      {QStringLiteral("roof-r2-concrete-winter-26m2"), Seasonal(kConcrete, kWinter), 26.0, true, 0},
      {QStringLiteral("roof-r2-fused-winter-superwhite"), Seasonal(kFusedRoll, kWinter), 35.0, true, kSuperWhite},
      {QStringLiteral("roof-r2-wood-winter-24-9m2"), Seasonal(kWood, kWinter), 24.9, true, 2},
      {QStringLiteral("roof-r3-soft-tiles-transparent"), Asked(kSoftTiles, kTransparencyCaption, kTransparent), 12.5,
       false, 0},
      {QStringLiteral("roof-r3-rubber-crumb-transparent"), Asked(kRubberCrumb, kTransparencyCaption, kTransparent),
       100.0, false, 0},
      {QStringLiteral("roof-r4-soft-tiles-opaque"), Asked(kSoftTiles, kTransparencyCaption, kOpaque), 100.0, true, 3},
      {QStringLiteral("roof-r5-rubber-crumb-opaque"), Asked(kRubberCrumb, kTransparencyCaption, kOpaque), 100.0, true,
       10},
      {QStringLiteral("roof-r6-metal-repaint-superwhite"), Asked(kBlackMetal, kRoofQuality, kRepaintOnly), 100.0, true,
       kSuperWhite},
      {QStringLiteral("roof-r7-metal-heavy-rust"), Asked(kBlackMetal, kRoofQuality, kHeavyRust), 12.5, true, 2},
      {QStringLiteral("roof-r8-metal-little-rust-superwhite"), Asked(kBlackMetal, kRoofQuality, kLittleRust), 100.0,
       true, kSuperWhite},
      {QStringLiteral("roof-r9-aluminium-leaking-superwhite"), WithCondition(kAluminium, kSummer, 0), 100.0, true,
       kSuperWhite},
      {QStringLiteral("roof-r9-galvanized-winter-leaking"), WithCondition(kGalvanized, kWinter, 0), 26.0, true, 0},
      {QStringLiteral("roof-r9-aluminium-winter-leaking"), WithCondition(kAluminium, kWinter, 0), 75.0, true, 9},
      {QStringLiteral("roof-r9-galvanized-summer-base-white"), WithCondition(kGalvanized, kSummer, 0), 100.0, true,
       kBaseWhite},
      {QStringLiteral("roof-r10-aluminium-summer-repaint"), WithCondition(kAluminium, kSummer, 1), 100.0, true, 7},
      {QStringLiteral("roof-r10-galvanized-winter-repaint"), WithCondition(kGalvanized, kWinter, 1), 100.0, true, 5},
      {QStringLiteral("roof-r10-aluminium-winter-superwhite"), WithCondition(kAluminium, kWinter, 1), 24.9, true,
       kSuperWhite},
      {QStringLiteral("roof-r10-galvanized-summer-repaint"), WithCondition(kGalvanized, kSummer, 1), 75.0, true, 26},
      {QStringLiteral("roof-r11-slate-summer-leaking"), WithCondition(kSlate, kSummer, 0), 12.5, true, kSuperWhite},
      {QStringLiteral("roof-r12-slate-summer-repaint"), WithCondition(kSlate, kSummer, 1), 100.0, true, 16},
      {QStringLiteral("roof-r13-slate-winter-repaint"), WithCondition(kSlate, kWinter, 1), 100.0, true, 4},
      {QStringLiteral("roof-r14-slate-winter-leaking"), WithCondition(kSlate, kWinter, 0), 100.0, true, 0},
      {QStringLiteral("roof-r15-bitumen"), Seasonal(kBitumen), 100.0, true, 16},
      {QStringLiteral("roof-r15-asphalt-superwhite"), Seasonal(kAsphalt), 100.0, true, kSuperWhite},
      {QStringLiteral("roof-r16-ceramic-tile"), Seasonal(kTile), 100.0, true, 4},
      // "Прозрачный" (13) picked in the polyurethane picker after the offer.
      {QStringLiteral("roof-r16-ceramic-tile-picked-pu-colour"), Seasonal(kTile), 100.0, true, 21, 13},
      {QStringLiteral("roof-r17-natural-stone"), Seasonal(kNaturalStone), 37.0, false, 0},
      {QStringLiteral("roof-r18-pvc-superwhite"), Seasonal(kPvc), 100.0, true, kSuperWhite},
  };
}

GoldenOffer Find(const QString &name) {
  for (const GoldenOffer &offer : RoofOffers())
    if (offer.name == name)
      return offer;
  ADD_FAILURE() << "no offer " << qPrintable(name);
  return {};
}

// The offer called `name`, composed as the wizard composes it.
ComposedOffer Composed(const QString &name) {
  ComposedOffer offer;
  ComposeAsWizard(offer, Find(name));
  return offer;
}

INSTANTIATE_TEST_SUITE_P(Roof, GoldenOfferFile, testing::ValuesIn(RoofOffers()), GoldenOfferTestName);

TEST(RoofGoldenCases, CasesFileListsEveryGoldenOffer) {
  EXPECT_EQ(GoldenCaseNames(QStringLiteral("roof")), NamesOf(RoofOffers()));
}

// Colour of the line with exactly this text.
LineColor ColourOf(const ComposedOffer &offer, const QString &text) {
  const int index = IndexOfLine(offer, text);
  EXPECT_GE(index, 0) << qPrintable(text);
  return index < 0 ? 0xFFFFFFu : offer.doc.lines()[static_cast<size_t>(index)].format.color;
}

TEST(RoofStyles, HeadingsBlackNotesPurpleTileWarningRed) {
  const ComposedOffer flat = Composed(QStringLiteral("overview-road"));
  EXPECT_EQ(kBlack, ColourOf(flat, QStringLiteral("Гидроизоляция кровли (Летний вариант)")));
  EXPECT_EQ(kBlack, ColourOf(flat, QStringLiteral("Вариант Первый:")));
  EXPECT_EQ(kPurple, ColourOf(flat, QStringLiteral("Плюс: Повышенная прочность, эластичность и срок службы.")));
  const int separator = IndexOfLine(flat, kSeparator);
  ASSERT_GE(separator, 0);
  EXPECT_TRUE(flat.doc.lines()[static_cast<size_t>(separator)].plain);

  const ComposedOffer tile = Composed(QStringLiteral("roof-r16-ceramic-tile"));
  EXPECT_EQ(kRed, ColourOf(tile, QStringLiteral("Внимание! Перед началом работ плитку нужно заматировать (поцарапать) "
                                                "УШМ с насадкой крупной шкуркой и потом обезжирить ацетоном! "
                                                "Температура нанесения выше 0С!")));
  EXPECT_EQ(kPurple, ColourOf(tile, QStringLiteral("Полиуретановая гидроизоляция обладает наибольшей адгезией к "
                                                   "матовой керамической плитке и матовому керамограниту.")));
  for (const OfferLine &line : tile.doc.lines())
    EXPECT_EQ(8, line.format.size);
}

struct ButtonCase {
  const char *offer;
  bool btnDop;
  bool btnPUColor;
};

class RoofButtons : public testing::TestWithParam<ButtonCase> {};

TEST_P(RoofButtons, ShownOrHiddenByMaterialAndCalculators) {
  ComposedOffer offer;
  offer.buttons.btnDop = true; // left over from an earlier offer
  ComposeAsWizard(offer, Find(QString::fromUtf8(GetParam().offer)));
  EXPECT_EQ(GetParam().btnDop, offer.buttons.btnDop);
  EXPECT_EQ(GetParam().btnPUColor, offer.buttons.btnPUColor);
}

INSTANTIATE_TEST_SUITE_P(
    Offers, RoofButtons,
    testing::Values(ButtonCase{"roof-r2-concrete-winter-26m2", true, false}, // flat roof
                    ButtonCase{"roof-r4-soft-tiles-opaque", false, false},   // hidden for other materials
                    ButtonCase{"roof-r8-metal-little-rust-superwhite", false, false},
                    ButtonCase{"roof-r9-aluminium-leaking-superwhite", true, false}, // R9 shows it itself
                    ButtonCase{"roof-r10-galvanized-winter-repaint", false, false},
                    ButtonCase{"roof-r11-slate-summer-leaking", true, false}, // the water-based calculator
                    ButtonCase{"roof-r15-bitumen", true, false},              // reinforced liquid roofing
                    ButtonCase{"roof-r16-ceramic-tile", false, true},
                    ButtonCase{"roof-r18-pvc-superwhite", false, false}),
    [](const testing::TestParamInfo<ButtonCase> &info) { return TestCaseName(info.param.offer); });

TEST(WhiteColourRule, WinterFlatRoofKeepsWhiteForTheNextComposition) {
  ComposedOffer offer;
  const GoldenOffer golden = Find(QStringLiteral("roof-r2-fused-winter-superwhite"));
  ComposeAsWizard(offer, golden);
  EXPECT_EQ(QStringLiteral("Белый"), offer.state.sColorName);
  EXPECT_EQ(0.0, offer.state.dColorExtra);
  offer.compose(golden.answers);
  EXPECT_GE(IndexOfLine(offer, QStringLiteral("Цвет : Белый")), 0);
}

TEST(WhiteColourRule, SummerFlatRoofLeavesTheStateAlone) {
  const ComposedOffer offer = Composed(QStringLiteral("roof-r1-wood-summer-superwhite"));
  EXPECT_EQ(QStringLiteral("СуперБелый"), offer.state.sColorName);
  EXPECT_EQ(80.0, offer.state.dColorExtra);
}

TEST(WhiteColourRule, OtherColoursAreUntouched) {
  const ComposedOffer offer = Composed(QStringLiteral("roof-r7-metal-heavy-rust"));
  EXPECT_EQ(QStringLiteral("Красный кирпич"), offer.state.sColorName);
  EXPECT_EQ(60.0, offer.state.dColorExtra);
}

struct WorkingValuesCase {
  const char *offer;
  double unitPrice;
  double variantTotal;
};

class RoofWorkingValues : public testing::TestWithParam<WorkingValuesCase> {};

TEST_P(RoofWorkingValues, HoldTheLastPricedRow) {
  const ComposedOffer offer = Composed(QString::fromUtf8(GetParam().offer));
  EXPECT_EQ(GetParam().unitPrice, offer.state.dUnitPrice);
  EXPECT_EQ(GetParam().variantTotal, offer.state.dVariantTotal);
}

INSTANTIATE_TEST_SUITE_P(
    Offers, RoofWorkingValues,
    testing::Values(WorkingValuesCase{"overview-road", 60.0, 141600.0},                    // R1: geotextile last
                    WorkingValuesCase{"roof-r2-concrete-winter-26m2", 60.0, 38600.0},      // R2: second variant
                    WorkingValuesCase{"roof-r6-metal-repaint-superwhite", 500.0, 25000.0}, // white: no surcharge
                    WorkingValuesCase{"roof-r7-metal-heavy-rust", 659.0, 13180.0},
                    WorkingValuesCase{"roof-r9-aluminium-leaking-superwhite", 580.0, 98600.0},
                    WorkingValuesCase{"roof-r14-slate-winter-leaking", 0.0, 0.0}), // calculators only
    [](const testing::TestParamInfo<WorkingValuesCase> &info) { return TestCaseName(info.param.offer); });

// The wizard refuses an area of 0, but the roof's own priced rows must still never order
// less than 10 units, nor a quantity that is not a number.
class RoofMinimumQuantity : public testing::TestWithParam<double> {};

TEST_P(RoofMinimumQuantity, OwnPricedRowsOrderAtLeastTen) {
  ComposedOffer offer;
  offer.state.dArea = GetParam();
  offer.compose(Seasonal(kConcrete));
  const QStringList tail = offer.lines().mid(offer.lines().size() - 5);
  const QStringList expected = {
      ProductNames(4) + QStringLiteral("( Цвет: Лист ландыша )  10 Кг * 620 Руб. = 6200 Руб."),
      ProductNames(5) + QStringLiteral(" 10 Л * 580 Руб. = 5800 Руб."),
      ProductNames(3) + QStringLiteral(" 10 Кв.м * 60 Руб. = 600 Руб."),
      QString(),
      QStringLiteral("ИТОГО : 12600 Руб."),
  };
  EXPECT_EQ(expected, tail);
}

INSTANTIATE_TEST_SUITE_P(Areas, RoofMinimumQuantity, testing::Values(0.0, std::numeric_limits<double>::quiet_NaN()));

TEST(RoofPolyurethane, ColourPickedInThePickerSurvivesRecompositionWithoutUpdate) {
  ComposedOffer offer;
  const GoldenOffer golden = Find(QStringLiteral("roof-r16-ceramic-tile"));
  ComposeAsWizard(offer, golden);
  EXPECT_EQ(QStringLiteral("Жёлтый"), offer.state.sPUColorName);
  ApplyPUColour(offer.state, 6); // "Красный", 30
  offer.compose(golden.answers, false);
  const QString coat = offer.lines().filter(QStringLiteral("Ферон Гидро")).value(0);
  EXPECT_TRUE(coat.contains(QStringLiteral("( Цвет: Красный )  150 Кг * 830 Руб."))) << qPrintable(coat);
  offer.compose(golden.answers, true);
  EXPECT_EQ(QStringLiteral("Жёлтый"), offer.state.sPUColorName);
}

TEST(RoofScenarioEntry, UnknownMaterialWritesNothingAfterTheSummary) {
  ComposedOffer offer;
  OfferContext ctx = offer.context();
  const OfferAnswers answers = Seasonal(kConcrete);
  ScenarioCall call{
      ctx,  answers, QStringLiteral("ГИДРОИЗО"), QStringLiteral("КРОВЛЯ"), QStringLiteral("ГРАНИ"), {}, {}, {}, {},
      true, true};
  offer.buttons.btnDop = true;
  WriteRoofScenario(call);
  EXPECT_EQ(0, offer.doc.count());
  EXPECT_FALSE(offer.buttons.btnDop);
}

} // namespace
