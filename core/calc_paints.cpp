// Rubber and latex paints: a description with the season word, a primer chosen by
// season and the coat, with the total directly under the coat.

#include "calc_common.h"
#include "calculators.h"
#include "catalogue.h"
#include "join_text.h"
#include "product_numbers.h"

namespace {

constexpr long double kLatexRate = 0.3L; // kg/m²

// Empty in summer; the winter word brings its own blanks, so the texts around it
// show two blanks on each side.
QStringView SeasonWord(bool summer) {
  static constexpr QStringView kWinter = u" Зимняя ";
  return summer ? QStringView() : kWinter;
}

// name + season word + the rest of the description.
QString Described(QStringView name, bool summer, QStringView rest) {
  return JoinText({name, SeasonWord(summer), rest});
}

// The primer under a water-based paint: the universal primer, its winter kind in winter.
int SeasonPrimer(bool summer) {
  return summer ? product::kUniversalPrimer : product::kUniversalPrimerWinter;
}

// Coat product by kind (row) and season (column: summer, winter).
struct SeasonPair {
  int summer;
  int winter;
  int pick(bool isSummer) const { return isSummer ? summer : winter; }
};
constexpr SeasonPair kGranvel{product::kGranvel, product::kGranvelWinter};
constexpr SeasonPair kMirdal{product::kMirdal, product::kMirdalWinter};
constexpr SeasonPair kFacadeLatex{product::kFacadeLatex, product::kFacadeLatexWinter};

// Winter note, "", primer, coat, total, "".
void WritePaintSystem(OfferContext &ctx, bool summer, int coat, const QString &colourName, double surcharge,
                      long double rate, double area) {
  if (!summer)
    calc::Note(ctx, QStringLiteral("Нанесение до -15С !!!"));
  calc::EmptyLine(ctx);
  VariantPricer pricer(ctx);
  const int primer = SeasonPrimer(summer);
  pricer.addLine(primer, kMiddleTwoBlanks, calc::kPrimerRate, area, kUnitKg, ProductPrices(primer));
  pricer.addLine(coat, MiddleColourSecondForm(colourName), rate, area, kUnitKg, ProductPrices(coat) + surcharge);
  pricer.writeTotal();
  calc::EmptyLine(ctx);
}

} // namespace

void CalcRubberPaint(OfferContext &ctx, const QString &colourName, bool summer, double area, double surcharge,
                     bool firstKind, double rate) {
  const QString description =
      firstKind ? Described(QStringLiteral("Резиновая краска Гранвель "), summer,
                            QStringLiteral(" - универсальная резиновая воднодисперсионная краска на акриловом латексе. "
                                           "На все виды оснований. Эластичная и гидроизоляционная. Экологически "
                                           "чистая. Без запаха!"))
                : Described(QStringLiteral("Резиновая краска Мирдал "), summer,
                            QStringLiteral(" - универсальная резиновая воднодисперсионная краска на акриловом латексе. "
                                           "С эффектом самоочистки: «Эффект лотоса»! На все виды оснований. "
                                           "Эластичная и гидроизоляционная. Экологически чистая. Без запаха!"));
  calc::Note(ctx, description);
  const int coat = (firstKind ? kGranvel : kMirdal).pick(summer);
  WritePaintSystem(ctx, summer, coat, colourName, surcharge, rate, area);
}

void CalcLatexPaint(OfferContext &ctx, const QString &colourName, bool summer, double area, double surcharge,
                    bool facade) {
  if (!facade && !summer)
    return; // there is no interior latex paint for winter
  const QString description =
      facade ? Described(QStringLiteral("Фасадная латексная краска "), summer,
                         QStringLiteral(" Велестра – отличный бюджетный вариант для окрашивания фасада. Без запаха! "
                                        "Экологически чистая!"))
             : Described(QStringLiteral("Интерьерная латексная краска "), summer,
                         QStringLiteral("Велестра – отличный бюджетный вариант для окрашивания внутри помещения. Без "
                                        "запаха! Экологически чистая!"));
  calc::Note(ctx, description);
  const int coat = facade ? kFacadeLatex.pick(summer) : product::kInteriorLatex;
  WritePaintSystem(ctx, summer, coat, colourName, surcharge, kLatexRate, area);
}
