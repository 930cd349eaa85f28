// The eighteen calculators, line by line: texts, colours of the notes, plain lines,
// quantities, prices, totals and the buttons they ask for.

#include "calculators.h"
#include "catalogue.h"
#include "support_offer.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

enum class Kind { Note, RedNote, Plain };

struct Line {
  Kind kind;
  QString text;
};

Line N(const QString &text) {
  return {Kind::Note, text};
}
Line N(const char16_t *text) {
  return N(QString::fromUtf16(text));
}
Line R(const char16_t *text) {
  return {Kind::RedNote, QString::fromUtf16(text)};
}
Line E() {
  return {Kind::Plain, QString()};
}
Line T(const char16_t *text) {
  return {Kind::Plain, QString::fromUtf16(text)};
}
// A priced line: the marker, then the text as printed after it.
Line P(const char16_t *afterMarker) {
  return {Kind::Plain, QString(QChar(0x0001)) + QString::fromUtf16(afterMarker)};
}

const QString kPriceSeparator = QStringLiteral(" Руб. = ");
const QString kRoubles = QStringLiteral(" Руб.");
const QString kTotalPrefix = QStringLiteral("ИТОГО : ");

// Notes shared by several calculators.
constexpr char16_t kPUColourNote[] =
    u"Обращаем Ваше внимание, что цвета полиуретановых ЛКМ отличаются от выбранных Вами ранее цветов каучуковых "
    u"красок. Мы выполнили наиболее близкую по цвету замену.";
constexpr char16_t kPUTemperature[] = u"!!! Внимание. Температура нанесения выше 0С!";
constexpr char16_t kWinterNote[] = u"Нанесение до -15С !!!";
constexpr char16_t kRubberTail[] =
    u" - универсальная резиновая воднодисперсионная краска на акриловом латексе. На все виды оснований. Эластичная "
    u"и гидроизоляционная. Экологически чистая. Без запаха!";
constexpr char16_t kMirdalTail[] =
    u" - универсальная резиновая воднодисперсионная краска на акриловом латексе. С эффектом самоочистки: «Эффект "
    u"лотоса»! На все виды оснований. Эластичная и гидроизоляционная. Экологически чистая. Без запаха!";
constexpr char16_t kFacadeTail[] =
    u" Велестра – отличный бюджетный вариант для окрашивания фасада. Без запаха! Экологически чистая!";
constexpr char16_t kFireNote2Summer[] =
    u"При высокой температуре выделяет негорючие и неядовитые газы, которые вспучивают основу с образованием "
    u"вспененной шубки из пенококса, которая и увеличивает огнестойкость конструкции. Нанесение выше 0С.";

struct CalcCase {
  const char *name;
  std::function<void(OfferContext &)> call;
  std::vector<Line> expected;
  OfferButtons buttons; // what the call asks to show
};

void PrintTo(const CalcCase &c, std::ostream *os) {
  *os << c.name;
}

double ParseNumber(const QString &text) {
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  EXPECT_TRUE(ok) << text.toStdString();
  return value;
}

// The total line holds the sum of the costs of the priced lines above it, in order.
void ExpectTotalIsSumOfCosts(const OfferDocument &doc) {
  double sum = 0.0;
  int priced = 0;
  for (const OfferLine &line : doc.lines()) {
    if (line.text.startsWith(QChar(0x0001))) {
      const QString cost = line.text.section(kPriceSeparator, 1).chopped(kRoubles.size());
      sum += ParseNumber(cost);
      ++priced;
    } else if (line.text.startsWith(kTotalPrefix)) {
      EXPECT_GT(priced, 0);
      EXPECT_EQ(ParseNumber(line.text.mid(kTotalPrefix.size()).chopped(kRoubles.size())), sum);
      return;
    }
  }
  ADD_FAILURE() << "no total line";
}

