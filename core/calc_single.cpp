// The seven calculators that price one product: notes, one priced line, the total.

#include "calc_common.h"
#include "calculators.h"
#include "catalogue.h"
#include "product_numbers.h"
#include "static_text.h"

#include <array>

namespace {

// The notes written before a product's priced line; an empty text stands for an empty line.
struct ProductNotes {
  int product;
  std::array<const char16_t *, 3> notes; // unused entries are nullptr
};

constexpr ProductNotes kProductNotes[] = {
    {product::kFireRetardant,
     {u"Краска огнезащитная вспучивающаяся Ворсинт – огнезащитный состав для металла и бетона на основе "
      u"антипиренов на акриловом латексе. ",
      u"При высокой температуре выделяет негорючие и неядовитые газы, которые вспучивают основу с образованием "
      u"вспененной шубки из пенококса, которая и увеличивает огнестойкость конструкции. Нанесение выше 0С.",
      nullptr}},
    {product::kFireRetardantOrganic,
     {u"Краска огнезащитная вспучивающаяся Ворсинт Органик – огнезащитный состав для металла и бетона на основе "
      u"антипиренов на акрилатах на органическом растворителе. ",
      u"При высокой температуре выделяет негорючие и неядовитые газы, которые вспучивают основу с образованием "
      u"вспененной шубки из пенококса, которая и увеличивает огнестойкость конструкции. Нанесение выше --25С.",
      nullptr}},
    {product::kZincPrimerElastic,
     {u"Краска-грунт Орвелит Эласт- каучуковый состав на основе активированного мелкодисперсного порошка цинка и "
      u"кислых цинковых солей. Повышенной эластичности.",
      nullptr, nullptr}},
    {product::kZincPrimerPremium,
     {u"Краска-грунт Орвелит Эласт Премиум- каучуковый состав на основе активированного мелкодисперсного порошка "
      u"цинка. Повышенной эластичности.",
      nullptr, nullptr}},
    {product::kZincPrimer,
     {u"Краска-грунт Орвелит - полиуретановый состав на основе активированного мелкодисперсного порошка цинка.",
      nullptr, nullptr}},
    {product::kPolymerMetalPaint,
     {u"Полимерная краска Верилакс Металл Про- краска по металлу три-в-одном: нейтрализатор ржавчины, грунт по "
      u"металлу и атмосферостойкое полимерное покрытие. ",
      nullptr, nullptr}},
    {product::kPolymerConcretePaint,
     {u"Полимерная краска Верилакс Бетон Про – полимерное покрытие без грунтования! Возможно окрашивание асфальта.",
      nullptr, nullptr}},
    {product::kSealantMetal,
     {u"Краска-герметик Сольвира Металл Антикор- каучуковая краска по поверхностям из черного металла.  Состав "
      u"три-в-одном: нейтрализатор ржавчины, грунт по металлу и атмосферостойкое полимерное покрытие. Не требует "
      u"грунтования.",
      nullptr, nullptr}},
    {product::kLiquidRoofElastic,
     {u"Жидкая кровля Тавилон Про Эластик- прозрачный каучуковый состав с повышенной эластичностью.",
      u"Прозрачное покрытие. Для гидроизоляции и для исключения пачкания красителями от первоначального покрытия. "
      u"Нанесение до -25С!",
      nullptr}},
    {product::kPolyurethaneEnamel,
     {u"Полиуретановая эмаль Мальтон про имеет повышенную светостойкость, ультрафиолетово и озоностойкость и "
      u"износоустойчивость, стойкость к химическим соединениям, солям, кислотам, щелочам и нефтепродуктам. "
      u"Грунтование не требуется!",
      u"", calc::kPUColourNote}},
};

void WriteProductNotes(OfferContext &ctx, int productNumber) {
  for (const ProductNotes &row : kProductNotes) {
    if (row.product != productNumber)
      continue;
    for (const char16_t *note : row.notes) {
      if (note == nullptr)
        break;
      const QString text = StaticText(note);
      if (text.isEmpty())
        calc::EmptyLine(ctx);
      else
        calc::Note(ctx, text);
    }
  }
}

// How the one priced line of a variant is written.
struct SingleLine {
  int product;
  QString middle;
  QString unit;
  double unitPrice;
  double minimum = calc::kMinimumQuantity;
  bool emptyLineAfterTotal = true;
};

// Notes, "", the priced line, "", the total and, for most products, one more "".
void WriteSingleProductVariant(OfferContext &ctx, const SingleLine &line, double rate, double area) {
  WriteProductNotes(ctx, line.product);
  calc::EmptyLine(ctx);
  VariantPricer pricer(ctx);
  pricer.addLine(line.product, line.middle, rate, area, line.unit, line.unitPrice, line.minimum);
  calc::EmptyLine(ctx);
  pricer.writeTotal();
  if (line.emptyLineAfterTotal)
    calc::EmptyLine(ctx);
}

// A palette-coloured paint in the first colour form, charged base + surcharge.
SingleLine ColouredPaint(int productNumber, const QString &colourName, double surcharge) {
  return {productNumber, MiddleColourFirstForm(colourName), kUnitKg, ProductPrices(productNumber) + surcharge};
}

} // namespace

