// System calculators for insulation, sealants and polyurethane: a primer, a coat
// and optional geotextile under one total.

#include "calc_common.h"
#include "calculators.h"
#include "catalogue.h"
#include "product_numbers.h"
#include "static_text.h"

namespace {

constexpr long double kInsulationRate = 2.0L;        // L/m²
constexpr long double kSealantPaintRate = 1.0L;      // kg/m²
constexpr long double kPolyurethaneFloorRate = 0.8L; // kg/m²

constexpr char16_t kPolyurethaneTemperatureNote[] = u"!!! Внимание. Температура нанесения выше 0С!";

// The adhesive primer in litres, as the sealants and the Pro roofing write it.
void AddAdhesivePrimerLitres(VariantPricer &pricer, double area) {
  pricer.addLine(product::kAdhesivePrimer, kMiddleOneBlank, calc::kPrimerRate, area, kUnitLitre,
                 ProductPrices(product::kAdhesivePrimer));
}

// Red note, "", the colour note, "", and the polyurethane colour brought up to date.
void BeginPolyurethaneVariant(OfferContext &ctx, const QString &colourName, bool updatePUColour) {
  ctx.buttons.btnPUColor = true;
  calc::RedNote(ctx, StaticText(kPolyurethaneTemperatureNote));
  calc::EmptyLine(ctx);
  calc::Note(ctx, StaticText(calc::kPUColourNote));
  calc::EmptyLine(ctx);
  calc::UpdatePUColour(ctx, colourName, updatePUColour);
}

void AddPolyurethanePrimer(VariantPricer &pricer, double area) {
  pricer.addLine(product::kPolyurethanePrimer, kMiddleTwoBlanks, calc::kPrimerRate, area, kUnitKg,
                 ProductPrices(product::kPolyurethanePrimer));
}

void AddPolyurethaneCoat(VariantPricer &pricer, const OfferContext &ctx, int productNumber, long double rate,
                         double area) {
  pricer.addLine(productNumber, calc::PUCoatMiddle(ctx), rate, area, kUnitKg, calc::PUCoatUnitPrice(ctx, productNumber),
                 calc::kPolyurethaneMinimum);
}

} // namespace

void CalcThermalInsulation(OfferContext &ctx, bool summer, double area) {
  const int primer = summer ? product::kUniversalPrimer : product::kAdhesivePrimer;
  const int insulation = summer ? product::kCeramicInsulation : product::kInsulatingSealant;
  calc::EmptyLine(ctx);
  VariantPricer pricer(ctx);
  pricer.addLine(primer, kMiddleOneBlank, calc::kPrimerRate, area, kUnitKg, ProductPrices(primer));
  pricer.addLine(insulation, QString(), kInsulationRate, area, kUnitLitre, ProductPrices(insulation));
  calc::EmptyLine(ctx);
  pricer.writeTotal();
  calc::EmptyLine(ctx);
}

void CalcSealantConcrete(OfferContext &ctx, const QString &colourName, bool primer, double area, double surcharge,
                         double rate) {
  VariantPricer pricer(ctx);
  pricer.addLine(product::kSealantConcrete, MiddleColourFirstForm(colourName), rate, area, kUnitKg,
                 ProductPrices(product::kSealantConcrete) + surcharge);
  if (primer)
    AddAdhesivePrimerLitres(pricer, area);
  calc::EmptyLine(ctx);
  pricer.writeTotal();
  calc::EmptyLine(ctx);
}

void CalcSealantPaint(OfferContext &ctx, const QString &colourName, bool primer, double area, double surcharge) {
  calc::Note(ctx, QStringLiteral("Окрашивание в цвет. Нанесение до -25С!"));
  calc::Note(ctx, QStringLiteral("Краска-герметик Сольвира- эластичная, морозостойкая, ультрафиолетово и "
                                 "озоноустойчивая гидроизоляционная каучуковая краска."));
  calc::EmptyLine(ctx);
  VariantPricer pricer(ctx);
  if (primer)
    AddAdhesivePrimerLitres(pricer, area);
  pricer.addLine(product::kSealantPaint, MiddleColourFirstForm(colourName), kSealantPaintRate, area, kUnitKg,
                 ProductPrices(product::kSealantPaint) + surcharge);
  calc::EmptyLine(ctx);
  pricer.writeTotal();
  calc::EmptyLine(ctx);
}

void CalcPolyurethaneFloor(OfferContext &ctx, const QString &colourName, bool updatePUColour, double area,
                           double /*surcharge*/) {
  BeginPolyurethaneVariant(ctx, colourName, updatePUColour);
  VariantPricer pricer(ctx);
  AddPolyurethanePrimer(pricer, area);
  AddPolyurethaneCoat(pricer, ctx, product::kPolyurethaneFloor, kPolyurethaneFloorRate, area);
  calc::EmptyLine(ctx);
  pricer.writeTotal();
}

void CalcPolyurethaneWaterproofing(OfferContext &ctx, const QString &colourName, bool updatePUColour, double area,
                                   double /*surcharge*/, double rate, bool geotextile) {
  BeginPolyurethaneVariant(ctx, colourName, updatePUColour);
  VariantPricer pricer(ctx);
  AddPolyurethanePrimer(pricer, area);
  AddPolyurethaneCoat(pricer, ctx, product::kPolyurethaneWaterproofing, rate, area);
  if (geotextile)
    pricer.addGeotextile(area);
  calc::EmptyLine(ctx);
  pricer.writeTotal();
}