void ExpectLines(const OfferDocument &doc, const std::vector<Line> &expected) {
  QStringList expectedTexts;
  for (const Line &line : expected)
    expectedTexts << line.text;
  ASSERT_EQ(LinesOf(doc), expectedTexts) << DescribeDifference(expectedTexts, LinesOf(doc)).toStdString();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const OfferLine &line = doc.lines()[i];
    SCOPED_TRACE(i);
    if (expected[i].kind == Kind::Plain) {
      EXPECT_TRUE(line.plain);
      continue;
    }
    EXPECT_FALSE(line.plain);
    EXPECT_EQ(line.format.color, expected[i].kind == Kind::RedNote ? kRed : kPurple);
    EXPECT_EQ(line.format.size, 8);
    EXPECT_FALSE(line.format.bold);
  }
}

const std::vector<CalcCase> &Cases() {
  static const std::vector<CalcCase> cases = {
      // ---- single-product calculators ----
      {"FireRetardantSummer",
       [](OfferContext &c) { CalcFireRetardant(c, QStringLiteral("Лист ландыша"), true, 70, 50, 1.85); },
       {N(u"Краска огнезащитная вспучивающаяся Ворсинт – огнезащитный состав для металла и бетона на основе "
          u"антипиренов на акриловом латексе. "),
        N(kFireNote2Summer), E(),
        P(u" Краска огнезащитная Ворсинт  (Цвет: Лист ландыша )  130 Кг * 560 Руб. = 72800 Руб."), E(),
        T(u"ИТОГО : 72800 Руб."), E()},
       {}},
      {"FireRetardantWinterSameQuantity",
       [](OfferContext &c) { CalcFireRetardant(c, QStringLiteral("Лист ландыша"), false, 70, 50, 1.85); },
       {N(u"Краска огнезащитная вспучивающаяся Ворсинт Органик – огнезащитный состав для металла и бетона на основе "
          u"антипиренов на акрилатах на органическом растворителе. "),
        N(u"При высокой температуре выделяет негорючие и неядовитые газы, которые вспучивают основу с образованием "
          u"вспененной шубки из пенококса, которая и увеличивает огнестойкость конструкции. Нанесение выше --25С."),
        E(), P(u" Краска огнезащитная Ворсинт Органик  (Цвет: Лист ландыша )  130 Кг * 630 Руб. = 81900 Руб."), E(),
        T(u"ИТОГО : 81900 Руб."), E()},
       {}},
      {"FireRetardantR120RoundsDown",
       [](OfferContext &c) { CalcFireRetardant(c, QStringLiteral("Босфор"), true, 250, 70, 2.82); },
       {N(u"Краска огнезащитная вспучивающаяся Ворсинт – огнезащитный состав для металла и бетона на основе "
          u"антипиренов на акриловом латексе. "),
        N(kFireNote2Summer), E(), P(u" Краска огнезащитная Ворсинт  (Цвет: Босфор )  700 Кг * 580 Руб. = 406000 Руб."),
        E(), T(u"ИТОГО : 406000 Руб."), E()},
       {}},
      {"ZincPrimerPremiumIsGreyAtBasePrice",
       [](OfferContext &c) { CalcZincPrimer(c, 27, 100, 0.5); },
       {N(u"Краска-грунт Орвелит Эласт Премиум- каучуковый состав на основе активированного мелкодисперсного порошка "
          u"цинка. Повышенной эластичности."),
        E(), P(u" Краска-грунт Орвелит Эласт Премиум  ( Цвет: Серый )  50 Кг * 799 Руб. = 39950 Руб."), E(),
        T(u"ИТОГО : 39950 Руб."), E()},
       {}},
      {"ZincPrimerElastic",
       [](OfferContext &c) { CalcZincPrimer(c, 26, 10, 0.5); },
       {N(u"Краска-грунт Орвелит Эласт- каучуковый состав на основе активированного мелкодисперсного порошка цинка и "
          u"кислых цинковых солей. Повышенной эластичности."),
        E(), P(u" Краска-грунт Орвелит Эласт  ( Цвет: Серый )  10 Кг * 699 Руб. = 6990 Руб."), E(),
        T(u"ИТОГО : 6990 Руб."), E()},
       {}},
      {"ZincPrimerPolyurethane",
       [](OfferContext &c) { CalcZincPrimer(c, 28, 60, 0.5); },
       {N(u"Краска-грунт Орвелит - полиуретановый состав на основе активированного мелкодисперсного порошка цинка."),
        E(), P(u" Краска-грунт Орвелит  ( Цвет: Серый )  30 Кг * 799 Руб. = 23970 Руб."), E(), T(u"ИТОГО : 23970 Руб."),
        E()},
       {}},
      {"PolymerMetalPaint",
       [](OfferContext &c) { CalcPolymerMetalPaint(c, QStringLiteral("Босфор"), 100, 70, 0.8); },
       {N(u"Полимерная краска Верилакс Металл Про- краска по металлу три-в-одном: нейтрализатор ржавчины, грунт по "
          u"металлу и атмосферостойкое полимерное покрытие. "),
        E(), P(u" Полимерная краска Верилакс Металл Про  (Цвет: Босфор )  80 Кг * 570 Руб. = 45600 Руб."), E(),
        T(u"ИТОГО : 45600 Руб."), E()},
       {}},
      {"PolymerConcretePaint",
       [](OfferContext &c) { CalcPolymerConcretePaint(c, QStringLiteral("Оранж"), 40, 60, 1.0); },
       {N(u"Полимерная краска Верилакс Бетон Про – полимерное покрытие без грунтования! Возможно окрашивание "
          u"асфальта."),
        E(), P(u" Полимерная краска Верилакс Бетон Про  (Цвет: Оранж )  40 Кг * 540 Руб. = 21600 Руб."), E(),
        T(u"ИТОГО : 21600 Руб."), E()},
       {}},
      {"SealantMetal",
       [](OfferContext &c) { CalcSealantMetal(c, QStringLiteral("Антрацит"), 30, 60, 0.5); },
       {N(u"Краска-герметик Сольвира Металл Антикор- каучуковая краска по поверхностям из черного металла.  Состав "
          u"три-в-одном: нейтрализатор ржавчины, грунт по металлу и атмосферостойкое полимерное покрытие. Не требует "
          u"грунтования."),
        E(), P(u" Краска-герметик Сольвира Металл Антикор  (Цвет: Антрацит )  20 Кг * 759 Руб. = 15180 Руб."), E(),
        T(u"ИТОГО : 15180 Руб."), E()},
       {}},
      {"TransparentRoofNoColourAndNothingAfterTotal",
       [](OfferContext &c) { CalcTransparentRoof(c, QStringLiteral("Римские крыши"), 12.5, 150, 1.2); },
       {N(u"Жидкая кровля Тавилон Про Эластик- прозрачный каучуковый состав с повышенной эластичностью."),
        N(u"Прозрачное покрытие. Для гидроизоляции и для исключения пачкания красителями от первоначального покрытия. "
          u"Нанесение до -25С!"),
        E(), P(u" Жидкая кровля Тавилон Про Эластик   10 Л * 650 Руб. = 6500 Руб."), E(), T(u"ИТОГО : 6500 Руб.")},
       {}},
      {"PolyurethaneEnamelMinimum20",
       [](OfferContext &c) { CalcPolyurethaneEnamel(c, QStringLiteral("Лист ландыша"), true, 20, 50, 0.5); },
       {N(u"Полиуретановая эмаль Мальтон про имеет повышенную светостойкость, ультрафиолетово и озоностойкость и "
          u"износоустойчивость, стойкость к химическим соединениям, солям, кислотам, щелочам и нефтепродуктам. "
          u"Грунтование не требуется!"),
        E(), N(kPUColourNote), E(),
        P(u" Полиуретановая эмаль Мальтон Про ( Цвет: Зелёный )  20 Кг * 1010 Руб. = 20200 Руб."), E(),
        T(u"ИТОГО : 20200 Руб.")},
       {false, true}},

      // ---- system calculators ----
      {"ThermalInsulationSummer",
       [](OfferContext &c) { CalcThermalInsulation(c, true, 10); },
       {E(), P(u" Грунт Универсальный  10 Кг * 190 Руб. = 1900 Руб."),
        P(u" Жидкая керамическая теплоизоляция Калидор 20 Л * 480 Руб. = 9600 Руб."), E(), T(u"ИТОГО : 11500 Руб."),
        E()},
       {}},
      {"ThermalInsulationWinterPrimerInKg",
       [](OfferContext &c) { CalcThermalInsulation(c, false, 10); },
       {E(), P(u" Грунт Сарвет Адгезив  10 Кг * 580 Руб. = 5800 Руб."),
        P(u" Краска-герметик теплоизоляционная Марсигон 20 Л * 990 Руб. = 19800 Руб."), E(), T(u"ИТОГО : 25600 Руб."),
        E()},
       {}},
      {"SealantConcreteWithPrimer",
       [](OfferContext &c) { CalcSealantConcrete(c, QStringLiteral("Литой бетон"), true, 100, 40, 0.8); },
       {P(u" Краска-герметик Сольвира Бетон  (Цвет: Литой бетон )  80 Кг * 739 Руб. = 59120 Руб."),
        P(u" Грунт Сарвет Адгезив  20 Л * 580 Руб. = 11600 Руб."), E(), T(u"ИТОГО : 70720 Руб."), E()},
       {}},
      {"SealantConcreteWithoutPrimer",
       [](OfferContext &c) { CalcSealantConcrete(c, QStringLiteral("Литой бетон"), false, 100, 40, 0.5); },
       {P(u" Краска-герметик Сольвира Бетон  (Цвет: Литой бетон )  50 Кг * 739 Руб. = 36950 Руб."), E(),
        T(u"ИТОГО : 36950 Руб."), E()},
       {}},
      {"SealantPaintWithPrimer",
       [](OfferContext &c) { CalcSealantPaint(c, QStringLiteral("Сахара"), true, 100, 50); },
       {N(u"Окрашивание в цвет. Нанесение до -25С!"),
        N(u"Краска-герметик Сольвира- эластичная, морозостойкая, ультрафиолетово и озоноустойчивая "
          u"гидроизоляционная каучуковая краска."),
        E(), P(u" Грунт Сарвет Адгезив  20 Л * 580 Руб. = 11600 Руб."),
        P(u" Краска-герметик Сольвира  (Цвет: Сахара )  100 Кг * 730 Руб. = 73000 Руб."), E(), T(u"ИТОГО : 84600 Руб."),
        E()},
       {}},
      {"PolyurethaneFloorMapsPaletteColour",
       [](OfferContext &c) { CalcPolyurethaneFloor(c, QStringLiteral("Босфор"), true, 100, 70); },
       {R(kPUTemperature), E(), N(kPUColourNote), E(),
        P(u" Грунт Полиуретановый Ферон Прайм   20 Кг * 560 Руб. = 11200 Руб."),
        P(u" Полиуретановое покрытие Ферон Пол ( Цвет: Синий )  80 Кг * 730 Руб. = 58400 Руб."), E(),
        T(u"ИТОГО : 69600 Руб.")},
       {false, true}},
      {"PolyurethaneWaterproofingRate15",
       [](OfferContext &c) {
         CalcPolyurethaneWaterproofing(c, QStringLiteral("Лист ландыша"), true, 10, 50, 1.5, false);
       },
       {R(kPUTemperature), E(), N(kPUColourNote), E(),
        P(u" Грунт Полиуретановый Ферон Прайм   10 Кг * 560 Руб. = 5600 Руб."),
        P(u" Полиуретановая гидроизоляция Ферон Гидро ( Цвет: Зелёный )  20 Кг * 820 Руб. = 16400 Руб."), E(),
        T(u"ИТОГО : 22000 Руб.")},
       {false, true}},
      {"PolyurethaneWaterproofingWithGeotextile",
       [](OfferContext &c) {
         CalcPolyurethaneWaterproofing(c, QStringLiteral("Лист ландыша"), true, 25, 50, 2.0, true);
       },
       {R(kPUTemperature), E(), N(kPUColourNote), E(),
        P(u" Грунт Полиуретановый Ферон Прайм   10 Кг * 560 Руб. = 5600 Руб."),
        P(u" Полиуретановая гидроизоляция Ферон Гидро ( Цвет: Зелёный )  50 Кг * 820 Руб. = 41000 Руб."),
        P(u" Геотекстиль полиэфирный (Цена примерная)  30 Кв.м * 60 Руб. = 1800 Руб."), E(), T(u"ИТОГО : 48400 Руб.")},
       {false, true}},
      {"LiquidRoofWaterBasedOn3m2",
       [](OfferContext &c) { CalcLiquidRoofWaterBased(c, QStringLiteral("Лист ландыша"), 3, 50); },
       {N(u"Жидкая кровля Тавилон – воднодисперсный состав на акриловом латексе."),
        N(u"Плюс: Без запаха. Самый экологичный материал из жидких кровель. "),
        N(u"Минус: Необходима покупка геотекстиля для сплошного армирования."), E(),
        P(u" Жидкая Кровля Тавилон ( Цвет: Лист ландыша )  10 Кг * 530 Руб. = 5300 Руб."),
        P(u" Грунт Универсальный  10 Кг * 190 Руб. = 1900 Руб."),
        P(u" Геотекстиль полиэфирный (Цена примерная)  10 Кв.м * 60 Руб. = 600 Руб."), E(), T(u"ИТОГО : 7800 Руб.")},
       {true, false}},
      {"LiquidRoofWaterBasedSuperWhite",
       [](OfferContext &c) { CalcLiquidRoofWaterBased(c, QStringLiteral("СуперБелый"), 100, 80); },
       {N(u"Жидкая кровля Тавилон – воднодисперсный состав на акриловом латексе."),
        N(u"Плюс: Без запаха. Самый экологичный материал из жидких кровель. "),
        N(u"Минус: Необходима покупка геотекстиля для сплошного армирования."), E(),
        P(u" Жидкая Кровля Тавилон ( Цвет: Белый )  200 Кг * 480 Руб. = 96000 Руб."),
        P(u" Грунт Универсальный  20 Кг * 190 Руб. = 3800 Руб."),
        P(u" Геотекстиль полиэфирный (Цена примерная)  100 Кв.м * 60 Руб. = 6000 Руб."), E(),
        T(u"ИТОГО : 105800 Руб.")},
       {true, false}},
      {"LiquidRoofMetalReinforcedSuperWhite",
       [](OfferContext &c) { CalcLiquidRoofMetal(c, QStringLiteral("СуперБелый"), true, 100, 80, 2.0); },
       {R(u"Максимальная гидроизоляция! Используем сплошное армирование полиэфирным геотекстилем!"), E(),
        N(u"Жидкая кровля Тавилон Про Металл – каучуковая жидкая кровля по поверхностям их черного металла.  Состав "
          u"три-в-одном: нейтрализатор ржавчины, грунт по металлу и атмосферостойкое полимерное покрытие. Не требует "
          u"грунтования."),
        E(), P(u" Жидкая кровля Тавилон Про Металл ( Цвет: Белый )  200 Кг * 599 Руб. = 119800 Руб."),
        P(u" Геотекстиль полиэфирный (Цена примерная)  100 Кв.м * 60 Руб. = 6000 Руб."), E(),
        T(u"ИТОГО : 125800 Руб.")},
       {true, false}},
      {"LiquidRoofMetalWithoutReinforcement",
       [](OfferContext &c) { CalcLiquidRoofMetal(c, QStringLiteral("Босфор"), false, 10, 70, 2.0); },
       {N(u"Жидкая кровля Тавилон Про Металл – каучуковая жидкая кровля по поверхностям их черного металла.  Состав "
          u"три-в-одном: нейтрализатор ржавчины, грунт по металлу и атмосферостойкое полимерное покрытие. Не требует "
          u"грунтования."),
        E(), P(u" Жидкая кровля Тавилон Про Металл ( Цвет: Босфор )  20 Кг * 669 Руб. = 13380 Руб."), E(),
        T(u"ИТОГО : 13380 Руб.")},
       {}},
      {"LiquidRoofProReinforced",
       [](OfferContext &c) { CalcLiquidRoofPro(c, QStringLiteral("Лист ландыша"), true, 100, 40, 2.0); },
       {R(u"Сплошное армирование!!!"), E(),
        N(u"Жидкая кровля Тавилон Про- состав на органической основе из синтетических каучуков. Повышенная "
          u"прочность, эластичность и срок службы."),
        E(), P(u" Грунт Сарвет Адгезив  20 Л * 580 Руб. = 11600 Руб."),
        P(u" Жидкая Кровля Тавилон Про ( Цвет: Лист ландыша )  200 Кг * 620 Руб. = 124000 Руб."),
        P(u" Геотекстиль полиэфирный (Цена примерная)  100 Кв.м * 60 Руб. = 6000 Руб."), E(),
        T(u"ИТОГО : 141600 Руб.")},
       {true, false}},
      {"LiquidRoofProSuperWhiteIsWhiteAtBasePrice",
       [](OfferContext &c) { CalcLiquidRoofPro(c, QStringLiteral("СуперБелый"), false, 100, 80, 1.5); },
       {N(u"Жидкая кровля Тавилон Про- состав на органической основе из синтетических каучуков. Повышенная "
          u"прочность, эластичность и срок службы."),
        E(), P(u" Грунт Сарвет Адгезив  20 Л * 580 Руб. = 11600 Руб."),
        P(u" Жидкая Кровля Тавилон Про ( Цвет: Белый )  150 Кг * 580 Руб. = 87000 Руб."), E(),
        T(u"ИТОГО : 98600 Руб.")},
       {}},
      {"LiquidRoofAdhesiveKeepsSuperWhite",
       [](OfferContext &c) { CalcLiquidRoofAdhesive(c, QStringLiteral("СуперБелый"), true, 100, 80, 2.0); },
       {N(u"Жидкая кровля Тавилон Про Адгезив – каучуковая кровля с повышенной адгезией. Не требует грунтования."), E(),
        P(u" Жидкая кровля Тавилон Про Адгезив ( Цвет: СуперБелый )  200 Кг * 679 Руб. = 135800 Руб."),
        P(u" Геотекстиль полиэфирный (Цена примерная)  100 Кв.м * 60 Руб. = 6000 Руб."), E(),
        T(u"ИТОГО : 141800 Руб.")},
       {}},
      {"LiquidRoofAdhesiveWithoutReinforcement",
       [](OfferContext &c) { CalcLiquidRoofAdhesive(c, QStringLiteral("Классика"), false, 100, 50, 1.5); },
       {N(u"Жидкая кровля Тавилон Про Адгезив – каучуковая кровля с повышенной адгезией. Не требует грунтования."), E(),
        P(u" Жидкая кровля Тавилон Про Адгезив ( Цвет: Классика )  150 Кг * 649 Руб. = 97350 Руб."), E(),
        T(u"ИТОГО : 97350 Руб.")},
       {}},
      {"RubberPaintFirstKindWinter",
       [](OfferContext &c) { CalcRubberPaint(c, QStringLiteral("Первомай"), false, 50, 130, true, 1.0); },
       {N(QStringLiteral("Резиновая краска Гранвель  Зимняя ") + QString::fromUtf16(kRubberTail)), N(kWinterNote), E(),
        P(u" Грунт Универсальный Зимний   10 Кг * 220 Руб. = 2200 Руб."),
        P(u" Резиновая краска Гранвель Зимняя ( Цвет: Первомай )  50 Кг * 570 Руб. = 28500 Руб."),
        T(u"ИТОГО : 30700 Руб."), E()},
       {}},
      {"RubberPaintSecondKindSummer",
       [](OfferContext &c) { CalcRubberPaint(c, QStringLiteral("Сиреневый"), true, 50, 60, false, 0.5); },
       {N(QStringLiteral("Резиновая краска Мирдал ") + QString::fromUtf16(kMirdalTail)), E(),
        P(u" Грунт Универсальный   10 Кг * 190 Руб. = 1900 Руб."),
        P(u" Резиновая краска Мирдал ( Цвет: Сиреневый )  30 Кг * 550 Руб. = 16500 Руб."), T(u"ИТОГО : 18400 Руб."),
        E()},
       {}},
      {"RubberPaintSecondKindWinter",
       [](OfferContext &c) { CalcRubberPaint(c, QStringLiteral("Сиреневый"), false, 100, 60, false, 0.5); },
       {N(QStringLiteral("Резиновая краска Мирдал  Зимняя ") + QString::fromUtf16(kMirdalTail)), N(kWinterNote), E(),
        P(u" Грунт Универсальный Зимний   20 Кг * 220 Руб. = 4400 Руб."),
        P(u" Резиновая краска Мирдал Зимний ( Цвет: Сиреневый )  50 Кг * 590 Руб. = 29500 Руб."),
        T(u"ИТОГО : 33900 Руб."), E()},
       {}},
      {"LatexFacadeSummer",
       [](OfferContext &c) { CalcLatexPaint(c, QStringLiteral("Классика"), true, 100, 50, true); },
       {N(QStringLiteral("Фасадная латексная краска ") + QString::fromUtf16(kFacadeTail)), E(),
        P(u" Грунт Универсальный   20 Кг * 190 Руб. = 3800 Руб."),
        P(u" Фасадная латексная краска ( Цвет: Классика )  30 Кг * 330 Руб. = 9900 Руб."), T(u"ИТОГО : 13700 Руб."),
        E()},
       {}},
      {"LatexFacadeWinter",
       [](OfferContext &c) { CalcLatexPaint(c, QStringLiteral("Классика"), false, 100, 50, true); },
       {N(QStringLiteral("Фасадная латексная краска  Зимняя ") + QString::fromUtf16(kFacadeTail)), N(kWinterNote), E(),
        P(u" Грунт Универсальный Зимний   20 Кг * 220 Руб. = 4400 Руб."),
        P(u" Фасадная латексная краска Зимняя ( Цвет: Классика )  30 Кг * 365 Руб. = 10950 Руб."),
        T(u"ИТОГО : 15350 Руб."), E()},
       {}},
      {"LatexInteriorSummer",
       [](OfferContext &c) { CalcLatexPaint(c, QStringLiteral("Классика"), true, 100, 50, false); },
       {N(u"Интерьерная латексная краска Велестра – отличный бюджетный вариант для окрашивания внутри помещения. Без "
          u"запаха! Экологически чистая!"),
        E(), P(u" Грунт Универсальный   20 Кг * 190 Руб. = 3800 Руб."),
        P(u" Интерьерная латексная краска ( Цвет: Классика )  30 Кг * 300 Руб. = 9000 Руб."), T(u"ИТОГО : 12800 Руб."),
        E()},
       {}},
  };
  return cases;
}