void CalcFireRetardant(OfferContext &ctx, const QString &colourName, bool summer, double area, double surcharge,
                       double rate) {
  const int productNumber = summer ? product::kFireRetardant : product::kFireRetardantOrganic;
  WriteSingleProductVariant(ctx, ColouredPaint(productNumber, colourName, surcharge), rate, area);
}

void CalcZincPrimer(OfferContext &ctx, int productNumber, double area, double rate) {
  // Zinc primers come in grey only, at the base price.
  const SingleLine line{productNumber, kMiddleGrey, kUnitKg, ProductPrices(productNumber)};
  WriteSingleProductVariant(ctx, line, rate, area);
}

void CalcPolymerMetalPaint(OfferContext &ctx, const QString &colourName, double area, double surcharge, double rate) {
  WriteSingleProductVariant(ctx, ColouredPaint(product::kPolymerMetalPaint, colourName, surcharge), rate, area);
}

void CalcPolymerConcretePaint(OfferContext &ctx, const QString &colourName, double area, double surcharge,
                              double rate) {
  WriteSingleProductVariant(ctx, ColouredPaint(product::kPolymerConcretePaint, colourName, surcharge), rate, area);
}

void CalcSealantMetal(OfferContext &ctx, const QString &colourName, double area, double surcharge, double rate) {
  WriteSingleProductVariant(ctx, ColouredPaint(product::kSealantMetal, colourName, surcharge), rate, area);
}

void CalcTransparentRoof(OfferContext &ctx, const QString & /*colourName*/, double area, double /*surcharge*/,
                         double rate) {
  // Transparent: neither a colour nor a surcharge applies.
  const SingleLine line{product::kLiquidRoofElastic,
                        kMiddleTwoBlanks,
                        kUnitLitre,
                        ProductPrices(product::kLiquidRoofElastic),
                        calc::kMinimumQuantity,
                        false};
  WriteSingleProductVariant(ctx, line, rate, area);
}

void CalcPolyurethaneEnamel(OfferContext &ctx, const QString &colourName, bool updatePUColour, double area,
                            double /*surcharge*/, double rate) {
  ctx.buttons.btnPUColor = true;
  calc::UpdatePUColour(ctx, colourName, updatePUColour);
  const SingleLine line{product::kPolyurethaneEnamel,
                        calc::PUCoatMiddle(ctx),
                        kUnitKg,
                        calc::PUCoatUnitPrice(ctx, product::kPolyurethaneEnamel),
                        calc::kPolyurethaneMinimum,
                        false};
  WriteSingleProductVariant(ctx, line, rate, area);
}
