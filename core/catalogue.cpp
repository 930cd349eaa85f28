#include "catalogue.h"

#include "join_text.h"
#include "number_format.h"

#include <QtGlobal>
#include <array>
#include <cmath>

namespace {

struct CatalogueRow {
  const char16_t *nameText; // after the marker and its blank; ends with a blank
  double basePrice;         // roubles per unit
};

constexpr int kProductCount = 32;

// Row i is product i + 1.
constexpr std::array<CatalogueRow, kProductCount> kCatalogue{{
    {u"Жидкая Кровля Тавилон ", 480},                      // 1
    {u"Грунт Универсальный ", 190},                        // 2
    {u"Геотекстиль полиэфирный (Цена примерная) ", 60},    // 3
    {u"Жидкая Кровля Тавилон Про ", 580},                  // 4
    {u"Грунт Сарвет Адгезив ", 580},                       // 5
    {u"Жидкая кровля Тавилон Про Эластик ", 650},          // 6
    {u"Жидкая кровля Тавилон Про Адгезив ", 599},          // 7
    {u"Полимерная краска Верилакс Металл Про ", 500},      // 8
    {u"Жидкая кровля Тавилон Про Металл ", 599},           // 9
    {u"Грунт Универсальный Зимний ", 220},                 // 10
    {u"Резиновая краска Гранвель ", 400},                  // 11
    {u"Резиновая краска Гранвель Зимняя ", 440},           // 12
    {u"Резиновая краска Мирдал ", 490},                    // 13
    {u"Резиновая краска Мирдал Зимний ", 530},             // 14
    {u"Грунт Полиуретановый Ферон Прайм ", 560},           // 15
    {u"Полиуретановая гидроизоляция Ферон Гидро ", 800},   // 16
    {u"Краска-герметик Сольвира ", 680},                   // 17
    {u"Фасадная латексная краска ", 280},                  // 18
    {u"Фасадная латексная краска Зимняя ", 315},           // 19
    {u"Полимерная краска Верилакс Бетон Про ", 480},       // 20
    {u"Краска-герметик Сольвира Бетон ", 699},             // 21
    {u"Полиуретановое покрытие Ферон Пол ", 700},          // 22
    {u"Полиуретановая эмаль Мальтон Про ", 990},           // 23
    {u"Интерьерная латексная краска ", 250},               // 24
    {u"Краска-герметик Сольвира Металл Антикор ", 699},    // 25
    {u"Краска-грунт Орвелит Эласт ", 699},                 // 26
    {u"Краска-грунт Орвелит Эласт Премиум ", 799},         // 27
    {u"Краска-грунт Орвелит ", 799},                       // 28
    {u"Жидкая керамическая теплоизоляция Калидор ", 480},  // 29
    {u"Краска-герметик теплоизоляционная Марсигон ", 990}, // 30
    {u"Краска огнезащитная Ворсинт ", 510},                // 31
    {u"Краска огнезащитная Ворсинт Органик ", 580},        // 32
}};

bool IsProductNumber(int n) {
  return n >= 1 && n <= kProductCount;
}

// The display names, built once: marker, blank, name text.
const std::array<QString, kProductCount> &DisplayNames() {
  static const std::array<QString, kProductCount> names = [] {
    std::array<QString, kProductCount> built;
    for (int i = 0; i < kProductCount; ++i)
      built[i] = QString(ProductLineMarker) + QLatin1Char(' ') + QString::fromUtf16(kCatalogue[i].nameText);
    return built;
  }();
  return names;
}

// 10^digit. The small positive powers, exact in a long double and the ones the quantity
// rule uses, come from a table: std::pow gives the same values, only slower.
long double PowerOfTen(int digit) {
  static constexpr std::array<long double, 5> kExact = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L};
  if (digit >= 0 && digit < static_cast<int>(kExact.size()))
    return kExact[static_cast<size_t>(digit)];
  return std::pow(10.0L, static_cast<long double>(digit));
}

// Pieces of the priced and total lines, measured at compile time.
constexpr QStringView kFirstFormOpen = u" (Цвет: ";
constexpr QStringView kSecondFormOpen = u"( Цвет: ";
constexpr QStringView kColourClose = u" )  ";
constexpr QStringView kRoublesEquals = u" Руб. = ";
constexpr QStringView kRoubles = u" Руб.";
constexpr QStringView kTotal = u"ИТОГО : ";

} // namespace

const QString &ProductNames(int n) {
  Q_ASSERT(IsProductNumber(n));
  static const QString none;
  return IsProductNumber(n) ? DisplayNames()[n - 1] : none;
}

double ProductPrices(int n) {
  Q_ASSERT(IsProductNumber(n));
  return IsProductNumber(n) ? kCatalogue[n - 1].basePrice : 0.0;
}

// Division and addition stay in 80-bit extended precision: a consumption that is
// a decimal half but lies just below it (1.2 x 12.5) must round down.
long double RoundHalfAway(long double x, int digit) {
  const long double scale = PowerOfTen(digit);
  const long double half = 0.5L;
  return x >= 0 ? std::trunc(x / scale + half) * scale : std::trunc(x / scale - half) * scale;
}

double RoundHalfAway(double x, int digit) {
  return static_cast<double>(RoundHalfAway(static_cast<long double>(x), digit));
}

double OrderQuantity(long double consumption, double minimum) {
  const double quantity = static_cast<double>(RoundHalfAway(consumption, 1));
  return (std::isnan(quantity) || quantity < minimum) ? minimum : quantity;
}

double GeotextileQuantity(double area) {
  constexpr double kMinimum = 10.0;
  const double quantity = RoundHalfAway(area, 1);
  return (std::isnan(quantity) || quantity < kMinimum) ? kMinimum : quantity;
}

QString MiddleColourFirstForm(const QString &colour) {
  return JoinText({kFirstFormOpen, colour, kColourClose});
}

QString MiddleColourSecondForm(const QString &colour) {
  return JoinText({kSecondFormOpen, colour, kColourClose});
}

QString PricedLineText(int product, const QString &middle, double quantity, const QString &unit, double unitPrice,
                       long double cost) {
  return JoinText({ProductNames(product), middle, NumberText(quantity), unit, NumberText(unitPrice), kRoublesEquals,
                   NumberText(cost), kRoubles});
}

QString TotalLineText(double total) {
  return JoinText({kTotal, NumberText(total), kRoubles});
}