class Calculator : public ::testing::TestWithParam<CalcCase> {};

TEST_P(Calculator, WritesItsLinesTotalAndButtons) {
  const CalcCase &c = GetParam();
  ComposedOffer offer;
  OfferContext ctx = offer.context();
  c.call(ctx);
  ExpectLines(offer.doc, c.expected);
  ExpectTotalIsSumOfCosts(offer.doc);
  EXPECT_EQ(offer.buttons.btnDop, c.buttons.btnDop);
  EXPECT_EQ(offer.buttons.btnPUColor, c.buttons.btnPUColor);
}

INSTANTIATE_TEST_SUITE_P(AllCalculators, Calculator, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<CalcCase> &info) { return std::string(info.param.name); });

TEST(Calculators, LatexInteriorInWinterWritesNothing) {
  ComposedOffer offer;
  OfferContext ctx = offer.context();
  CalcLatexPaint(ctx, QStringLiteral("Классика"), false, 100, 50, false);
  EXPECT_EQ(offer.doc.count(), 0);
  EXPECT_FALSE(offer.buttons.btnDop);
  EXPECT_FALSE(offer.buttons.btnPUColor);
}

TEST(Calculators, ButtonsAreNeverHidden) {
  ComposedOffer offer;
  offer.buttons = {true, true};
  OfferContext ctx = offer.context();
  CalcLiquidRoofAdhesive(ctx, QStringLiteral("Классика"), true, 100, 50, 2.0);
  CalcZincPrimer(ctx, 26, 10, 0.5);
  EXPECT_TRUE(offer.buttons.btnDop);
  EXPECT_TRUE(offer.buttons.btnPUColor);
}

TEST(Calculators, WhiteColourRuleLeavesTheSelectionAlone) {
  ComposedOffer offer;
  offer.state.sColorName = QStringLiteral("СуперБелый");
  offer.state.dColorExtra = 80;
  OfferContext ctx = offer.context();
  CalcLiquidRoofPro(ctx, offer.state.sColorName, true, 100, offer.state.dColorExtra, 2.0);
  EXPECT_TRUE(offer.doc.lineText(5).contains(QStringLiteral("( Цвет: Белый )  200 Кг * 580 Руб.")));
  EXPECT_EQ(offer.state.sColorName, QStringLiteral("СуперБелый"));
  EXPECT_EQ(offer.state.dColorExtra, 80);
}

struct PUCase {
  const char *name;
  std::function<void(OfferContext &, bool update)> call;
  int coatLine; // index of the polyurethane coat line
  int product;
};

const PUCase kPUCases[] = {
    {"Enamel",
     [](OfferContext &c, bool update) {
       CalcPolyurethaneEnamel(c, QStringLiteral("Лист ландыша"), update, 20, 50, 0.5);
     },
     4, 23},
    {"Floor",
     [](OfferContext &c, bool update) { CalcPolyurethaneFloor(c, QStringLiteral("Лист ландыша"), update, 20, 50); }, 5,
     22},
    {"Waterproofing",
     [](OfferContext &c, bool update) {
       CalcPolyurethaneWaterproofing(c, QStringLiteral("Лист ландыша"), update, 20, 50, 0.5, false);
     },
     5, 16},
};

// The user picked red in the picker; the palette colour is green. The palette
// surcharge (50) never reaches a polyurethane line.
TEST(Calculators, PolyurethaneColourFollowsThePaletteOnlyWhenUpdating) {
  for (const PUCase &c : kPUCases) {
    for (const bool update : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (update ? " update" : " keep"));
      ComposedOffer offer;
      offer.state.sPUColorName = QStringLiteral("Красный");
      offer.state.dPUColorExtra = 30;
      OfferContext ctx = offer.context();
      c.call(ctx, update);
      const QString expectedName = update ? QStringLiteral("Зелёный") : QStringLiteral("Красный");
      const double expectedExtra = update ? 20 : 30;
      EXPECT_EQ(offer.state.sPUColorName, expectedName);
      EXPECT_EQ(offer.state.dPUColorExtra, expectedExtra);
      const QString coat = offer.doc.lineText(c.coatLine);
      const QString expectedPiece = QStringLiteral("( Цвет: %1 )  20 Кг * %2 Руб. = ")
                                        .arg(expectedName)
                                        .arg(ProductPrices(c.product) + expectedExtra);
      EXPECT_TRUE(coat.startsWith(ProductNames(c.product) + expectedPiece)) << coat.toStdString();
      EXPECT_TRUE(offer.buttons.btnPUColor);
      ExpectTotalIsSumOfCosts(offer.doc);
    }
  }
}

} // namespace
